// Pointer and keyboard handling: tracing, selecting, inserting, dragging
// points or the whole route, context menus and the delete and finish keys.
#include "tracing/RouteLayer.h"
#include "tracing/TracingViewClient.h"
#include "tracing/WandrelTracingView.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainterPath>

#include <utility>

namespace {

// The key a user holds for a secondary click with a one-button mouse;
// Qt reports the macOS Control key as Meta.
constexpr Qt::KeyboardModifier controlKey =
#ifdef Q_OS_MACOS
    Qt::MetaModifier;
#else
    Qt::ControlModifier;
#endif

} // namespace

QPointF WandrelTracingView::toView(QPointF widgetPosition) const {
    return QPointF(widgetPosition.x(), height() - widgetPosition.y());
}

TracingEvent WandrelTracingView::tracingEvent(const QMouseEvent& event, int clickCount) {
    TracingEvent e;
    e.location = toView(event.position());
    e.delta = event.position() - lastPointerPosition;
    lastPointerPosition = event.position();
    e.globalPosition = event.globalPosition().toPoint();
    e.modifiers = event.modifiers();
    e.clickCount = clickCount;
    return e;
}

void WandrelTracingView::mousePressEvent(QMouseEvent* event) {
    press(*event, 1);
}

// Qt reports the second press of a double click as an event of its own.
void WandrelTracingView::mouseDoubleClickEvent(QMouseEvent* event) {
    press(*event, 2);
}

void WandrelTracingView::press(QMouseEvent& event, int clickCount) {
    if (activatesWindow()) {
        swallowingPress = true;
        event.accept();
        return;
    }
    lastPointerPosition = event.position();
    const TracingEvent e = tracingEvent(event, clickCount);
    bool handled = false;
    if (event.button() == Qt::LeftButton)
        handled = mouseDown(e);
    else if (event.button() == Qt::RightButton)
        handled = rightMouseDown(e);
    describeSelection();
    event.setAccepted(handled);
}

// Pressed while another window is active, or at once after the press made
// this one active: either way the press was meant for the window, not for
// the route. A window activated from the keyboard sees the pointer move
// before any click, which disarms the check.
bool WandrelTracingView::activatesWindow() {
    const bool justActivated =
        activatedUnderPointer && activatedAt.isValid() && activatedAt.elapsed() < 400;
    activatedUnderPointer = false;
    if (window()->isActiveWindow())
        return justActivated;
    // This press is the activating one; the activation it brings is not.
    activationClaimed = true;
    window()->activateWindow();
    return true;
}

void WandrelTracingView::windowActivated(QWindow* focused) {
    if (!focused || focused != window()->windowHandle())
        return;
    if (std::exchange(activationClaimed, false) || !underMouse())
        return;
    activatedUnderPointer = true;
    activatedAt.start();
}

void WandrelTracingView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton)
        activatedUnderPointer = false;
    setCursor(cursorRects.cursorAt(toView(event->position())));
    const TracingEvent e = tracingEvent(*event, 0);
    if (event->buttons().testFlag(Qt::LeftButton)) {
        mouseDragged(e);
        event->accept();
    } else if (event->buttons() == Qt::NoButton) {
        event->setAccepted(mouseMoved(e));
    } else {
        event->ignore();
    }
}

void WandrelTracingView::mouseReleaseEvent(QMouseEvent* event) {
    if (swallowingPress) {
        swallowingPress = false;
        event->accept();
        return;
    }
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    mouseUp();
    event->accept();
}

void WandrelTracingView::enterEvent(QEnterEvent* event) {
    within = true;
    resetCursorRects();
    QWidget::enterEvent(event);
}

void WandrelTracingView::leaveEvent(QEvent* event) {
    within = false;
    // Take the line to the pointer away now rather than at some later pass.
    update();
    QWidget::leaveEvent(event);
}

void WandrelTracingView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == 0 && event->text().isEmpty()) {
        event->ignore();
        return;
    }
    keyDown(*event);
    describeSelection();
    event->accept();
}

bool WandrelTracingView::mouseDown(const TracingEvent& event) {
    clickWithoutDragging = true;
    mouseX = event.x();
    mouseY = event.y();
    // A Control-click is a secondary press and then also a primary one.
    if (fatController && event.modifiers.testFlag(controlKey))
        rightMouseDown(event);
    if (fatController && placingState != Tracing)
        return placeObject(event);
    if (event.clickCount == 2)
        return doubleClick();
    if (isShowingPoints() && finished && clickWithoutDragging)
        return selectOrInsert(event);
    if (finished)
        return false;
    traceClick(event);
    return true;
}

// Speech bubbles, images and circles are placed nowhere yet: the click only
// ends the placing state.
bool WandrelTracingView::placeObject(const TracingEvent& event) {
    const int32_t placing = placingState;
    placingState = Tracing;
    resetCursorRects();
    if (placing == Waypoint) {
        if (finished)
            insertWayPoint(event);
        else
            addWayPoint(event);
    }
    update();
    return true;
}

bool WandrelTracingView::doubleClick() {
    if (finished) {
        currentPoint = pointDataSource->getNearestPointToX(mouseX, mouseY);
        return showWaypointInspector();
    }
    // The first click of the double click appended the point that ends it.
    finished = true;
    if (currentPoint)
        currentPoint->setWaypoint(true);
    resetCursorRects();
    update();
    refreshInfoTable();
    touch();
    return true;
}

bool WandrelTracingView::selectOrInsert(const TracingEvent& event) {
    currentPoint = pointDataSource->getNearestPointToX(mouseX, mouseY);
    if (currentPoint) {
        touch();
        return true;
    }
    insertRegularPoint(event);
    if (!currentPoint)
        return false;
    touch();
    update();
    return true;
}

void WandrelTracingView::traceClick(const TracingEvent& event) {
    within = true;
    addRegularPoint(event);
    touch();
    if (fatController)
        fatController->scaleHasChanged(this);
    update();
    if (fatController)
        fatController->setChangesMade(true);
}

// Each drag event first moves what is already being dragged, then asks the
// controller which view has something under the pointer.
void WandrelTracingView::mouseDragged(const TracingEvent& event) {
    clickWithoutDragging = false;
    if (!finished || !fatController)
        return;
    if (isShowingPoints()) {
        if (fatController->tracingViewWithPointBeingDragged() == this)
            mouseDraggedStep2(event);
        fatController->findHitPointAndPassDragEvent(event);
    } else if (fatController->tracingViewBeingDragged() == this) {
        mouseDraggedStep2(event);
    } else {
        fatController->findHitAndPassDragEvent(event);
    }
}

void WandrelTracingView::mouseDraggedStep2(const TracingEvent& event) {
    touch();
    if (!isShowingPoints()) {
        routeBeingDragged = true;
        translateX(static_cast<float>(event.delta.x()), static_cast<float>(event.delta.y()));
        update();
        return;
    }
    mouseX = event.x();
    mouseY = event.y();
    // Once caught, a point follows however fast the pointer moves.
    if (!beingDragged)
        beingDragged = pointDataSource->getNearestPointToX(mouseX, mouseY);
    currentPoint = beingDragged;
    if (beingDragged) {
        const uint64_t before = MyPoint::changeCount();
        beingDragged->setX(mouseX);
        beingDragged->setY(mouseY);
        routeLayer->draggedPointMoved(beingDragged, before);
    }
    if (fatController)
        fatController->setChangesMade(true);
    update();
}

void WandrelTracingView::mouseUp() {
    beingDragged = nullptr;
    routeBeingDragged = false;
    if (!fatController)
        return;
    resetCursorRects();
    fatController->displayAnswer();
}

bool WandrelTracingView::mouseMoved(const TracingEvent& event) {
    if (within) {
        const QPointF before(mouseX, mouseY);
        mouseX = event.x();
        mouseY = event.y();
        // Only the line to the pointer moved; the route's picture stays.
        update(RouteLayer::pointerDamage(scene(), before));
    }
    return !finished;
}

bool WandrelTracingView::rightMouseDown(const TracingEvent& event) {
    if (!finished)
        return true;
    mouseX = event.x();
    mouseY = event.y();
    currentPoint = pointDataSource->getNearestPointToX(mouseX, mouseY);
    // The two ends have no menu.
    if (pointDataSource->isPointStartPoint(currentPoint) ||
        pointDataSource->isPointFinishPoint(currentPoint))
        return true;
    if (!currentPoint) {
        if (routeHitTest(event)) {
            popUp(tracingViewContextMenu, event);
            return true;
        }
        if (fatController)
            fatController->removeMarkedTracingViews(this);
        return false;
    }
    touch();
    makeContextMenus();
    popUp(currentPoint->isWaypoint() ? waypointContextMenu : regularPointContextMenu, event);
    return true;
}

void WandrelTracingView::popUp(QMenu* menu, const TracingEvent& event) {
    if (menu)
        menu->popup(event.globalPosition);
}

void WandrelTracingView::keyDown(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        deleteCurrentPoint();
        break;
    case Qt::Key_Escape:
        // Unlike a double click, the last point keeps its kind.
        finished = true;
        resetCursorRects();
        update();
        break;
    default:
        nudgeKey(event);
        break;
    }
}

MyPoint* WandrelTracingView::pointHitTest(const TracingEvent& event) {
    mouseX = event.x();
    mouseY = event.y();
    beingDragged = pointDataSource->getNearestPointToX(mouseX, mouseY);
    return beingDragged;
}

// Inside the polygon that the route closes, under the non-zero winding
// rule; two points or fewer enclose nothing.
bool WandrelTracingView::routeHitTest(const TracingEvent& event) const {
    if (pointDataSource->count() < 3)
        return false;
    QPainterPath path;
    bool started = false;
    for (int64_t i = 0; i < pointDataSource->count(); ++i) {
        const MyPoint* p = pointDataSource->getnthItem(i);
        if (!p)
            continue;
        const QPointF at(p->getX(), p->getY());
        if (started)
            path.lineTo(at);
        else
            path.moveTo(at);
        started = true;
    }
    path.closeSubpath();
    path.setFillRule(Qt::WindingFill);
    return path.contains(event.location);
}
