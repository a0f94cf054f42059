#include "PerPointCounters.h"
#include "RouteFixture.h"

#include "model/PointDataSource.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

std::unique_ptr<PointDataSource> routeOf(int64_t points) {
    auto route = std::make_unique<PointDataSource>();
    for (const auto& [x, y] : RouteFixture::forSize(points).coordinates())
        route->add(x, y);
    return route;
}

// An interval that puts `markers` markers on the route.
float intervalFor(const PointDataSource& route, int64_t markers) {
    return route.totalDistance() / (static_cast<float>(markers) + 0.5f);
}

int64_t markersOn(const PointDataSource& route) {
    int64_t n = 0;
    for (int64_t i = 0; i < route.count(); ++i)
        n += route.getnthItem(i)->isDistanceMarker() ? 1 : 0;
    return n;
}

// One marker for every ten points. Each placing also takes away the markers
// of the one before, as it does for the user.
void BM_addMarkersAt(benchmark::State& state) {
    const int64_t points = state.range(0);
    const auto route = routeOf(points);
    const float interval = intervalFor(*route, points / 10);
    for (auto _ : state)
        route->addMarkersAt(interval, "m", 1);
    state.counters["markers"] = static_cast<double>(markersOn(*route));
    reportPerPoint(state, points);
}

// Half of the route's points are markers; only their removal is timed.
void BM_removeDistanceMarkers(benchmark::State& state) {
    const int64_t points = state.range(0);
    const auto route = routeOf(points / 2);
    const float interval = intervalFor(*route, points / 2);
    int64_t removed = 0;
    for (auto _ : state) {
        route->addMarkersAt(interval, "m", 1);
        removed = markersOn(*route);
        const auto start = std::chrono::steady_clock::now();
        route->removeDistanceMarkers();
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
    state.counters["markers"] = static_cast<double>(removed);
    reportPerPoint(state, points / 2 + removed);
}

} // namespace

BENCHMARK(BM_addMarkersAt)->Arg(1000)->Arg(100000);
BENCHMARK(BM_removeDistanceMarkers)->Arg(1000)->Arg(100000)->UseManualTime();
