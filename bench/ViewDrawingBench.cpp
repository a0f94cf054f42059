#include "DrawingPass.h"
#include "tracing/TracingViewClient.h"
#include "tracing/WandrelTracingView.h"

#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>

#include <memory>

// The whole tracing view: its paint event through QWidget::render, and a
// pointer movement delivered as a real event before the redraw.

namespace {

using namespace drawing;

// Only the line style is asked for while drawing; the rest answers nothing.
class StyleOnlyController : public TracingViewClient {
public:
    QColor getHighLightColour() const override { return defaultStyle().highLight; }
    QColor getLowLightColour() const override { return defaultStyle().lowLight; }
    float getLineWidth() const override { return defaultStyle().lineWidth; }
};

// A 1280 x 800 view holding its own copy of the route.
struct ViewFixture {
    ViewFixture(const PointDataSource& route, bool finished, bool modify) {
        auto copy = std::make_unique<PointDataSource>();
        for (int64_t i = 0; i < route.count(); ++i) {
            const MyPoint* p = route.getnthItem(i);
            copy->add(p->getX(), p->getY(), static_cast<MyPoint::Kind>(p->getPointType()));
        }
        modifyItem.setCheckable(true);
        modifyItem.setChecked(modify);
        view.setController(&controller);
        view.setDragmodeMenuItem(&modifyItem);
        view.resize(viewWidth, viewHeight);
        view.setDataSource(std::move(copy));
        if (finished)
            view.setFinished(true);
    }

    StyleOnlyController controller;
    QAction modifyItem;
    WandrelTracingView view;
};

void render(WandrelTracingView& view, QImage& image) {
    image.fill(Qt::transparent);
    view.render(&image);
}

void BM_viewPass(benchmark::State& state) {
    const PointDataSource& route = routeInView(state.range(0));
    ViewFixture fixture(route, true, state.range(1) != 0);
    QImage image = makeImage();
    runAgainstPolyline(state, route, [&] { render(fixture.view, image); });
}

void BM_viewPointerMove(benchmark::State& state) {
    const PointDataSource& route = routeInView(state.range(0));
    ViewFixture fixture(route, false, false);
    QImage image = makeImage();
    int step = 0;
    runAgainstPolyline(state, route, [&] {
        ++step;
        const QPointF at(600 + step % 50, 400 + step % 30);
        QMouseEvent move(QEvent::MouseMove, at, fixture.view.mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&fixture.view, &move);
        render(fixture.view, image);
    });
}

} // namespace

BENCHMARK(BM_viewPass)
    ->ArgNames({"points", "modify"})
    ->ArgsProduct({{1000, 10000}, {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_viewPointerMove)
    ->ArgName("points")
    ->Arg(1000)
    ->Arg(10000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
