#pragma once

#include "model/PointDataSource.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// A deterministic wiggly route of a given size, built once per size and kept
// for the whole run, with the same coordinates as plain pairs for the
// reference libraries.
class RouteFixture {
public:
    // Routes carry few waypoints; this many, evenly spread, first and last
    // included.
    static constexpr int32_t waypointCount = 10;

    static RouteFixture& forSize(int64_t points);
    explicit RouteFixture(int64_t size);

    PointDataSource& route() { return *points; }
    // Another route with the same points and waypoints, for benchmarks that
    // move points and must leave the shared one as it was.
    std::unique_ptr<PointDataSource> copyOfRoute() const;
    const std::vector<std::pair<float, float>>& coordinates() const { return xys; }
    int64_t size() const { return static_cast<int64_t>(xys.size()); }

private:
    std::unique_ptr<PointDataSource> points;
    std::vector<std::pair<float, float>> xys;
};
