#pragma once

#include "model/MyPoint.h"
#include "model/rtDataSource.h"

#include <memory>
#include <span>
#include <string>
#include <vector>

// Where the markers go on a route: one at every multiple of an interval,
// measured along the route from its first point through every vertex.
class DistanceMarkers {
public:
    using Insertion = rtDataSource<MyPoint>::Insertion;

    // The interval is in pixels; each marker stands for a multiple of
    // `numberOfUnits` of `units`.
    DistanceMarkers(float interval, std::string units, float numberOfUnits);

    // The markers for a route that holds none, each placed in front of a
    // route index, in route order. An interval that is not a finite number
    // above 0 places none.
    std::vector<Insertion> along(std::span<MyPoint* const> route) const;

private:
    std::unique_ptr<MyPoint> markerBetween(const MyPoint& a, const MyPoint& b, float t,
                                           int64_t k) const;

    float interval;
    std::string units;
    float numberOfUnits;
};
