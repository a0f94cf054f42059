// Route commands and the tracing view's questions about the views on the
// acetate; the application has exactly one tracing view.
#include "app/FatController.h"

#include "app/AcetateController.h"
#include "app/MarkerCommands.h"
#include "app/ResizeImage.h"
#include "app/ToolbarItems.h"
#include "app/WaypointDetails.h"
#include "app/WindowDesigns.h"
#include "platform/Log.h"
#include "tracing/WandrelTracingView.h"

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

void FatController::clearImageView(QObject* sender) {
    acetate->clearImageView(sender);
}

void FatController::clearFileName() {}

void FatController::invalidateCursorRectsForTracingView() {
    wandrelMainView->resetCursorRects();
}

// Gives the tracing view the window's controls and the route commands their
// menu items; the context menu over the route reuses the same items.
void FatController::connectRouteCommands() {
    auto& menu = designs.acetate;
    dragmodeMenuItem = menu.dragmodeMenuItem;
    wandrelMainView->setDragmodeMenuItem(menu.dragmodeMenuItem);
    wandrelMainView->setShadeAreaButton(menu.shadeAreaMenuItem);
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

void FatController::makeWindowTransparent() {
    acetate->makeWindowTransparent();
}

void FatController::setImageForSnapshotView(QWidget* /*view*/, const QString& file,
                                            const QString& folder) {
    acetate->setImageForSnapshotView(file, folder);
}

void FatController::closeAcetateWindow() {
    acetate->closeAcetateWindow();
}

QImage FatController::resizeImage(const QImage& image, float maxDimension) {
    return ::resizeImage(image, maxDimension);
}

void FatController::saveRouteStats(const QString& folder) const {
    acetate->saveRouteStats(folder);
}

void FatController::showConfigurationChangeWarning() {
    acetate->showConfigurationChangeWarning();
}

void FatController::showSaveAsSheet() {
    acetate->showSaveAsSheet();
}

// Before the preferences are restored there is no store to keep the
// toolbars' configuration in; called again, the toolbars reload from it.
void FatController::createToolbars() {
    toolbarItems->createToolbars(defaults.get());
}

void FatController::customiseToolbar() {
    toolbarItems->customiseToolbar();
}

void FatController::switchPrefsTab(int tag) {
    toolbarItems->switchPrefsTab(tag);
}
