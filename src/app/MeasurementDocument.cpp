#include "app/MeasurementDocument.h"

#include "app/AcetateController.h"
#include "app/FatController.h"
#include "app/MeasurementFile.h"
#include "app/WindowDesigns.h"
#include "app/WindowMeasurement.h"
#include "platform/Alerts.h"
#include "platform/UiText.h"

#include <QAbstractSlider>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMainWindow>

namespace {

// A dialog started in a folder that is gone shows an empty list with a
// name it cannot choose: start in the nearest folder that exists.
QString existingFolder(const QString& path) {
    if (path.isEmpty())
        return QDir::homePath();
    QFileInfo at(path);
    while (!at.isDir() && !at.isRoot() && at.absoluteFilePath() != at.absolutePath())
        at.setFile(at.absolutePath());
    return at.isDir() ? at.absoluteFilePath() : QDir::homePath();
}

} // namespace

MeasurementDocument::MeasurementDocument(WindowDesigns& d, FatController& c)
    : designs(d), controller(c), window(d.acetateWindow),
      measurement(std::make_unique<WindowMeasurement>(d, c)) {
    setChoosers(
        [this](const QString& start) {
            return QFileDialog::getExistingDirectory(&window, Wandrel::tr("Open Measurement"),
                                                     existingFolder(start));
        },
        [this](const QString& proposed) {
            const QFileInfo place(proposed);
            return QFileDialog::getSaveFileName(
                &window, Wandrel::tr("Save Measurement"),
                QDir(existingFolder(place.absolutePath())).filePath(place.fileName()));
        });
    const auto& menu = designs.acetate;
    connect(menu.newMenuItem, &QAction::triggered, this, &MeasurementDocument::newMeasurement);
    connect(menu.openMenuItem, &QAction::triggered, this, &MeasurementDocument::open);
    connect(menu.saveMenuItem, &QAction::triggered, this, &MeasurementDocument::save);
    connect(menu.saveAsMenuItem, &QAction::triggered, this, &MeasurementDocument::saveAs);
    controller.getAcetate().setMayClose([this] { return maySetAside(); });
    watchScaleControls();
    updateTitle();
}

MeasurementDocument::~MeasurementDocument() {
    controller.getAcetate().setMayClose({});
}

void MeasurementDocument::setChoosers(OpenChooser openChooser, SaveChooser saveChooser) {
    chooseFolderToOpen = std::move(openChooser);
    chooseFolderToSave = std::move(saveChooser);
}

QString MeasurementDocument::name() const {
    return folder.isEmpty() ? Wandrel::tr("Untitled") : QFileInfo(folder).fileName();
}

bool MeasurementDocument::isEdited() const {
    return window.isWindowModified();
}

// The scale and units are part of the measurement: changing them is an edit.
void MeasurementDocument::watchScaleControls() {
    const auto& units = designs.unitViews;
    connect(units.numberOfUnits2, &QLineEdit::textEdited, this, &MeasurementDocument::markEdited);
    for (QComboBox* box : {units.scaleUnits2, units.answerUnits2, units.areaUnits})
        connect(box, &QComboBox::activated, this, &MeasurementDocument::markEdited);
    designs.preferences.whenBuilt([this](QWidget&, Ui::PreferencesWindow& window) {
        connect(window.numberOfUnits, &QLineEdit::textEdited, this,
                &MeasurementDocument::markEdited);
        for (QComboBox* box : {window.scaleUnits, window.answerUnits})
            connect(box, &QComboBox::activated, this, &MeasurementDocument::markEdited);
        connect(window.terrainSlider, &QAbstractSlider::actionTriggered, this,
                &MeasurementDocument::markEdited);
    });
}

void MeasurementDocument::markEdited() {
    controller.setChangesMade(true);
}

void MeasurementDocument::updateTitle() {
    // "[*]" in a folder's name is not the edited mark's place.
    QString shown = name();
    shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    window.setWindowTitle(Wandrel::tr("%1[*] — Wandrel").arg(shown));
}

// The next dialog starts where the user last kept a measurement.
void MeasurementDocument::remember(const QString& path) {
    folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    controller.setRouteFolder(QFileInfo(folder).absolutePath());
    controller.setChangesMade(false);
    updateTitle();
}

void MeasurementDocument::newMeasurement() {
    if (!maySetAside())
        return;
    measurement->clear();
    folder.clear();
    controller.setChangesMade(false);
    updateTitle();
}

void MeasurementDocument::open() {
    if (!maySetAside())
        return;
    const QString chosen = chooseFolderToOpen(controller.getRouteFolder());
    if (!chosen.isEmpty())
        openFolder(chosen);
}

bool MeasurementDocument::openFolder(const QString& path) {
    const MeasurementFile::Opened opened = MeasurementFile::read(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!opened.holdsMeasurement()) {
        Alerts::run(&window, Wandrel::tr("“%1” could not be opened.").arg(shown),
                    Wandrel::tr("The folder holds no measurement that Wandrel can read."),
                    Wandrel::tr("OK"));
        return false;
    }
    const QStringList problems = measurement->show(opened, path);
    remember(path);
    if (!problems.isEmpty())
        Alerts::run(&window, Wandrel::tr("Not all of “%1” could be restored.").arg(name()),
                    problems.join(QLatin1Char('\n')), Wandrel::tr("OK"));
    return true;
}

void MeasurementDocument::save() {
    if (folder.isEmpty())
        saveAs();
    else
        saveTo(folder);
}

void MeasurementDocument::saveAs() {
    const QString start = controller.getRouteFolder();
    const QString chosen = chooseFolderToSave(QDir(start).filePath(name()));
    if (!chosen.isEmpty())
        saveTo(chosen);
}

bool MeasurementDocument::saveTo(const QString& path) {
    const QString failure = MeasurementFile::write(path, measurement->capture());
    if (!failure.isEmpty()) {
        // The route stays in the window, still marked as changed.
        Alerts::run(
            &window,
            Wandrel::tr("The measurement “%1” could not be saved.").arg(QFileInfo(path).fileName()),
            failure, Wandrel::tr("OK"));
        return false;
    }
    remember(path);
    return true;
}

bool MeasurementDocument::maySetAside() {
    // An untitled window without points or a picture holds nothing but the
    // scale, which the preferences keep anyway.
    if (!isEdited() || (folder.isEmpty() && !measurement->holdsWork()))
        return true;
    const Alerts::Answer answer =
        Alerts::run(&window, Wandrel::tr("Save changes to “%1”?").arg(name()),
                    Wandrel::tr("If you don't save them, your changes will be lost."),
                    Wandrel::tr("Save"), Wandrel::tr("Cancel"), Wandrel::tr("Don't Save"));
    if (answer == Alerts::Answer::Other)
        return true;
    if (answer == Alerts::Answer::Alternate)
        return false;
    save();
    return !isEdited();
}
