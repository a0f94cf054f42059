#include "app/AcetateController.h"

#include "app/AcetateWindow.h"
#include "app/FatController.h"
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
      wandrelMainView(designs.acetate.wandrelMainView),
      mainWindowColour(designs.preferences.mainWindowColour),
      snapshotView(designs.acetate.snapshotView), answer(designs.preferences.answer),
      answerUnits2(designs.unitViews.answerUnits2), saveDialog(designs.saveSheet),
      quit(&QCoreApplication::quit) {
    // Until the preferences say otherwise, the well shows the designed tint.
    if (const auto* acetate = qobject_cast<AcetateWindow*>(&wandrelMainWindow))
        mainWindowColour->setColor(acetate->tint());
    connect(mainWindowColour, &ColourWell::colorChanged, this,
            &AcetateController::makeWindowTransparent);
    connect(designs.acetate.actionCloseAcetate, &QAction::triggered, this,
            &AcetateController::closeAcetateWindow);
}

void AcetateController::makeWindowTransparent() {
    QColor tint = mainWindowColour->color();
    if (tint.alphaF() < faintestTint)
        tint.setAlphaF(raisedTint);
    // The window is see-through from its creation; only the tint changes.
    if (auto* acetate = qobject_cast<AcetateWindow*>(&wandrelMainWindow))
        acetate->setTint(tint);
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
    if (sender && sender == snapshotButton)
        controller.setChangesMade(true);
    wandrelMainWindow.update();
}

void AcetateController::setSnapshotButton(ToolbarItem* item) {
    snapshotButton = item;
    // An item made while a picture is shown offers to clear it.
    if (snapshotView->hasImage())
        showFace(true);
}

// A face whose image is missing leaves the item as it was. Taking a snapshot
// is not offered, so the camera face has no action and shows disabled.
void AcetateController::showFace(bool imageFace) {
    if (!snapshotButton)
        return;
    const QImage image = Resources::image(
        imageFace ? QStringLiteral("acetate") : QStringLiteral("camera"), QStringLiteral("tif"));
    if (image.isNull())
        return;
    ToolbarItem* item = snapshotButton;
    item->setImage(image);
    item->setText(imageFace ? wandrelTr("Clear Acetate") : wandrelTr("Snapshot"));
    if (imageFace)
        item->setAction([this, item] { clearImageView(item); });
    else
        item->setAction({});
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
    PropertyList::write(QDir(folder).filePath(QStringLiteral("stats.plist")), routeStats());
}

QVariantMap AcetateController::routeStats() const {
    return {{QStringLiteral("answer"), answer->text()},
            {QStringLiteral("answerunits"), answerUnits2->currentText()},
            {QStringLiteral("WandrelVersion"), QStringLiteral("2")}};
}

void AcetateController::showConfigurationChangeWarning() {
    Alerts::run(&wandrelMainWindow, wandrelTr("Changes to Configuration"),
                wandrelTr("Changes to the window configuration will not take effect until the "
                          "next time Wandrel is started."),
                wandrelTr("OK"));
}

void AcetateController::showSaveAsSheet() {
    saveDialog->open();
}
