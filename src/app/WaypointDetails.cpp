#include "app/WaypointDetails.h"

#include "app/FatController.h"
#include "app/WindowDesigns.h"
#include "tracing/WandrelTracingView.h"

WaypointDetails::WaypointDetails(WindowDesigns& designs, FatController& fatController)
    : controller(fatController), wandrelMainView(designs.acetate.wandrelMainView),
      pointInspector(designs.waypointDetailsWindow),
      waypointNameField(designs.waypointDetails.waypointNameField),
      waypointCommentsField(designs.waypointDetails.waypointCommentsField) {
    // While the details are open the route cannot be edited under them.
    pointInspector->setWindowModality(Qt::WindowModal);
    connect(designs.waypointDetails.waypointButtons, &QDialogButtonBox::accepted, this,
            &WaypointDetails::finishEditingPointDetails);
}

void WaypointDetails::showPointInspector(MyPoint* point) {
    if (!point)
        return;
    currentWaypoint = point;
    waypointNameField->setText(QString::fromStdString(point->getPointName()));
    waypointCommentsField->setPlainText(QString::fromStdString(point->getPointComments()));
    pointInspector->show();
    pointInspector->raise();
    pointInspector->activateWindow();
    waypointNameField->setFocus();
}

MyPoint* WaypointDetails::getCurrentWaypoint() const {
    return wandrelMainView->getPointDataSource().indexOf(currentWaypoint) >= 0 ? currentWaypoint
                                                                               : nullptr;
}

void WaypointDetails::finishEditingPointDetails() {
    pointInspector->hide();
    if (MyPoint* waypoint = getCurrentWaypoint()) {
        waypoint->setPointName(waypointNameField->text().toStdString());
        waypoint->setPointComments(waypointCommentsField->toPlainText().toStdString());
    }
    controller.setChangesMade(true);
}
