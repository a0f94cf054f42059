#include "model/DistanceMarkers.h"

#include "model/PointDataSource.h"

#include <cmath>

namespace {

bool samePlace(const MyPoint& a, const MyPoint& b) {
    return a.getX() == b.getX() && a.getY() == b.getY();
}

} // namespace

// A marker goes where the length walked since the last marker (or the start)
// first exceeds the interval; the rest of that segment is then walked again
// from the marker. A multiple that lands exactly on a vertex is therefore
// placed at the start of the next segment, just after the vertex.
std::vector<DistanceMarkers::Insertion>
DistanceMarkers::along(std::span<MyPoint* const> route) const {
    std::vector<Insertion> markers;
    if (!std::isfinite(interval) || interval <= 0 || route.size() < 2)
        return markers;
    float carried = 0;
    MyPoint marker;
    const MyPoint* a = route.front();
    for (size_t b = 1; b < route.size();) {
        const float d = PointDataSource::distanceBetweenThisPoint(*a, *route[b]);
        if (d + carried > interval && d != 0) {
            const float t = (interval - carried) / d;
            const MyPoint next = PointDataSource::pointBetween(*a, *route[b], t);
            // Beyond the coordinates' precision a marker can land on the one
            // before it, and every later one would too.
            if (carried == 0 && samePlace(next, *a))
                break;
            marker = next;
            marker.setDistanceMarker();
            markers.push_back({b, marker});
            a = &marker;
            carried = 0;
        } else {
            carried = carried + d;
            a = route[b++];
        }
    }
    return markers;
}
