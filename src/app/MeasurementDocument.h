#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class FatController;
class QMainWindow;
class WindowDesigns;
class WindowMeasurement;

// The measurement the acetate shows, as a document: its folder and name,
// its edited state in the window's title, the File menu's New, Open…, Save
// and Save As…, and the question before unsaved changes are let go.
class MeasurementDocument : public QObject {
public:
    // Ask the user for a folder: to open, starting in `folder`; to save
    // into, proposing `path`. An empty answer means the user cancelled.
    using OpenChooser = std::function<QString(const QString& folder)>;
    using SaveChooser = std::function<QString(const QString& path)>;

    MeasurementDocument(WindowDesigns& designs, FatController& controller);
    ~MeasurementDocument() override;

    // Empty while the measurement was never saved.
    QString getFolder() const { return folder; }
    // The folder's name, or "Untitled".
    QString name() const;
    bool isEdited() const;

    void newMeasurement();
    void open();
    void save();
    void saveAs();
    // Without the question or a chooser; false when nothing was opened or
    // saved, the user having been told why.
    bool openFolder(const QString& path);
    bool saveTo(const QString& path);

    // Asks "Save changes to …?" when the window holds unsaved work, and
    // saves when the user says so. False when the work must stay: the user
    // cancelled, or the save did not happen.
    bool maySetAside();

    // Dialogs are replaced in tests, which must never wait on one.
    void setChoosers(OpenChooser openChooser, SaveChooser saveChooser);

private:
    void updateTitle();
    void markEdited();
    void watchScaleControls();
    void remember(const QString& path);

    WindowDesigns& designs;
    FatController& controller;
    QMainWindow& window;
    std::unique_ptr<WindowMeasurement> measurement;
    QString folder;
    OpenChooser chooseFolderToOpen;
    SaveChooser chooseFolderToSave;
};
