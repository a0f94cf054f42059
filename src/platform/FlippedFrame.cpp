#include "platform/FlippedFrame.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// Frames are whole pixels; anything beyond what a widget can hold is clamped
// rather than overflowing the conversion.
int toPixel(double v) {
    return static_cast<int>(
        std::lround(std::clamp(v, -double(QWIDGETSIZE_MAX), double(QWIDGETSIZE_MAX))));
}

double parentHeight(const QWidget& child) {
    return child.parentWidget() ? child.parentWidget()->height() : 0;
}

} // namespace

QRectF FlippedFrame::frame(const QWidget& child) {
    const QRect g = child.geometry();
    return QRectF(g.x(), parentHeight(child) - (g.y() + g.height()), g.width(), g.height());
}

void FlippedFrame::setOrigin(QWidget& child, QPointF origin) {
    child.move(toPixel(origin.x()), toPixel(parentHeight(child) - origin.y() - child.height()));
}

void FlippedFrame::setSize(QWidget& child, QSizeF size) {
    const QRectF before = frame(child);
    const int w = toPixel(std::ceil(std::max(0.0, size.width())));
    const int h = toPixel(std::ceil(std::max(0.0, size.height())));
    child.setGeometry(toPixel(before.x()), toPixel(parentHeight(child) - before.y() - h), w, h);
}
