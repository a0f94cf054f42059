#include "DrawingPass.h"
#include "RouteFixture.h"
#include "tracing/RoutePainter.h"

#include <QPicture>
#include <QPolygonF>

#include <algorithm>
#include <map>
#include <memory>

// The route painter alone, as the tracing view calls it; the full view is
// in ViewDrawingBench.cpp.

namespace drawing {

const PointDataSource& routeInView(int64_t size) {
    static std::map<int64_t, std::unique_ptr<RouteFixture>> made;
    auto& slot = made[size];
    if (!slot) {
        slot = std::make_unique<RouteFixture>(size);
        slot->route().applyScale(0.25f);
        slot->route().applyTransformX(140, 25);
    }
    return slot->route();
}

const PointDataSource& baselineRoute(int64_t size) {
    return routeInView(std::min<int64_t>(size, 10000));
}

LineStyle defaultStyle() {
    return {QColor::fromRgbF(0.75f, 0.75f, 0.75f, 0.85f), QColor::fromRgbF(0, 0, 0, 0.85f), 2};
}

QImage makeImage() {
    return QImage(viewWidth, viewHeight, QImage::Format_ARGB32_Premultiplied);
}

void polylinePass(QImage& image, const PointDataSource& route) {
    paintPass(image, [&](QPainter& painter) {
        QPolygonF line;
        line.reserve(route.count());
        for (int64_t i = 0; i < route.count(); ++i)
            line.append(QPointF(route.getnthItem(i)->getX(), route.getnthItem(i)->getY()));
        const LineStyle style = defaultStyle();
        painter.setPen(QPen(QBrush(style.highLight), style.lineWidth, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.drawPolyline(line);
    });
}

} // namespace drawing

namespace {

using namespace drawing;

RouteScene sceneFor(const PointDataSource& route) {
    RouteScene scene;
    scene.route = &route;
    scene.viewSize = QSizeF(viewWidth, viewHeight);
    scene.style = defaultStyle();
    scene.within = true;
    return scene;
}

// A finished route with the pointer over the view, in lock mode (modify 0)
// or modify mode (1), which adds a glyph at every regular point.
void BM_paintRoute(benchmark::State& state) {
    const PointDataSource& route = routeInView(state.range(0));
    RouteScene scene = sceneFor(route);
    scene.finished = true;
    scene.modifyMode = state.range(1) != 0;
    QImage image = makeImage();
    runAgainstPolyline(state, route, [&] {
        paintPass(image, [&](QPainter& p) { RoutePainter::paint(p, scene); });
    });
}

// While tracing, each pointer movement redraws the whole view, line to the
// pointer included.
void BM_paintPointerMove(benchmark::State& state) {
    const PointDataSource& route = routeInView(state.range(0));
    RouteScene scene = sceneFor(route);
    QImage image = makeImage();
    int step = 0;
    runAgainstPolyline(state, route, [&] {
        ++step;
        scene.mouseX = 600 + static_cast<float>(step % 50);
        scene.mouseY = 400 + static_cast<float>(step % 30);
        paintPass(image, [&](QPainter& p) { RoutePainter::paint(p, scene); });
    });
}

// The painter's own work without scan conversion: the same pass recorded
// into a picture. This is what "one walk over the points" keeps linear.
void BM_recordRoute(benchmark::State& state) {
    RouteScene scene = sceneFor(routeInView(state.range(0)));
    scene.finished = true;
    scene.modifyMode = state.range(1) != 0;
    double total = 0;
    for (auto _ : state) {
        const double ms = millisecondsOf([&] {
            QPicture picture;
            QPainter painter(&picture);
            RoutePainter::paint(painter, scene);
        });
        state.SetIterationTime(ms / 1000);
        total += ms;
    }
    state.counters["ms_per_pass"] = total / static_cast<double>(state.iterations());
}

// The baseline on its own; its x_polyline is about 1 by construction.
void BM_drawPolylineBaseline(benchmark::State& state) {
    const PointDataSource& route = routeInView(state.range(0));
    QImage image = makeImage();
    runAgainstPolyline(state, route, [&] { polylinePass(image, route); });
}

} // namespace

BENCHMARK(BM_drawPolylineBaseline)
    ->ArgName("points")
    ->Arg(1000)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_paintRoute)
    ->ArgNames({"points", "modify"})
    ->ArgsProduct({{1000, 10000}, {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_paintPointerMove)
    ->ArgName("points")
    ->Arg(1000)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_recordRoute)
    ->ArgNames({"points", "modify"})
    ->ArgsProduct({{1000, 10000}, {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
