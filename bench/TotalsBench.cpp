#include "PerPointCounters.h"
#include "RouteFixture.h"

#include <benchmark/benchmark.h>
#include <boost/geometry.hpp>

// The route's length and area, each followed by Boost.Geometry on the same
// coordinates as a yardstick: compare BM_totalDistance/N with
// BM_boostLength<...>/N and BM_totalArea/N with BM_boostArea<...>/N.

namespace bg = boost::geometry;

namespace {

template <typename Coordinate> using Point = bg::model::point<Coordinate, 2, bg::cs::cartesian>;

void BM_totalDistance(benchmark::State& state) {
    RouteFixture& fixture = RouteFixture::forSize(state.range(0));
    const PointDataSource& route = fixture.route();
    for (auto _ : state)
        benchmark::DoNotOptimize(route.totalDistance());
    reportPerPoint(state, fixture.size());
}

void BM_totalArea(benchmark::State& state) {
    RouteFixture& fixture = RouteFixture::forSize(state.range(0));
    const PointDataSource& route = fixture.route();
    for (auto _ : state)
        benchmark::DoNotOptimize(route.totalArea());
    reportPerPoint(state, fixture.size());
}

template <typename Coordinate> void BM_boostLength(benchmark::State& state) {
    const RouteFixture& fixture = RouteFixture::forSize(state.range(0));
    bg::model::linestring<Point<Coordinate>> line;
    line.reserve(fixture.coordinates().size());
    for (const auto& [x, y] : fixture.coordinates())
        line.emplace_back(x, y);
    for (auto _ : state) {
        // The line "may change" each round, so its length cannot be hoisted.
        benchmark::DoNotOptimize(line);
        benchmark::DoNotOptimize(bg::length(line));
    }
    reportPerPoint(state, fixture.size());
}

// The route's own area always closes the ring, so the reference's does too.
template <typename Coordinate> void BM_boostArea(benchmark::State& state) {
    const RouteFixture& fixture = RouteFixture::forSize(state.range(0));
    bg::model::polygon<Point<Coordinate>> polygon;
    auto& ring = polygon.outer();
    ring.reserve(fixture.coordinates().size() + 1);
    for (const auto& [x, y] : fixture.coordinates())
        ring.emplace_back(x, y);
    ring.push_back(ring.front());
    for (auto _ : state) {
        benchmark::DoNotOptimize(polygon);
        benchmark::DoNotOptimize(bg::area(polygon));
    }
    reportPerPoint(state, fixture.size());
}

} // namespace

BENCHMARK(BM_totalDistance)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_boostLength<float>)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_boostLength<double>)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_totalArea)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_boostArea<float>)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_boostArea<double>)->Arg(1000)->Arg(100000)->Arg(1000000);
