#include "DrawingPass.h"
#include "tracing/TracingViewClient.h"
#include "tracing/WandrelTracingView.h"

#include <QAction>
#include <QCoreApplication>
#include <QMouseEvent>

#include <memory>

// The whole tracing view: its paint event through QWidget::render (or, for
// the pointer moving while tracing, the window's own repaint), and a pointer
// movement or a drag delivered as a real event before the redraw.

namespace {

using namespace drawing;

// The line style, and drags routed back to the one view as the
// application's controller routes them.
class StyleOnlyController : public TracingViewClient {
public:
    QColor getHighLightColour() const override { return defaultStyle().highLight; }
    QColor getLowLightColour() const override { return defaultStyle().lowLight; }
    float getLineWidth() const override { return defaultStyle().lineWidth; }
    WandrelTracingView* tracingViewWithPointBeingDragged() override {
        return view && view->isPointBeingDragged() ? view : nullptr;
    }
    bool findHitPointAndPassDragEvent(const TracingEvent& event) override {
        if (!view || !view->pointHitTest(event))
            return false;
        view->mouseDraggedStep2(event);
        return true;
    }
    WandrelTracingView* view = nullptr;
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
        controller.view = &view;
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

// A mouse event at `at` in the view's widget coordinates, sent at once.
void send(WandrelTracingView& view, QEvent::Type type, QPointF at, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, view.mapToGlobal(at), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&view, &event);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int64_t paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// Shown, painted once, with nothing left to repaint.
void showAndSettle(WandrelTracingView& view) {
    view.show();
    QCoreApplication::processEvents();
    view.repaint();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void render(WandrelTracingView& view, QImage& image) {
    image.fill(Qt::transparent);
    view.render(&image);
}

// A full pass: the view's cached picture is dropped first, so the whole
// route is drawn again.
void BM_viewPass(benchmark::State& state) {
    const PointDataSource& route = routeInView(state.range(0));
    ViewFixture fixture(route, true, state.range(1) != 0);
    QImage image = makeImage();
    runAgainstPolyline(state, baselineRoute(state.range(0)), [&] {
        fixture.view.forgetDrawing();
        render(fixture.view, image);
    });
}

// While tracing, the pointer wanders a little way from the last point, as it
// does before the next click; each movement is followed by `redraw`.
template <typename Redraw>
void movePointerNearLastPoint(benchmark::State& state, ViewFixture& fixture,
                              const PointDataSource& route, Redraw&& redraw) {
    const MyPoint* last = route.getLastPoint();
    const QPointF home(last->getX(), viewHeight - last->getY());
    int step = 0;
    runAgainstPolyline(state, baselineRoute(state.range(0)), [&] {
        ++step;
        send(fixture.view, QEvent::MouseMove, home + QPointF(20 + step % 50, 10 + step % 30),
             Qt::NoButton, Qt::NoButton);
        redraw();
    });
}

// The view is on screen (offscreen), and the repaint is the one the
// application makes: the region the view marked as changed, painted into
// the window's backing store.
void BM_viewPointerMove(benchmark::State& state) {
    const PointDataSource& route = routeInView(state.range(0));
    ViewFixture fixture(route, false, false);
    showAndSettle(fixture.view);
    const PaintCounter counter(fixture.view);
    movePointerNearLastPoint(state, fixture, route, [] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    });
    if (counter.paints < state.iterations())
        state.SkipWithError("a movement was not repainted");
}

// The same movements, each followed by a render of the whole view into an
// image, as if every movement changed everything.
void BM_viewPointerMoveWholeView(benchmark::State& state) {
    const PointDataSource& route = routeInView(state.range(0));
    ViewFixture fixture(route, false, false);
    QImage image = makeImage();
    render(fixture.view, image);
    movePointerNearLastPoint(state, fixture, route, [&] { render(fixture.view, image); });
}

// In modify mode, one drag event on the point halfway along a finished
// route, wiggling it about its place, and the redraw.
void BM_viewDragPoint(benchmark::State& state) {
    const PointDataSource& route = routeInView(state.range(0));
    ViewFixture fixture(route, true, true);
    const MyPoint* middle = fixture.view.getPointDataSource().getnthItem(route.count() / 2);
    const QPointF home(middle->getX(), viewHeight - middle->getY());
    QImage image = makeImage();
    // The drag has caught the point: the picture without it is drawn.
    const auto dragTo = [&](QPointF at) {
        send(fixture.view, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        render(fixture.view, image);
    };
    dragTo(home);
    int step = 0;
    runAgainstPolyline(state, baselineRoute(state.range(0)), [&] {
        ++step;
        dragTo(home + QPointF(step % 9 - 4, step % 7 - 3));
    });
}

// While tracing, one click that appends a point, and the redraw.
void BM_viewTraceClick(benchmark::State& state) {
    const PointDataSource& route = routeInView(state.range(0));
    ViewFixture fixture(route, false, true);
    // Presses reach the route only in the active window.
    fixture.view.show();
    fixture.view.activateWindow();
    while (!fixture.view.isActiveWindow())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QImage image = makeImage();
    render(fixture.view, image);
    int step = 0;
    runAgainstPolyline(state, baselineRoute(state.range(0)), [&] {
        ++step;
        const QPointF at(600 + step % 50, 400 + step % 30);
        send(fixture.view, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        send(fixture.view, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        render(fixture.view, image);
    });
}

} // namespace

BENCHMARK(BM_viewPass)
    ->ArgNames({"points", "modify"})
    ->ArgsProduct({{1000, 10000, 100000, 1000000}, {0, 1}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_viewPointerMove)
    ->ArgName("points")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_viewPointerMoveWholeView)
    ->ArgName("points")
    ->Arg(1000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_viewDragPoint)
    ->ArgName("points")
    ->Arg(1000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_viewTraceClick)
    ->ArgName("points")
    ->Arg(1000)
    ->Arg(100000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
