#include "PerPointCounters.h"
#include "RouteFixture.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

// Every point is measured whatever the pointer; near the last point the
// answer also changes as late as possible.
void BM_getNearestPointToX(benchmark::State& state) {
    RouteFixture& fixture = RouteFixture::forSize(state.range(0));
    const PointDataSource& route = fixture.route();
    float x = route.getLastPoint()->getX() + 1;
    float y = route.getLastPoint()->getY() + 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(route.getNearestPointToX(x, y));
    }
    reportPerPoint(state, fixture.size());
}

// A click in the middle of the route's middle segment. Only the insertion is
// timed; taking the point out again keeps the route the same size.
void BM_insertPointatX(benchmark::State& state) {
    RouteFixture& fixture = RouteFixture::forSize(state.range(0));
    PointDataSource& route = fixture.route();
    const int64_t middle = fixture.size() / 2;
    const MyPoint& a = *route.getnthItem(middle - 1);
    const MyPoint& b = *route.getnthItem(middle);
    const float x = (a.getX() + b.getX()) / 2;
    const float y = (a.getY() + b.getY()) / 2;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        MyPoint* inserted = route.insertPointatX(x, y);
        benchmark::DoNotOptimize(inserted);
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
        if (!inserted) {
            state.SkipWithError("the click hit no segment");
            break;
        }
        route.deleteItem(inserted);
    }
    reportPerPoint(state, fixture.size());
}

// Each leg finds both of its waypoints by walking from the start, so one
// sweep over the legs costs several walks of the route; per_point is the
// sweep's time over the route's points.
void BM_distanceBetweennthWaypoint(benchmark::State& state) {
    RouteFixture& fixture = RouteFixture::forSize(state.range(0));
    const PointDataSource& route = fixture.route();
    for (auto _ : state) {
        float legs = 0;
        for (int32_t k = 0; k + 1 < RouteFixture::waypointCount; ++k)
            legs += route.distanceBetweennthWaypoint(k, k + 1);
        benchmark::DoNotOptimize(legs);
    }
    reportPerPoint(state, fixture.size());
}

// Likewise one sweep asks for every waypoint once.
void BM_pointNumberForWaypoint(benchmark::State& state) {
    RouteFixture& fixture = RouteFixture::forSize(state.range(0));
    const PointDataSource& route = fixture.route();
    for (auto _ : state)
        for (int32_t k = 0; k < RouteFixture::waypointCount; ++k)
            benchmark::DoNotOptimize(route.pointNumberForWaypoint(k));
    reportPerPoint(state, fixture.size());
}

} // namespace

BENCHMARK(BM_getNearestPointToX)->Arg(1000)->Arg(100000);
BENCHMARK(BM_insertPointatX)->Arg(1000)->Arg(100000)->UseManualTime();
BENCHMARK(BM_distanceBetweennthWaypoint)->Arg(1000)->Arg(100000);
BENCHMARK(BM_pointNumberForWaypoint)->Arg(1000)->Arg(100000);
