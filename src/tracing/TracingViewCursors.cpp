// The view's cursors and the rectangles that show them.
#include "tracing/TracingViewClient.h"
#include "tracing/WandrelTracingView.h"

#include "platform/Resources.h"
#include "scale/SwinginSlider.h"

#include <QCursor>
#include <QPixmap>
#include <QRegion>

namespace {

// The view's cursors are made in this order. A missing image borrows the
// one made before it, so one lost file does not leave a blank cursor.
struct CursorImage {
    QCursor WandrelTracingView::*field;
    const char* name;
    int hotX;
    int hotY;
};

} // namespace

void WandrelTracingView::makeCursors() {
    const CursorImage cursorImages[] = {
        {&WandrelTracingView::xyzCursor, "xyzCursor", 0, 0},
        {&WandrelTracingView::waypointCursor, "WayPointCursor", 0, 0},
        {&WandrelTracingView::pinCursor, "pinCursor", 15, 15},
        {&WandrelTracingView::circleCursor, "circleCursor", 8, 8},
        {&WandrelTracingView::moveCursor, "moveCursor", 8, 8},
    };
    QImage image;
    for (const CursorImage& c : cursorImages) {
        const QImage found = Resources::image(QString::fromLatin1(c.name), QStringLiteral("tif"));
        if (!found.isNull())
            image = found;
        // Before any image is found there is nothing to borrow: the arrow.
        this->*c.field = image.isNull() ? QCursor(Qt::ArrowCursor)
                                        : QCursor(QPixmap::fromImage(image), c.hotX, c.hotY);
    }
}

// The part of the view its window shows, y up.
QRectF WandrelTracingView::visibleRect() const {
    const QRect shown = isVisible() ? visibleRegion().boundingRect() : rect();
    return QRectF(shown.x(), height() - (shown.y() + shown.height()), shown.width(),
                  shown.height());
}

void WandrelTracingView::addPlacingCursorRect(const QRectF& visible) {
    switch (placingState) {
    case SpeechBubble:
        cursorRects.add(visible, xyzCursor);
        break;
    case Waypoint:
        cursorRects.add(visible, waypointCursor);
        break;
    case Image:
        cursorRects.add(visible, pinCursor);
        break;
    case Circle:
        cursorRects.add(visible, circleCursor);
        break;
    default:
        break;
    }
}

// Later rectangles win where they overlap: whole view first, then the point
// squares, the scale bar and the corner square.
void WandrelTracingView::resetCursorRects() {
    cursorRects.clear();
    const auto addPointSquares = [this] {
        for (int64_t i = 0; i < pointDataSource->count(); ++i) {
            const Rect r = pointDataSource->getCursorRectForPoint(static_cast<int32_t>(i));
            cursorRects.add(QRectF(r.x, r.y, r.width, r.height), moveCursor);
        }
    };
    if (!fatController) {
        if (isShowingPoints())
            addPointSquares();
        followPointer();
        return;
    }
    const QRectF visible = visibleRect();
    addPlacingCursorRect(visible);
    if (placingState == Tracing && fatController->allTracingViewsFinished()) {
        cursorRects.add(visible, QCursor(Qt::ArrowCursor));
        if (isShowingPoints())
            addPointSquares();
        else
            cursorRects.add(visible, QCursor(Qt::OpenHandCursor));
    } else if (placingState == Tracing) {
        cursorRects.add(visible, QCursor(Qt::CrossCursor));
    }
    const SwinginSlider* bar = fatController->getScaleSlider();
    if (bar && !bar->isHidden())
        cursorRects.add(bar->frame(), QCursor(Qt::ArrowCursor));
    cursorRects.add(QRectF(x() + width() - 10, 0, 10, 10), QCursor(Qt::ArrowCursor));
    followPointer();
}

// The pointer may already be over a rectangle that just changed.
void WandrelTracingView::followPointer() {
    if (underMouse())
        setCursor(cursorRects.cursorAt(toView(mapFromGlobal(QCursor::pos()).toPointF())));
}
