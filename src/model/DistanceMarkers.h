#pragma once

#include "model/MyPoint.h"
#include "model/rtInsertion.h"

#include <span>
#include <vector>

// Where the markers go on a route: one at every multiple of an interval,
// measured along the route from its first point through every vertex.
class DistanceMarkers {
public:
    // A marker by value, for the route's storage to copy in place.
    using Insertion = rtInsertion<MyPoint>;

    // The interval is in pixels.
    explicit DistanceMarkers(float interval) : interval(interval) {}

    // The markers for a route that holds none, each placed in front of a
    // route index, in route order. An interval that is not a finite number
    // above 0 places none. Points keep no names, so no marker is given one.
    std::vector<Insertion> along(std::span<MyPoint* const> route) const;

private:
    bool markSegment(std::span<MyPoint* const> route, size_t b, float& carried, float& d,
                     std::vector<Insertion>& markers) const;

    float interval;
};
