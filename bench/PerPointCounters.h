#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>

// Reports the work of a run per route point: items_per_second, and per_point
// as time per point (printed with an SI prefix, so "2.5n" is 2.5 ns).
inline void reportPerPoint(benchmark::State& state, int64_t pointsPerIteration) {
    const int64_t points = pointsPerIteration * static_cast<int64_t>(state.iterations());
    state.SetItemsProcessed(points);
    state.counters["per_point"] = benchmark::Counter(
        static_cast<double>(points), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
