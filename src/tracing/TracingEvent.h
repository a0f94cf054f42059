#pragma once

#include <QPoint>
#include <QPointF>

// A pointer event as the tracing view and its controller see it. Handlers
// and the controller's drag routing pass it along unchanged.
struct TracingEvent {
    // In the view's coordinates (origin bottom-left, y up), unrounded.
    QPointF location;
    // Movement since the previous event of the same press, y growing
    // downwards as the toolkit reports it.
    QPointF delta;
    // Screen position, where a context menu pops up.
    QPoint globalPosition;
    Qt::KeyboardModifiers modifiers;
    int clickCount = 1;

    // Positions are kept as single-precision pixels.
    float x() const { return static_cast<float>(location.x()); }
    float y() const { return static_cast<float>(location.y()); }
};
