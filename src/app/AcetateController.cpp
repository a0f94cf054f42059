#include "app/AcetateController.h"

#include "app/AcetateWindow.h"
#include "app/FatController.h"
#include "app/MeasurementFile.h"
#include "app/ScreenGrabber.h"
#include "app/SnapshotCommand.h"
#include "app/SnapshotView.h"
#include "app/WindowDesigns.h"
#include "platform/Alerts.h"
#include "platform/ColourWell.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "platform/Resources.h"
#include "platform/ToolbarItem.h"
#include "platform/UiText.h"
#include "tracing/WandrelTracingView.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Fainter than this, the acetate could not be seen to be there.
constexpr float faintestTint = 0.02f;
constexpr float raisedTint = 0.05f;

} // namespace

AcetateController::AcetateController(WindowDesigns& designs, FatController& c)
    : controller(c), wandrelMainWindow(designs.acetateWindow),
      wandrelMainView(designs.acetate.wandrelMainView), values(c.getPreferenceValues()),
      snapshotView(designs.acetate.snapshotView), answer2(designs.unitViews.answer2),
      answerUnits2(designs.unitViews.answerUnits2), saveDialog(designs.save),
      snapshotMenuItem(designs.acetate.snapshotMenuItem),
      snapshotCommand(std::make_unique<SnapshotCommand>(wandrelMainWindow, *snapshotView,
                                                        &ScreenGrabber::forPlatform)),
      quit(&QCoreApplication::quit) {
    // Until the preferences say otherwise, the designed tint.
    if (const auto* acetate = qobject_cast<AcetateWindow*>(&wandrelMainWindow))
        values.tint = acetate->tint();
    designs.preferences.whenBuilt([this](QWidget&, Ui::PreferencesWindow& window) {
        window.mainWindowColour->setColor(values.tint);
        connect(window.mainWindowColour, &ColourWell::colorChanged, this,
                [this](const QColor& chosen) {
                    values.tint = chosen;
                    makeWindowTransparent();
                });
    });
    connect(designs.acetate.actionCloseAcetate, &QAction::triggered, this,
            &AcetateController::closeAcetateWindow);
    // The menu item offers what the toolbar item's face offers.
    connect(snapshotMenuItem, &QAction::triggered, this, [this] {
        if (snapshotView->hasImage())
            clearImageView(snapshotMenuItem);
        else
            captureSnapshot();
    });
    connect(snapshotCommand.get(), &SnapshotCommand::taken, this, &AcetateController::showSnapshot);
    connect(snapshotCommand.get(), &SnapshotCommand::failed, this,
            &AcetateController::snapshotFailed);
}

AcetateController::~AcetateController() = default;

void AcetateController::applyTint() {
    QColor tint = values.tint;
    if (tint.alphaF() < faintestTint)
        tint.setAlphaF(raisedTint);
    // The window is see-through from its creation; only the tint changes.
    if (auto* acetate = qobject_cast<AcetateWindow*>(&wandrelMainWindow))
        acetate->setTint(tint);
}

void AcetateController::makeWindowTransparent() {
    applyTint();
    wandrelMainWindow.show();
    wandrelMainWindow.raise();
    wandrelMainWindow.activateWindow();
    wandrelMainWindow.update();
}

void AcetateController::setImageForSnapshotView(const QString& file, const QString& folder) {
    const QString path = QDir(folder).filePath(file);
    // A file that is not a picture leaves the acetate as empty as a missing one.
    snapshotView->setImage(QFileInfo(path).isFile() ? QImage(path) : QImage());
    showFace(snapshotView->hasImage());
}

void AcetateController::clearImageView(QObject* sender) {
    snapshotView->setImage(QImage());
    showFace(false);
    if (sender && (sender == snapshotButton || sender == snapshotMenuItem))
        controller.setChangesMade(true);
    wandrelMainWindow.update();
}

void AcetateController::captureSnapshot() {
    snapshotCommand->start();
}

void AcetateController::showSnapshot(const QImage& picture) {
    snapshotView->setImage(picture);
    showFace(true);
    controller.setChangesMade(true);
}

void AcetateController::snapshotFailed(const QString& message) {
    Alerts::run(&wandrelMainWindow, Wandrel::tr("Snapshot"), message, Wandrel::tr("OK"));
}

// An item made while a picture is shown offers to clear it; otherwise it
// offers a snapshot.
void AcetateController::setSnapshotButton(ToolbarItem* item) {
    snapshotButton = item;
    showFace(snapshotView->hasImage());
}

// A face whose image is missing leaves the item as it was.
void AcetateController::showFace(bool imageFace) {
    snapshotMenuItem->setText(imageFace ? Wandrel::tr("Clear Acetate")
                                        : Wandrel::tr("Take Snapshot"));
    if (!snapshotButton)
        return;
    const QImage image = Resources::image(
        imageFace ? QStringLiteral("acetate") : QStringLiteral("camera"), QStringLiteral("tif"));
    if (image.isNull())
        return;
    ToolbarItem* item = snapshotButton;
    item->setImage(image);
    item->setText(imageFace ? Wandrel::tr("Clear Acetate") : Wandrel::tr("Snapshot"));
    if (imageFace)
        item->setAction([this, item] { clearImageView(item); });
    else
        item->setAction([this] { captureSnapshot(); });
}

void AcetateController::closeAcetateWindow() {
    if (mayClose && !mayClose())
        return;
    wandrelMainView->reset();
    wandrelMainWindow.hide();
    controller.setChangesMade(false);
#ifndef Q_OS_MACOS
    // Elsewhere an application without its window would live on unseen.
    if (quit)
        quit();
#endif
}

void AcetateController::saveRouteStats(const QString& folder) const {
    if (folder.isEmpty()) {
        wlog(QStringLiteral("route folder is nil"));
        return;
    }
    PropertyList::write(QDir(folder).filePath(MeasurementFile::statsName), routeStats());
}

QVariantMap AcetateController::routeStats() const {
    return {{QStringLiteral("answer"), answer2->text()},
            {QStringLiteral("answerunits"), answerUnits2->currentText()},
            {QStringLiteral("WandrelVersion"), QStringLiteral("2")}};
}

void AcetateController::showConfigurationChangeWarning() {
    Alerts::run(&wandrelMainWindow, Wandrel::tr("Changes to Configuration"),
                Wandrel::tr("Changes to the window configuration will not take effect until the "
                            "next time Wandrel is started."),
                Wandrel::tr("OK"));
}

void AcetateController::showSaveAsSheet() {
    saveDialog.window()->open();
}
