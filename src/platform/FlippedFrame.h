#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

class QWidget;

// A child widget's frame in its parent's y-up coordinates: the rectangle's
// "top-left" is its bottom-left corner, measured from the parent's bottom.
class FlippedFrame {
public:
    static QRectF frame(const QWidget& child);
    static void setOrigin(QWidget& child, QPointF origin);
    // The bottom edge stays put, as it does in y-up coordinates.
    static void setSize(QWidget& child, QSizeF size);
};
