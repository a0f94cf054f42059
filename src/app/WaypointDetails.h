#pragma once

#include "app/LazyWindow.h"

#include <QObject>

class FatController;
class MyPoint;
class QDialog;
class WandrelTracingView;
class WindowDesigns;
namespace Ui {
class WaypointDetailsWindow;
}

// The waypoint details window: shows a waypoint's name and comments and
// writes the edited texts back to it.
class WaypointDetails : public QObject {
public:
    WaypointDetails(WindowDesigns& designs, FatController& controller);

    // No point, no window.
    void showPointInspector(MyPoint* point);
    void finishEditingPointDetails();
    // The last waypoint shown, while the route still holds it.
    MyPoint* getCurrentWaypoint() const;

private:
    FatController& controller;
    WandrelTracingView* wandrelMainView;
    // Made when a waypoint is first shown.
    LazyWindow<Ui::WaypointDetailsWindow, QDialog>& pointInspector;
    // Not owned: the route may let go of it at any time, so it is only
    // touched after the route is asked whether it still holds it.
    MyPoint* currentWaypoint = nullptr;
};
