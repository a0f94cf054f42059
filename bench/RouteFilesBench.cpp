#include "PerPointCounters.h"

#include "tracing/WandrelTracingView.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <memory>

// Reading a route fragment into a view and writing a route folder, at 1,000,
// 100,000 and 1,000,000 points. per_point must stay flat as the route grows.

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

// A fragment of a wiggly walk, written once per size.
QString fragmentOf(int64_t points) {
    static std::map<int64_t, QString> written;
    QString& path = written[points];
    if (!path.isEmpty())
        return path;
    WandrelTracingView view;
    for (int64_t i = 0; i < points; ++i) {
        const auto t = static_cast<float>(i);
        view.getPointDataSource().add(t * 0.5f, 300 + 200 * std::sin(t / 40),
                                      i % 1000 == 0 ? MyPoint::Waypoint : MyPoint::Regular);
    }
    path = folder().filePath(QStringLiteral("walk%1.plist").arg(points));
    view.writeToFileAsFragment(path);
    return path;
}

void BM_readFragment(benchmark::State& state) {
    const QString path = fragmentOf(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto view = std::make_unique<WandrelTracingView>();
        state.ResumeTiming();
        view->readFromFragmentFile(path);
        benchmark::DoNotOptimize(view->getPointDataSource().count());
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
    reportPerPoint(state, state.range(0));
}
BENCHMARK(BM_readFragment)->Arg(1'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_writeRouteFolder(benchmark::State& state) {
    WandrelTracingView view;
    view.readFromFragmentFile(fragmentOf(state.range(0)));
    const QString path = folder().filePath(QStringLiteral("Walk.route"));
    for (auto _ : state)
        view.writeToFile(path, {15, 15}, {115, 15}, QStringLiteral("2"),
                         QStringLiteral("Kilometers"), QStringLiteral("Miles"), 300, 200);
    reportPerPoint(state, state.range(0));
}
BENCHMARK(BM_writeRouteFolder)
    ->Arg(1'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

} // namespace
