// Route commands and the tracing view's questions about the views on the
// acetate; the application has exactly one tracing view.
#include "app/FatController.h"

#include "app/MarkerCommands.h"
#include "app/WaypointDetails.h"
#include "app/WindowDesigns.h"
#include "platform/Log.h"
#include "tracing/WandrelTracingView.h"

#include <QAbstractSlider>
#include <QAction>
#include <QMainWindow>
#include <QMenu>

void FatController::undoPoint() {
    if (WandrelTracingView* view = getViewLastClicked())
        view->undoPoint();
}

void FatController::toggleDragmode() {
    if (!dragmodeMenuItem)
        return;
    dragmodeMenuItem->setChecked(!dragmodeMenuItem->isChecked());
    wandrelMainView->update();
    wandrelMainView->resetCursorRects();
}

void FatController::setDragmode(bool modify) {
    if (dragmodeMenuItem)
        dragmodeMenuItem->setChecked(modify);
    wandrelMainView->update();
}

void FatController::createWayPoint() {
    wandrelMainView->setPlacingState(2);
}

void FatController::createSpeechBubble() {
    wandrelMainView->setPlacingState(1);
}

void FatController::createImageAttachment() {
    wandrelMainView->setPlacingState(3);
}

void FatController::createCircle() {
    wandrelMainView->setPlacingState(4);
}

void FatController::setChangesMade(bool changed) {
    wandrelMainWindow->setWindowModified(changed);
}

WandrelTracingView* FatController::getViewLastClicked() const {
    if (!wandrelMainView->getLastClicked().isValid())
        wlog(QStringLiteral("wandrelMainView getlastclicked is nil"));
    return wandrelMainView;
}

WandrelTracingView* FatController::tracingViewBeingDragged() {
    return wandrelMainView->isBeingDragged() ? wandrelMainView : nullptr;
}

WandrelTracingView* FatController::tracingViewWithPointBeingDragged() {
    return wandrelMainView->isPointBeingDragged() ? wandrelMainView : nullptr;
}

void FatController::findHitAndPassDragEvent(const TracingEvent& event) {
    if (wandrelMainView->routeHitTest(event))
        wandrelMainView->mouseDraggedStep2(event);
}

bool FatController::findHitPointAndPassDragEvent(const TracingEvent& event) {
    if (!wandrelMainView->pointHitTest(event))
        return false;
    wandrelMainView->mouseDraggedStep2(event);
    return true;
}

bool FatController::allTracingViewsFinished() {
    return wandrelMainView->isFinished();
}

// The acetate has no picture under the route yet.
void FatController::clearImageView(QObject* /*sender*/) {}

void FatController::clearFileName() {}

void FatController::invalidateCursorRectsForTracingView() {
    wandrelMainView->resetCursorRects();
}

// Gives the tracing view the window's controls and the route commands their
// menu items; the context menu over the route reuses the same items.
void FatController::connectRouteCommands() {
    auto& menu = designs.acetate;
    dragmodeMenuItem = menu.dragmodeMenuItem;
    wandrelMainView->setController(this);
    wandrelMainView->setDragmodeMenuItem(menu.dragmodeMenuItem);
    wandrelMainView->setShadeAreaButton(menu.shadeAreaMenuItem);
    wandrelMainView->setTerrainSlider(designs.preferences.terrainSlider);
    auto* context = new QMenu(wandrelMainView); // owned by the view
    context->addActions({menu.undoPointMenuItem, menu.contMenuItem, menu.createWayPointMenuItem});
    context->addSeparator();
    context->addActions({menu.dragmodeMenuItem, menu.clearPointsMenuItem});
    wandrelMainView->setTracingViewContextMenu(context);

    connect(menu.undoPointMenuItem, &QAction::triggered, this, &FatController::undoPoint);
    connect(menu.dragmodeMenuItem, &QAction::triggered, this, [this] {
        // The item has already switched itself; redraw and show the new cursors.
        wandrelMainView->update();
        wandrelMainView->resetCursorRects();
    });
    connect(menu.createWayPointMenuItem, &QAction::triggered, this, &FatController::createWayPoint);
    connect(menu.contMenuItem, &QAction::triggered, wandrelMainView, &WandrelTracingView::cont);
    connect(menu.clearPointsMenuItem, &QAction::triggered, wandrelMainView,
            &WandrelTracingView::clearPointsMenuItem);
    connect(menu.shadeAreaMenuItem, &QAction::toggled, wandrelMainView,
            &WandrelTracingView::reDraw);
    connect(designs.preferences.terrainSlider, &QAbstractSlider::valueChanged, this,
            [this] { displayAnswer(); });
}

// The application has one tracing view; a new one is never made.
WandrelTracingView* FatController::addTracingView(QObject* /*view*/) const {
    return wandrelMainView;
}

QString FatController::getRouteFolder() const {
    if (routeFolder.isNull())
        wlog(QStringLiteral("route folder is nil"));
    return routeFolder;
}

void FatController::createDistanceMarkers(QWidget* sender) {
    markerCommands->createDistanceMarkers(sender);
}

void FatController::removeDistanceMarkers() {
    markerCommands->removeDistanceMarkers();
}

void FatController::setRemoveMarkerMenuItem(bool enabled) {
    markerCommands->setRemoveMarkerMenuItem(enabled);
}

void FatController::showPointInspector(MyPoint* point) {
    waypointDetails->showPointInspector(point);
}

void FatController::finishEditingPointDetails() {
    waypointDetails->finishEditingPointDetails();
}
