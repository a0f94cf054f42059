#include "PerPointCounters.h"
#include "RouteFixture.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <utility>

namespace {

// Where a click inserts a point: halfway along the route's middle segment.
std::pair<float, float> middleOfMiddleSegment(RouteFixture& fixture) {
    const int64_t middle = fixture.size() / 2;
    const MyPoint& a = *fixture.route().getnthItem(middle - 1);
    const MyPoint& b = *fixture.route().getnthItem(middle);
    return {(a.getX() + b.getX()) / 2, (a.getY() + b.getY()) / 2};
}

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
    const auto [x, y] = middleOfMiddleSegment(fixture);
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

// The mirror of BM_insertPointatX: a point is put in the middle untimed, and
// only its removal is timed.
void BM_deleteItem(benchmark::State& state) {
    RouteFixture& fixture = RouteFixture::forSize(state.range(0));
    PointDataSource& route = fixture.route();
    const auto [x, y] = middleOfMiddleSegment(fixture);
    for (auto _ : state) {
        MyPoint* inserted = route.insertPointatX(x, y);
        if (!inserted) {
            state.SkipWithError("the click hit no segment");
            break;
        }
        const auto start = std::chrono::steady_clock::now();
        route.deleteItem(inserted);
        const auto stop = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
    }
    reportPerPoint(state, fixture.size());
}

void BM_getnthWaypoint(benchmark::State& state) {
    RouteFixture& fixture = RouteFixture::forSize(state.range(0));
    const PointDataSource& route = fixture.route();
    for (auto _ : state)
        for (int32_t k = 0; k < RouteFixture::waypointCount; ++k)
            benchmark::DoNotOptimize(route.getnthWaypoint(k));
    reportPerPoint(state, fixture.size());
}

void BM_WaypointCount(benchmark::State& state) {
    RouteFixture& fixture = RouteFixture::forSize(state.range(0));
    const PointDataSource& route = fixture.route();
    for (auto _ : state)
        benchmark::DoNotOptimize(route.WaypointCount());
    reportPerPoint(state, fixture.size());
}

// The last point is found after every other; start and next look alike.
void BM_isPointFinishPoint(benchmark::State& state) {
    RouteFixture& fixture = RouteFixture::forSize(state.range(0));
    const PointDataSource& route = fixture.route();
    const MyPoint* last = route.getLastPoint();
    for (auto _ : state)
        benchmark::DoNotOptimize(route.isPointFinishPoint(last));
    reportPerPoint(state, fixture.size());
}

// Minimum x and y and the width: getWidth walks twice, so four walks.
void BM_bounds(benchmark::State& state) {
    RouteFixture& fixture = RouteFixture::forSize(state.range(0));
    const PointDataSource& route = fixture.route();
    for (auto _ : state) {
        benchmark::DoNotOptimize(route.getMinX());
        benchmark::DoNotOptimize(route.getMinY());
        benchmark::DoNotOptimize(route.getWidth());
    }
    reportPerPoint(state, fixture.size());
}

// Moving and scaling change the points, so they work on a copy; scaling by 2
// and by 1/2 in turn leaves every coordinate exactly where it was.
void BM_applyTransformX(benchmark::State& state) {
    const auto route = RouteFixture::forSize(state.range(0)).copyOfRoute();
    float d = 1;
    for (auto _ : state) {
        route->applyTransformX(d, d);
        d = -d;
    }
    reportPerPoint(state, route->count());
}

void BM_applyScale(benchmark::State& state) {
    const auto route = RouteFixture::forSize(state.range(0)).copyOfRoute();
    float s = 2;
    for (auto _ : state) {
        route->applyScale(s);
        s = 1 / s;
    }
    reportPerPoint(state, route->count());
}

// A route traced point by point and cleared to start over, again and again.
void BM_traceAndClear(benchmark::State& state) {
    const RouteFixture& fixture = RouteFixture::forSize(state.range(0));
    PointDataSource route;
    for (auto _ : state) {
        for (const auto& [x, y] : fixture.coordinates())
            route.add(x, y);
        route.clear();
    }
    reportPerPoint(state, fixture.size());
}

} // namespace

BENCHMARK(BM_getNearestPointToX)->Arg(1000)->Arg(100000);
BENCHMARK(BM_insertPointatX)->Arg(1000)->Arg(100000)->UseManualTime();
BENCHMARK(BM_deleteItem)->Arg(1000)->Arg(100000)->UseManualTime();
BENCHMARK(BM_distanceBetweennthWaypoint)->Arg(1000)->Arg(100000);
BENCHMARK(BM_pointNumberForWaypoint)->Arg(1000)->Arg(100000);
BENCHMARK(BM_getnthWaypoint)->Arg(1000)->Arg(100000);
BENCHMARK(BM_WaypointCount)->Arg(1000)->Arg(100000);
BENCHMARK(BM_isPointFinishPoint)->Arg(1000)->Arg(100000);
BENCHMARK(BM_bounds)->Arg(1000)->Arg(100000);
BENCHMARK(BM_applyTransformX)->Arg(1000)->Arg(100000);
BENCHMARK(BM_applyScale)->Arg(1000)->Arg(100000);
BENCHMARK(BM_traceAndClear)->Arg(1000)->Arg(100000);
