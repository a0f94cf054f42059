#pragma once

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

// Every window design of the application, loaded once with the acetate.
// The secondary windows are children of the acetate, which owns them.
class WindowDesigns {
public:
    explicit WindowDesigns(QMainWindow& acetate);

    QMainWindow& acetateWindow;
    Ui::AcetateWindow acetate;
    Ui::UnitViews unitViews;
    Ui::PreferencesWindow preferences;
    Ui::InformationWindow information;
    Ui::DistanceMarkerDialog distanceMarkers;
    Ui::WaypointDetailsWindow waypointDetails;
    Ui::UnitEditSheet unitEdit;
    Ui::SaveSheet save;
    Ui::ZoomWindow zoom;

    // Home of the three unit views while the main toolbar does not show them.
    QWidget* unitViewsWidget;
    QWidget* preferencesWindow;
    QDialog* informationWindow;
    QDialog* distanceMarkerDialog;
    QDialog* waypointDetailsWindow;
    QDialog* unitEditSheet;
    QDialog* saveSheet;
    QWidget* zoomWindow;
};
