#pragma once

#include "model/PointDataSource.h"
#include "tracing/LineStyle.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>

// One drawing pass of the tracing view at 1280 x 800 into an image. Every
// pass benchmark reports ms_per_pass and x_polyline: its time over that of a
// pass that only strokes the same points once with drawPolyline, run
// interleaved with it in the same loop so both see the same machine load.
namespace drawing {

constexpr int viewWidth = 1280;
constexpr int viewHeight = 800;

// The shared fixtures spread over 4000 x 3000; drawing wants the route on
// the view, so each size gets its own copy, shrunk to 1000 x 750, centred.
const PointDataSource& routeInView(int64_t size);

// The route a pass of `size` points is measured against: itself up to
// 10,000 points, the 10,000-point route past that, which is what larger
// passes are judged by and keeps a run short.
const PointDataSource& baselineRoute(int64_t size);

// The preset the application starts with.
LineStyle defaultStyle();

QImage makeImage();

template <typename Pass> double millisecondsOf(Pass&& pass) {
    const auto start = std::chrono::steady_clock::now();
    pass();
    const auto stop = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(stop - start).count();
}

// Clears the image and paints with the view's own painter set-up: y up,
// antialiased.
template <typename Draw> void paintPass(QImage& image, Draw&& draw) {
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0, image.height());
    painter.scale(1, -1);
    draw(painter);
}

// The baseline: one antialiased stroke through the points, no more.
void polylinePass(QImage& image, const PointDataSource& route);

// Times `pass` (a complete pass, image included) for each iteration, with a
// baseline pass over `route` in between whenever the baselines so far took
// less time than the passes: the two share the machine's load through the
// run, and passes far shorter than the baseline do not wait on it.
template <typename Pass>
void runAgainstPolyline(benchmark::State& state, const PointDataSource& route, Pass&& pass) {
    QImage baselineImage = makeImage();
    double total = 0;
    double baseline = 0;
    int64_t baselines = 0;
    for (auto _ : state) {
        const double ms = millisecondsOf(pass);
        state.SetIterationTime(ms / 1000);
        total += ms;
        if (baselines == 0 || baseline < total) {
            state.PauseTiming();
            baseline += millisecondsOf([&] { polylinePass(baselineImage, route); });
            ++baselines;
            state.ResumeTiming();
        }
    }
    const double perPass = total / static_cast<double>(state.iterations());
    state.counters["ms_per_pass"] = perPass;
    state.counters["x_polyline"] = baseline > 0 ? perPass / (baseline / double(baselines)) : 0;
}

} // namespace drawing
