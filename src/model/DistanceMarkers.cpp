#include "model/DistanceMarkers.h"

#include "model/PointDataSource.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

bool samePlace(const MyPoint& a, const MyPoint& b) {
    return a.getX() == b.getX() && a.getY() == b.getY();
}

// Segments measured ahead of the walk, a stretch at a time: measuring does
// not wait on the walk's decisions, so the walk's only unforeseeable branch,
// a marker's, no longer holds up the square roots behind it.
constexpr size_t stretch = 256;

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
    std::array<float, stretch> lengths;
    for (size_t from = 1; from < route.size(); from += stretch) {
        const size_t to = std::min(route.size(), from + stretch);
        for (size_t b = from; b < to; ++b)
            lengths[b - from] = PointDataSource::distanceBetweenThisPoint(*route[b - 1], *route[b]);
        for (size_t b = from; b < to; ++b) {
            float d = lengths[b - from];
            if (d + carried > interval && d != 0 && !markSegment(route, b, carried, d, markers))
                return markers;
            carried = carried + d;
        }
    }
    return markers;
}

// Places the markers on the segment ending at route[b], whose length from
// the walk's last place is `d`, and leaves in `d` what remains after the
// last of them. False when a marker could not advance.
bool DistanceMarkers::markSegment(std::span<MyPoint* const> route, size_t b, float& carried,
                                  float& d, std::vector<Insertion>& markers) const {
    MyPoint marker;
    const MyPoint* a = route[b - 1];
    while (d + carried > interval && d != 0) {
        const float t = (interval - carried) / d;
        const MyPoint next = PointDataSource::pointBetween(*a, *route[b], t);
        // Beyond the coordinates' precision a marker can land on the one
        // before it, and every later one would too.
        if (carried == 0 && samePlace(next, *a))
            return false;
        marker = next;
        marker.setDistanceMarker();
        markers.push_back({b, marker});
        a = &marker;
        carried = 0;
        d = PointDataSource::distanceBetweenThisPoint(*a, *route[b]);
    }
    return true;
}
