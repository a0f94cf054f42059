#pragma once

#include "app/LazyWindow.h"

#include <QObject>
#include <QString>

class FatController;
class QAction;
class QComboBox;
class QDialog;
class QWidget;
class UnitDataSource;
class WandrelTracingView;
class WindowDesigns;
namespace Ui {
class DistanceMarkerDialog;
}

// Distance markers: the dialog that places one every so many units along
// the route, and the command that removes them again.
class MarkerCommands : public QObject {
public:
    MarkerCommands(WindowDesigns& designs, UnitDataSource& units, FatController& controller);

    // Opens the dialog with the registry's current units.
    void showDistanceMarkerDialog();
    // The dialog's confirm action; `sender` is a control of the dialog.
    void createDistanceMarkers(QWidget* sender);
    void removeDistanceMarkers();
    // The remove command is enabled exactly while it has markers to remove.
    void setRemoveMarkerMenuItem(bool enabled);

private:
    void prepare(QDialog& window, Ui::DistanceMarkerDialog& design);
    void refuse(float number, const QString& unit);

    FatController& controller;
    UnitDataSource& unitDataSource;
    WandrelTracingView* wandrelMainView;
    // Made when the command first opens it.
    LazyWindow<Ui::DistanceMarkerDialog, QDialog>& dialog;
    QComboBox* scaleUnits2;
    QAction* markerRemoveMenuItem;
};
