// Editing a finished route from the keyboard: arrows nudge the selected
// point, Tab walks the points, and the selection is described for screen
// readers.
#include "tracing/WandrelTracingView.h"

#include "tracing/TracingViewClient.h"

#include <QCoreApplication>
#include <QKeyEvent>

bool WandrelTracingView::isKeyboardEditing() const {
    return finished && isShowingPoints() && pointDataSource->count() > 0;
}

bool WandrelTracingView::nudgeKey(const QKeyEvent& event) {
    const float step = event.modifiers().testFlag(Qt::ShiftModifier) ? 10.0f : 1.0f;
    switch (event.key()) {
    case Qt::Key_Left:
        return nudgeCurrentPoint(-step, 0);
    case Qt::Key_Right:
        return nudgeCurrentPoint(step, 0);
    // View coordinates grow upwards.
    case Qt::Key_Up:
        return nudgeCurrentPoint(0, step);
    case Qt::Key_Down:
        return nudgeCurrentPoint(0, -step);
    default:
        return false;
    }
}

bool WandrelTracingView::nudgeCurrentPoint(float dx, float dy) {
    if (!isKeyboardEditing() || !currentPoint)
        return false;
    currentPoint->setX(currentPoint->getX() + dx);
    currentPoint->setY(currentPoint->getY() + dy);
    touch();
    if (fatController) {
        fatController->setChangesMade(true);
        fatController->displayAnswer();
    }
    resetCursorRects();
    update();
    return true;
}

bool WandrelTracingView::selectAdjacentPoint(bool next) {
    if (!isKeyboardEditing())
        return false;
    const int64_t count = pointDataSource->count();
    int64_t index = currentPoint ? pointDataSource->indexOf(currentPoint) : -1;
    if (index < 0)
        index = next ? 0 : count - 1;
    else
        index += next ? 1 : -1;
    // Past either end the focus moves on, so the keyboard is never trapped.
    if (index < 0 || index >= count)
        return false;
    currentPoint = pointDataSource->getnthItem(index);
    touch();
    describeSelection();
    update();
    return true;
}

bool WandrelTracingView::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const bool tab = key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
        if (tab && !key.modifiers().testFlag(Qt::ControlModifier) &&
            selectAdjacentPoint(key.key() == Qt::Key_Tab &&
                                !key.modifiers().testFlag(Qt::ShiftModifier))) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

QString WandrelTracingView::selectionDescription() const {
    if (!currentPoint)
        return {};
    const int64_t index = pointDataSource->indexOf(currentPoint);
    if (index < 0)
        return {};
    const QString number = QString::number(index + 1);
    const QString count = QString::number(pointDataSource->count());
    if (currentPoint->isWaypoint())
        return QCoreApplication::translate("Wandrel", "Point %1 of %2, waypoint")
            .arg(number, count);
    if (currentPoint->isDistanceMarker())
        return QCoreApplication::translate("Wandrel", "Point %1 of %2, distance marker")
            .arg(number, count);
    return QCoreApplication::translate("Wandrel", "Point %1 of %2").arg(number, count);
}

// Only a change is announced: a screen reader repeats every new description.
void WandrelTracingView::describeSelection() {
    const QString description = selectionDescription();
    if (description != accessibleDescription())
        setAccessibleDescription(description);
}
