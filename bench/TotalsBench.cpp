#include "PerPointCounters.h"
#include "RouteFixture.h"

#include "model/RouteSums.h"

#include <benchmark/benchmark.h>
#include <boost/geometry.hpp>

#include <utility>
#include <vector>

// The route's length and area, each followed by Boost.Geometry on the same
// coordinates as a yardstick: compare BM_totalDistance/N with
// BM_boostLength<...>/N and BM_totalArea/N with BM_boostArea<...>/N.
// The route must round to float at every step. Its length adds whole
// blocks at once where that rounding allows (LengthChain); its area is a
// chain of two dependent float additions per edge, against Boost's one.
// BM_flat* run the route's steps one by one over a plain array of pairs,
// and BM_boostSteps* the same steps driven by Boost.Geometry; each checks
// that it matches the route's figure.

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

using Pairs = std::vector<std::pair<float, float>>;

float flatLength(const Pairs& xys) {
    float sum = 0;
    for (size_t i = 1; i < xys.size(); ++i)
        sum =
            RouteSums::addLength(sum, RouteSums::segmentLength(xys[i - 1].first, xys[i - 1].second,
                                                               xys[i].first, xys[i].second));
    return sum;
}

float flatArea(const Pairs& xys) {
    float a = 0;
    for (size_t i = 1; i < xys.size(); ++i)
        a = RouteSums::addEdge(a, xys[i - 1].first, xys[i - 1].second, xys[i].first, xys[i].second);
    a = RouteSums::addEdge(a, xys.back().first, xys.back().second, xys.front().first,
                           xys.front().second);
    return PointDataSource::rtAbs(a / 2);
}

template <float (*total)(const Pairs&), float (PointDataSource::*own)() const>
void BM_flat(benchmark::State& state) {
    RouteFixture& fixture = RouteFixture::forSize(state.range(0));
    Pairs xys = fixture.coordinates();
    float result = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(xys);
        result = total(xys);
        benchmark::DoNotOptimize(result);
    }
    if (result != (fixture.route().*own)())
        state.SkipWithError("not the route's figure");
    reportPerPoint(state, fixture.size());
}

void BM_flatLength(benchmark::State& state) {
    BM_flat<flatLength, &PointDataSource::totalDistance>(state);
}

void BM_flatArea(benchmark::State& state) {
    BM_flat<flatArea, &PointDataSource::totalArea>(state);
}

// Boost.Geometry's area walk over the closed ring, adding with the route's
// steps.
struct RouteAreaSteps {
    template <typename Geometry> struct result_type { using type = float; };
    template <typename Geometry> struct state { float sum = 0; };
    template <typename P, typename Geometry>
    static void apply(const P& p, const P& q, state<Geometry>& st) {
        st.sum =
            RouteSums::addEdge(st.sum, bg::get<0>(p), bg::get<1>(p), bg::get<0>(q), bg::get<1>(q));
    }
    template <typename Geometry> static float result(const state<Geometry>& st) {
        return st.sum / 2;
    }
};

void BM_boostStepsArea(benchmark::State& state) {
    RouteFixture& fixture = RouteFixture::forSize(state.range(0));
    bg::model::polygon<Point<float>> polygon;
    auto& ring = polygon.outer();
    for (const auto& [x, y] : fixture.coordinates())
        ring.emplace_back(x, y);
    ring.push_back(ring.front());
    float result = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(polygon);
        result = bg::area(polygon, RouteAreaSteps());
        benchmark::DoNotOptimize(result);
    }
    if (PointDataSource::rtAbs(result) != fixture.route().totalArea())
        state.SkipWithError("not the route's figure");
    reportPerPoint(state, fixture.size());
}

// Boost.Geometry's segment walk, adding with the route's steps.
void BM_boostStepsLength(benchmark::State& state) {
    RouteFixture& fixture = RouteFixture::forSize(state.range(0));
    bg::model::linestring<Point<float>> line;
    for (const auto& [x, y] : fixture.coordinates())
        line.emplace_back(x, y);
    float result = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(line);
        float sum = 0;
        bg::for_each_segment(line, [&sum](const auto& s) {
            sum = RouteSums::addLength(
                sum, RouteSums::segmentLength(bg::get<0, 0>(s), bg::get<0, 1>(s), bg::get<1, 0>(s),
                                              bg::get<1, 1>(s)));
        });
        result = sum;
        benchmark::DoNotOptimize(result);
    }
    if (result != fixture.route().totalDistance())
        state.SkipWithError("not the route's figure");
    reportPerPoint(state, fixture.size());
}

} // namespace

BENCHMARK(BM_flatLength)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_boostStepsLength)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_flatArea)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_boostStepsArea)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_totalDistance)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_boostLength<float>)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_boostLength<double>)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_totalArea)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_boostArea<float>)->Arg(1000)->Arg(100000)->Arg(1000000);
BENCHMARK(BM_boostArea<double>)->Arg(1000)->Arg(100000)->Arg(1000000);
