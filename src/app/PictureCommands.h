#pragma once

#include "app/PictureExporter.h"

#include <QObject>

#include <functional>

class FatController;
class QPrinter;
class QWidget;
class WindowDesigns;

// File › Export Image… and File › Print…: the acetate's picture as a PNG
// or JPEG file, or fitted to a printed page. The file and printer are asked
// for through replaceable functions, so tests never meet a modal dialog.
class PictureCommands : public QObject {
public:
    // The chosen file, or empty when the user cancelled.
    using ChooseFile = std::function<QString(QWidget* parent, const QString& suggested)>;
    // False when the user cancelled.
    using ChoosePrinter = std::function<bool(QWidget* parent, QPrinter& printer)>;

    // The picture is written at the acetate's size and JPEG at this
    // quality. The Exporting preferences belong to the web export, whose
    // tab the preferences toolbar does not offer, so they are not read.
    static constexpr int jpegQuality = 90;

    PictureCommands(WindowDesigns& designs, FatController& controller);

    void setFileChooser(ChooseFile chooser) { chooseFile = std::move(chooser); }
    void setPrinterChooser(ChoosePrinter chooser) { choosePrinter = std::move(chooser); }

    // What the acetate shows now, gathered from its views and figures.
    AcetatePicture gather() const;
    // The figures as the window shows them, one line each.
    QStringList legend() const;

    void exportImage();
    void print();

private:
    void fail(const QString& title, const QString& message) const;

    WindowDesigns& designs;
    FatController& controller;
    ChooseFile chooseFile;
    ChoosePrinter choosePrinter;
};
