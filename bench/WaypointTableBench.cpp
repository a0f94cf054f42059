#include "inspector/WaypointTableModel.h"
#include "model/PointDataSource.h"
#include "model/RouteOwner.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <memory>
#include <utility>

// The inspector's leg table on a 100,000-point route with 100 or 1,000
// waypoints: a full reload with every cell asked for, and the journal. The
// per_cell figure must not grow with the number of waypoints.

namespace {

constexpr int64_t routePoints = 100'000;

struct Scale : RouteOwner {
    float convertUsingScale(float pixels) override { return pixels / 200; }
};

// A wiggly walk with `waypoints` evenly spread waypoints, first and last
// included; built once per size.
PointDataSource& routeWith(int64_t waypoints) {
    static Scale scale;
    static std::map<int64_t, std::unique_ptr<PointDataSource>> routes;
    auto& route = routes[waypoints];
    if (route)
        return *route;
    route = std::make_unique<PointDataSource>();
    route->setOwner(&scale);
    const int64_t every = (routePoints - 1) / (waypoints - 1);
    for (int64_t i = 0; i < routePoints; ++i) {
        const auto t = static_cast<float>(i);
        const bool waypoint = i % every == 0 && i / every < waypoints;
        route->add(t * 0.5f, 300 + 200 * std::sin(t / 40),
                   waypoint ? MyPoint::Waypoint : MyPoint::Regular);
    }
    return *route;
}

void reportPerCell(benchmark::State& state, int64_t cellsPerIteration) {
    const int64_t cells = cellsPerIteration * static_cast<int64_t>(state.iterations());
    state.SetItemsProcessed(cells);
    state.counters["per_cell"] = benchmark::Counter(
        static_cast<double>(cells), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_waypointTableReload(benchmark::State& state) {
    PointDataSource& route = routeWith(state.range(0));
    WaypointTableModel model;
    model.setDataSource(&route);
    int64_t cells = 0;
    for (auto _ : state) {
        model.reloadData();
        model.flush();
        cells = 0;
        for (int r = 0; r < model.rowCount(); ++r)
            for (int c = 0; c < model.columnCount(); ++c, ++cells)
                benchmark::DoNotOptimize(model.data(model.index(r, c)));
    }
    reportPerCell(state, cells);
}

void BM_waypointJournal(benchmark::State& state) {
    PointDataSource& route = routeWith(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(route.getDataAsHTML());
    reportPerCell(state, route.WaypointCount() * 4);
}

// For comparison: every cell measured on its own, as a single cell is.
void BM_waypointCellByCell(benchmark::State& state) {
    PointDataSource& route = routeWith(state.range(0));
    const int32_t rows = route.WaypointCount();
    for (auto _ : state)
        for (int32_t r = 0; r < rows; ++r)
            for (const char* column : {"1", "2", "3", "4"})
                benchmark::DoNotOptimize(route.objectValueForTableColumn(nullptr, column, r));
    reportPerCell(state, rows * 4);
}

} // namespace

BENCHMARK(BM_waypointTableReload)
    ->ArgName("waypoints")
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_waypointJournal)
    ->ArgName("waypoints")
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_waypointCellByCell)
    ->ArgName("waypoints")
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond);
