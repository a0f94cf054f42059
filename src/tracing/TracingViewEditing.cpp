// Point editing: appending, inserting, converting, deleting and undoing
// points, clearing, continuing and moving the route.
#include "tracing/TracingViewClient.h"
#include "tracing/WandrelTracingView.h"

#include "tracing/RouteLayer.h"

#include "platform/Alerts.h"
#include "platform/UiText.h"

#include <QAction>

void WandrelTracingView::addRegularPoint(const TracingEvent& event) {
    const bool waypoint =
        event.modifiers.testFlag(Qt::AltModifier) || pointDataSource->count() == 0;
    const uint64_t before = MyPoint::changeCount();
    currentPoint =
        pointDataSource->add(event.x(), event.y(), waypoint ? MyPoint::Waypoint : MyPoint::Regular);
    routeLayer->pointAppended(before);
    if (fatController)
        fatController->setChangesMade(true);
}

void WandrelTracingView::addWayPoint(const TracingEvent& event) {
    const uint64_t before = MyPoint::changeCount();
    currentPoint = pointDataSource->add(event.x(), event.y(), MyPoint::Waypoint);
    routeLayer->pointAppended(before);
    if (fatController)
        fatController->setChangesMade(true);
}

void WandrelTracingView::insertRegularPoint(const TracingEvent& event) {
    mouseX = event.x();
    mouseY = event.y();
    if (finished)
        currentPoint = pointDataSource->insertPointatX(mouseX, mouseY);
    if (fatController)
        fatController->setChangesMade(true);
    finished = true;
    resetCursorRects();
}

void WandrelTracingView::insertWayPoint(const TracingEvent& event) {
    mouseX = event.x();
    mouseY = event.y();
    if (finished) {
        currentPoint = pointDataSource->insertPointatX(mouseX, mouseY);
        if (currentPoint)
            currentPoint->setWaypoint(true);
    }
    if (fatController)
        fatController->setChangesMade(true);
    finished = true;
    resetCursorRects();
}

void WandrelTracingView::makeWaypoint() {
    convertCurrentPoint(true);
}

// Regular also turns a distance marker into a plain point.
void WandrelTracingView::makeRegularPoint() {
    convertCurrentPoint(false);
}

void WandrelTracingView::convertCurrentPoint(bool waypoint) {
    if (!currentPoint)
        return;
    currentPoint->setWaypoint(waypoint);
    update();
    refreshInfoTable();
}

// A route never loses its last two points this way. The figures and the
// edited mark follow at once, so a removal never leaves stale numbers.
void WandrelTracingView::deleteCurrentPoint() {
    if (pointDataSource->count() <= 2)
        return;
    const bool removing = currentPoint != nullptr;
    pointDataSource->deleteItem(currentPoint);
    currentPoint = nullptr;
    update();
    if (!removing)
        return;
    resetCursorRects();
    if (fatController) {
        fatController->setChangesMade(true);
        fatController->displayAnswer();
    }
}

void WandrelTracingView::undoPoint() {
    const int64_t n = pointDataSource->count();
    if (n == 1) {
        reset();
    } else if (n > 1) {
        pointDataSource->deleteLastItem();
        if (fatController)
            fatController->displayAnswer();
    }
    finished = false;
    // Reopened, the route is traced again: crosshair, not the finished cursors.
    resetCursorRects();
    reDraw();
}

void WandrelTracingView::reset() {
    pointDataSource->releasePoints();
    pointDataSource->clear();
    bringWindowToFront();
    if (fatController)
        fatController->clearImageView(this);
    finished = false;
    within = true;
    if (fatController) {
        fatController->setChangesMade(true);
        fatController->displayAnswer();
        fatController->clearFileName();
    }
    resetCursorRects();
    update();
}

void WandrelTracingView::clearPointsMenuItem() {
    const Alerts::Answer answer = Alerts::run(
        this, Wandrel::tr("Are you sure that you want to clear the current line?"),
        Wandrel::tr("This action cannot be undone."), Wandrel::tr("OK"), Wandrel::tr("Cancel"));
    if (answer != Alerts::Answer::Default)
        return;
    clearRoute();
    resetTerrainFactor();
}

void WandrelTracingView::removeThisFragment() {
    if (fatController) {
        clearRoute();
        return;
    }
    // The parent keeps ownership; whoever asks isMarkedForDeletion disposes.
    hide();
    markedForDeletion = true;
}

// Clearing without touching the snapshot image under the acetate.
void WandrelTracingView::clearRoute() {
    pointDataSource->releasePoints();
    pointDataSource->clear();
    bringWindowToFront();
    finished = false;
    within = true;
    if (fatController) {
        fatController->setChangesMade(true);
        fatController->displayAnswer();
    }
    resetCursorRects();
    update();
}

void WandrelTracingView::bringWindowToFront() {
    QWidget* w = window();
    w->raise();
    w->activateWindow();
}

// Finishing made the last point a waypoint; tracing resumes from a plain one.
void WandrelTracingView::cont() {
    finished = false;
    within = true;
    if (MyPoint* last = pointDataSource->getLastPoint())
        last->setWaypoint(false);
    resetCursorRects();
    update();
    // The last point left the waypoints: the table loses its row.
    refreshInfoTable();
}

void WandrelTracingView::translateX(float dx, float dy) {
    pointDataSource->applyTransformX(dx, -dy);
}

void WandrelTracingView::addMarkersAt(float interval, const QString& units, float numberOfUnits) {
    pointDataSource->addMarkersAt(interval, units.toStdString(), numberOfUnits);
}

void WandrelTracingView::removeDistanceMarkers() {
    pointDataSource->removeDistanceMarkers();
}

bool WandrelTracingView::showWaypointInspector() {
    if (!currentPoint || !currentPoint->isWaypoint())
        return false;
    currentPoint->showInspector(this);
    return true;
}

void WandrelTracingView::toggleImageAttachments() {
    if (toggleImageAttachmentsMenuItem)
        toggleImageAttachmentsMenuItem->setChecked(!toggleImageAttachmentsMenuItem->isChecked());
    update();
    resetCursorRects();
}
