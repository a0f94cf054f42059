#include "app/WaypointDetails.h"

#include "app/FatController.h"
#include "app/WindowDesigns.h"
#include "tracing/WandrelTracingView.h"

WaypointDetails::WaypointDetails(WindowDesigns& designs, FatController& fatController)
    : controller(fatController), wandrelMainView(designs.acetate.wandrelMainView),
      pointInspector(designs.waypointDetails) {
    pointInspector.whenBuilt([this](QDialog& window, Ui::WaypointDetailsWindow& design) {
        // While the details are open the route cannot be edited under them.
        window.setWindowModality(Qt::WindowModal);
        connect(design.waypointButtons, &QDialogButtonBox::accepted, this,
                &WaypointDetails::finishEditingPointDetails);
    });
}

void WaypointDetails::showPointInspector(MyPoint* point) {
    if (!point)
        return;
    currentWaypoint = point;
    const Ui::WaypointDetailsWindow& design = pointInspector.ui();
    design.waypointNameField->setText(QString::fromStdString(point->getPointName()));
    design.waypointCommentsField->setPlainText(QString::fromStdString(point->getPointComments()));
    QDialog* window = pointInspector.window();
    window->show();
    window->raise();
    window->activateWindow();
    design.waypointNameField->setFocus();
}

MyPoint* WaypointDetails::getCurrentWaypoint() const {
    return wandrelMainView->getPointDataSource().indexOf(currentWaypoint) >= 0 ? currentWaypoint
                                                                               : nullptr;
}

void WaypointDetails::finishEditingPointDetails() {
    pointInspector.window()->hide();
    if (MyPoint* waypoint = getCurrentWaypoint()) {
        const Ui::WaypointDetailsWindow& design = pointInspector.ui();
        waypoint->setPointName(design.waypointNameField->text().toStdString());
        waypoint->setPointComments(design.waypointCommentsField->toPlainText().toStdString());
    }
    controller.setChangesMade(true);
}
