#include "model/DistanceMarkers.h"

#include "model/PointDataSource.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

bool samePlace(const MyPoint& a, const MyPoint& b) {
    return a.getX() == b.getX() && a.getY() == b.getY();
}

// Segments measured ahead of the walk, a part at a time: measuring does not
// wait on the walk's decisions, so the walk's only unforeseeable branch, a
// marker's, no longer holds up the square roots behind it.
constexpr size_t partLength = 256;

} // namespace

DistanceMarkers::DistanceMarkers(float interval)
    : interval(interval), stopped(!std::isfinite(interval) || interval <= 0) {}

void DistanceMarkers::walk(std::span<MyPoint* const> stretch, std::vector<Marker>& markers) {
    for (size_t from = 0; from < stretch.size() && !stopped; from += partLength)
        walkPart(stretch.subspan(from, std::min(partLength, stretch.size() - from)), from, markers);
}

// A marker goes where the length walked since the last marker (or the start)
// first exceeds the interval; the rest of that segment is then walked again
// from the marker. A multiple that lands exactly on a vertex is therefore
// placed at the start of the next segment, just after the vertex.
// `offset`: where the part starts in its stretch.
void DistanceMarkers::walkPart(std::span<MyPoint* const> part, size_t offset,
                               std::vector<Marker>& markers) {
    size_t start = 0;
    if (!started) {
        started = true;
        last = *part[0];
        start = 1;
    }
    const auto before = [&](size_t b) -> const MyPoint& { return b == 0 ? last : *part[b - 1]; };
    std::array<float, partLength> lengths;
    for (size_t b = start; b < part.size(); ++b)
        lengths[b] = PointDataSource::distanceBetweenThisPoint(before(b), *part[b]);
    for (size_t b = start; b < part.size(); ++b) {
        float d = lengths[b];
        if (d + carried > interval && d != 0 &&
            !markSegment(before(b), *part[b], offset + b, d, markers)) {
            stopped = true;
            return;
        }
        carried = carried + d;
    }
    last = *part.back();
}

// Places the markers on the segment from `from` to `to`, whose length from
// the walk's last place is `d`, and leaves in `d` what remains after the
// last of them. False when a marker could not advance.
bool DistanceMarkers::markSegment(const MyPoint& from, const MyPoint& to, size_t before, float& d,
                                  std::vector<Marker>& markers) {
    MyPoint marker;
    const MyPoint* a = &from;
    while (d + carried > interval && d != 0) {
        const float t = (interval - carried) / d;
        const MyPoint next = PointDataSource::pointBetween(*a, to, t);
        // Beyond the coordinates' precision a marker can land on the one
        // before it, and every later one would too.
        if (carried == 0 && samePlace(next, *a))
            return false;
        marker = next;
        marker.setDistanceMarker();
        markers.push_back({before, marker});
        a = &marker;
        carried = 0;
        d = PointDataSource::distanceBetweenThisPoint(*a, to);
    }
    return true;
}
