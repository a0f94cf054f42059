#pragma once

#include "model/MyPoint.h"

#include <span>
#include <vector>

// Where the markers go on a route: one at every multiple of an interval,
// measured along the route from its first point through every vertex. The
// route is walked a stretch at a time, so that the walk can go along with
// another pass over the route.
class DistanceMarkers {
public:
    // A marker to go in front of the point at `before` in its stretch.
    struct Marker {
        size_t before;
        MyPoint point;
    };

    // The interval is in pixels. One that is not a finite number above 0
    // places no marker.
    explicit DistanceMarkers(float interval);

    // Walks the next stretch of a route that holds no markers and appends
    // the markers on the segments that end in it, in route order. Points
    // keep no names, so no marker is given one.
    void walk(std::span<MyPoint* const> stretch, std::vector<Marker>& markers);

private:
    void walkPart(std::span<MyPoint* const> part, size_t offset, std::vector<Marker>& markers);
    bool markSegment(const MyPoint& from, const MyPoint& to, size_t before, float& d,
                     std::vector<Marker>& markers);

    float interval;
    float carried = 0;
    bool stopped;
    bool started = false;
    MyPoint last; // the point before the next stretch
};
