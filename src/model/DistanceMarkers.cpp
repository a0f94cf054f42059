#include "model/DistanceMarkers.h"

#include "model/PointDataSource.h"

#include <charconv>
#include <cmath>

namespace {

bool samePlace(const MyPoint& a, const MyPoint& b) {
    return a.getX() == b.getX() && a.getY() == b.getY();
}

// printf's "%g" in any locale.
std::string general(float value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, static_cast<double>(value),
                                       std::chars_format::general, 6);
    return written.ec == std::errc() ? std::string(text, written.ptr) : std::string();
}

} // namespace

DistanceMarkers::DistanceMarkers(float i, std::string u, float n)
    : interval(i), units(std::move(u)), numberOfUnits(n) {}

// A marker goes where the length walked since the last marker (or the start)
// first exceeds the interval; the rest of that segment is then walked again
// from the marker. A multiple that lands exactly on a vertex is therefore
// placed at the start of the next segment, just after the vertex.
std::vector<DistanceMarkers::Insertion>
DistanceMarkers::along(std::span<MyPoint* const> route) const {
    std::vector<Insertion> markers;
    if (!std::isfinite(interval) || interval <= 0)
        return markers;
    float carried = 0;
    const MyPoint* a = route.empty() ? nullptr : route.front();
    for (size_t b = 1; b < route.size();) {
        const float d = PointDataSource::distanceBetweenThisPoint(*a, *route[b]);
        if (d + carried > interval && d != 0) {
            const float t = (interval - carried) / d;
            auto marker = markerBetween(*a, *route[b], t, static_cast<int64_t>(markers.size()) + 1);
            // Beyond the coordinates' precision a marker can land on the one
            // before it, and every later one would too.
            if (carried == 0 && samePlace(*marker, *a))
                break;
            a = marker.get();
            markers.push_back({b, std::move(marker)});
            carried = 0;
        } else {
            carried = carried + d;
            a = route[b++];
        }
    }
    return markers;
}

std::unique_ptr<MyPoint> DistanceMarkers::markerBetween(const MyPoint& a, const MyPoint& b, float t,
                                                        int64_t k) const {
    auto marker = PointDataSource::newPointBetweenThisPoint(a, b, t);
    marker->setDistanceMarker();
    marker->setPointName(general(static_cast<float>(k) * numberOfUnits) + " " + units);
    return marker;
}
