#pragma once

#include <QPointF>

#include <cstdint>
#include <vector>

// Thins a polyline, fed point by point in device pixels, to the vertices a
// screen can show. A point is dropped when it lies within the tolerance of
// the straight line from the last kept point to a later one, so runs inside
// one pixel merge and every turn wider than the tolerance stays. One pass,
// constant work per point.
class LineSimplifier {
public:
    explicit LineSimplifier(double tolerance) : tolerance(tolerance) {}

    // Offers the point with the caller's index for it.
    void add(QPointF device, int64_t index);
    // The indices kept, in order; the first and last offered always.
    std::vector<int64_t> finish();

private:
    void startFrom(QPointF device, int64_t index);
    bool fits(QPointF offset, double distance) const;
    void narrowTo(QPointF offset, double distance);
    // A point passed over may lie this far beside the line and this far
    // past its end, and so within the tolerance of the segment kept.
    double sideways() const { return tolerance * 0.70710678; }

    double tolerance;
    std::vector<int64_t> kept;
    QPointF anchor;
    // The directions from the anchor that keep every point passed over
    // within the tolerance, as two unit vectors, and the farthest reach.
    bool haveWedge = false;
    QPointF lowSide, highSide;
    double reach = 0;
    QPointF lastPoint;
    int64_t lastIndex = -1;
};
