#include "PerPointCounters.h"

#include "inspector/WaypointTableModel.h"
#include "model/PointDataSource.h"
#include "model/RouteOwner.h"

#include <benchmark/benchmark.h>

#include <memory>

// What the window does with a route of a million points once it is loaded:
// the length and area it shows, and the inspector's leg table (11 waypoints)
// rebuilt with every cell read, as each change of figure asks for.

namespace {

constexpr int64_t routePoints = 1'000'000;

struct Scale : RouteOwner {
    float convertUsingScale(float pixels) override { return pixels / 100; }
};

// A serpentine: columns half a pixel apart, each 500 points one pixel apart;
// a waypoint every 100,000 points and at the end.
PointDataSource& serpentine() {
    static Scale scale;
    static std::unique_ptr<PointDataSource> route;
    if (route)
        return *route;
    route = std::make_unique<PointDataSource>();
    route->setOwner(&scale);
    for (int64_t i = 0; i < routePoints; ++i) {
        const int64_t k = i / 500;
        const int64_t j = i % 500;
        const bool waypoint = i % 100'000 == 0 || i + 1 == routePoints;
        route->add(100 + static_cast<float>(k) * 0.5f,
                   100 + static_cast<float>(k % 2 ? 499 - j : j),
                   waypoint ? MyPoint::Waypoint : MyPoint::Regular);
    }
    return *route;
}

void BM_millionPointFigures(benchmark::State& state) {
    const PointDataSource& route = serpentine();
    for (auto _ : state) {
        benchmark::DoNotOptimize(route.totalDistance());
        benchmark::DoNotOptimize(route.totalArea());
    }
    reportPerPoint(state, routePoints);
}
BENCHMARK(BM_millionPointFigures)->Unit(benchmark::kMillisecond);

void BM_millionPointLegTable(benchmark::State& state) {
    PointDataSource& route = serpentine();
    WaypointTableModel model;
    model.setDataSource(&route);
    for (auto _ : state) {
        model.reloadData();
        model.flush();
        for (int r = 0; r < model.rowCount(); ++r)
            for (int c = 0; c < model.columnCount(); ++c)
                benchmark::DoNotOptimize(model.data(model.index(r, c)));
    }
    reportPerPoint(state, routePoints);
}
BENCHMARK(BM_millionPointLegTable)->Unit(benchmark::kMillisecond);

} // namespace
