#pragma once

#include "app/LazyWindow.h"
#include "ui_AcetateWindow.h"
#include "ui_DistanceMarkerDialog.h"
#include "ui_InformationWindow.h"
#include "ui_PreferencesWindow.h"
#include "ui_SaveSheet.h"
#include "ui_UnitEditSheet.h"
#include "ui_UnitViews.h"
#include "ui_WaypointDetailsWindow.h"
#include "ui_ZoomWindow.h"

#include <QDialog>
#include <QMainWindow>
#include <QPointer>

// Every window design of the application. Those the acetate and its
// controller need from the start are loaded with the acetate; the
// preferences window and the dialogs that only a command opens are made
// when first asked for. The secondary windows are children of the acetate,
// which owns them.
class WindowDesigns {
public:
    explicit WindowDesigns(QMainWindow& acetate);

    QMainWindow& acetateWindow;
    Ui::AcetateWindow acetate;
    Ui::UnitViews unitViews;
    // Made with the preferences window, whose sheet it is.
    Ui::UnitEditSheet unitEdit;
    Ui::ZoomWindow zoom;
    LazyWindow<Ui::PreferencesWindow, QWidget> preferences;
    LazyWindow<Ui::InformationWindow, QDialog> information;
    LazyWindow<Ui::DistanceMarkerDialog, QDialog> distanceMarkers;
    LazyWindow<Ui::WaypointDetailsWindow, QDialog> waypointDetails;
    LazyWindow<Ui::SaveSheet, QDialog> save;

    // Home of the three unit views while the main toolbar does not show them.
    QWidget* unitViewsWidget;
    QDialog* unitEditSheet = nullptr;
    QWidget* zoomWindow;
};
