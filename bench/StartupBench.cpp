#include "app/AcetateWindow.h"
#include "platform/Defaults.h"
#include "platform/PreferenceKeys.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QToolBar>
#include <benchmark/benchmark.h>

#include <chrono>

// From a running application to a window shown and painted once
// (offscreen): the acetate, and a bare main window with one toolbar as the
// yardstick. Each iteration builds, paints and destroys its window; the
// clock stops at the first paint, before the window is destroyed.

namespace {

template <typename Window> double millisecondsToFirstPaint() {
    const auto start = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point stop;
    {
        Window window;
        window.show();
        window.repaint();
        QCoreApplication::processEvents();
        stop = std::chrono::steady_clock::now();
    }
    return std::chrono::duration<double, std::milli>(stop - start).count();
}

struct BareWindow : QMainWindow {
    BareWindow() {
        QToolBar* bar = addToolBar(QStringLiteral("Toolbar"));
        bar->addAction(QStringLiteral("Item"));
        resize(800, 600);
    }
};

template <typename Window> void runStartup(benchmark::State& state) {
    double total = 0;
    for (auto _ : state) {
        const double ms = millisecondsToFirstPaint<Window>();
        state.SetIterationTime(ms / 1000);
        total += ms;
    }
    state.counters["ms_per_pass"] = total / static_cast<double>(state.iterations());
}

// A returning user's start, who has turned the welcome sheet off: the
// acetate alone.
void BM_startup(benchmark::State& state) {
    Defaults().setBool(PreferenceKeys::showInfoAtStartup, false);
    runStartup<AcetateWindow>(state);
}

void BM_startupBareWindow(benchmark::State& state) {
    runStartup<BareWindow>(state);
}

} // namespace

BENCHMARK(BM_startupBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_startup)->UseManualTime()->Unit(benchmark::kMillisecond);
