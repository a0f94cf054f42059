// The view's cursors and the rectangles that show them.
#include "tracing/TracingViewClient.h"
#include "tracing/WandrelTracingView.h"

#include "platform/Resources.h"
#include "scale/SwinginSlider.h"

#include <QCursor>
#include <QPixmap>
#include <QRegion>

namespace {

struct CursorImage {
    const char* name;
    int hotX;
    int hotY;
};

// Indexed by CursorKind.
constexpr CursorImage cursorImages[] = {
    {"xyzCursor", 0, 0},    {"WayPointCursor", 0, 0}, {"pinCursor", 15, 15},
    {"circleCursor", 8, 8}, {"moveCursor", 8, 8},
};

} // namespace

// A missing image borrows the nearest one before it, so one lost file does
// not leave a blank cursor; with none before it, the arrow.
const QCursor& WandrelTracingView::cursorFor(CursorKind kind) const {
    std::optional<QCursor>& made = cursors[kind];
    if (made)
        return *made;
    for (int k = kind; k >= 0 && !made; --k) {
        const QImage image =
            Resources::image(QString::fromLatin1(cursorImages[k].name), QStringLiteral("tif"));
        if (!image.isNull())
            made.emplace(QPixmap::fromImage(image), cursorImages[kind].hotX,
                         cursorImages[kind].hotY);
    }
    if (!made)
        made.emplace(Qt::ArrowCursor);
    return *made;
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
        cursorRects.add(visible, cursorFor(XyzCursor));
        break;
    case Waypoint:
        cursorRects.add(visible, cursorFor(WaypointCursor));
        break;
    case Image:
        cursorRects.add(visible, cursorFor(PinCursor));
        break;
    case Circle:
        cursorRects.add(visible, cursorFor(CircleCursor));
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
            cursorRects.add(QRectF(r.x, r.y, r.width, r.height), cursorFor(MoveCursor));
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
