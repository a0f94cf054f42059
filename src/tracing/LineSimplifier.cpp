#include "tracing/LineSimplifier.h"

#include <cmath>

namespace {

double cross(QPointF a, QPointF b) {
    return a.x() * b.y() - a.y() * b.x();
}

// `unit` turned by the angle whose sine is `s` and cosine `c`.
QPointF turned(QPointF unit, double s, double c) {
    return {unit.x() * c - unit.y() * s, unit.x() * s + unit.y() * c};
}

// std::hypot guards against overflow at several times the cost; only
// coordinates near the limits of a double need it.
double length(QPointF v) {
    const double squared = v.x() * v.x() + v.y() * v.y();
    return std::isfinite(squared) ? std::sqrt(squared) : std::hypot(v.x(), v.y());
}

} // namespace

void LineSimplifier::add(QPointF device, int64_t index) {
    if (lastIndex < 0) {
        startFrom(device, index);
        return;
    }
    QPointF offset = device - anchor;
    double distance = length(offset);
    if (distance > tolerance && haveWedge && !fits(offset, distance)) {
        // The line turned: the point before this one becomes a vertex.
        startFrom(lastPoint, lastIndex);
        offset = device - anchor;
        distance = length(offset);
    }
    if (distance > tolerance)
        narrowTo(offset, distance);
    lastPoint = device;
    lastIndex = index;
}

std::vector<int64_t> LineSimplifier::finish() {
    if (lastIndex >= 0 && (kept.empty() || kept.back() != lastIndex))
        kept.push_back(lastIndex);
    lastIndex = -1;
    haveWedge = false;
    return std::move(kept);
}

void LineSimplifier::startFrom(QPointF device, int64_t index) {
    kept.push_back(index);
    anchor = device;
    haveWedge = false;
    reach = 0;
    lastPoint = device;
    lastIndex = index;
}

// Inside the wedge, and not doubling back past the points passed over.
bool LineSimplifier::fits(QPointF offset, double distance) const {
    return cross(lowSide, offset) >= 0 && cross(offset, highSide) >= 0 &&
           distance >= reach - sideways();
}

void LineSimplifier::narrowTo(QPointF offset, double distance) {
    const QPointF unit = offset / distance;
    const double s = sideways() / distance;
    const double c = std::sqrt(1 - s * s);
    const QPointF low = turned(unit, -s, c);
    const QPointF high = turned(unit, s, c);
    if (!haveWedge) {
        lowSide = low;
        highSide = high;
        haveWedge = true;
    } else {
        if (cross(lowSide, low) > 0)
            lowSide = low;
        if (cross(high, highSide) > 0)
            highSide = high;
    }
    reach = std::max(reach, distance);
}
