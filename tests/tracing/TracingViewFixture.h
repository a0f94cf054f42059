#pragma once

#include "scale/SwinginSlider.h"
#include "tracing/TracingViewClient.h"
#include "tracing/WandrelTracingView.h"

#include <QAction>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

// The controller as the view meets it: it routes drags back to its one view
// the way the application's controller does, and counts what it is told.
struct FakeClient : TracingViewClient {
    explicit FakeClient(WandrelTracingView& v) : view(v) {}

    void scaleHasChanged(QObject* /*sender*/) override { ++scaleChanges; }
    void displayAnswer() override {
        ++answers;
        shownDistance = view.totalDistance();
    }
    void setChangesMade(bool changed) override { edited = changed; }
    WandrelTracingView* tracingViewBeingDragged() override {
        return view.isBeingDragged() ? &view : nullptr;
    }
    WandrelTracingView* tracingViewWithPointBeingDragged() override {
        return view.isPointBeingDragged() ? &view : nullptr;
    }
    void findHitAndPassDragEvent(const TracingEvent& event) override {
        if (view.routeHitTest(event))
            view.mouseDraggedStep2(event);
    }
    bool findHitPointAndPassDragEvent(const TracingEvent& event) override {
        if (!view.pointHitTest(event))
            return false;
        view.mouseDraggedStep2(event);
        return true;
    }
    bool allTracingViewsFinished() override { return view.isFinished(); }
    SwinginSlider* getScaleSlider() const override { return scaleBar; }
    void clearImageView(QObject* /*sender*/) override { ++imageClears; }
    void clearFileName() override {}
    float convertUsingScale(float pixels) const override { return pixels / 4; }
    QColor getHighLightColour() const override { return QColor(255, 0, 0); }
    QColor getLowLightColour() const override { return QColor(0, 0, 255); }
    float getLineWidth() const override { return 10; }

    WandrelTracingView& view;
    SwinginSlider* scaleBar = nullptr;
    int scaleChanges = 0;
    int answers = 0;
    float shownDistance = -1;
    bool edited = false;
    int imageClears = 0;
};

// The window beneath the view: counts the events passed on to it.
struct Backdrop : QWidget {
    void mousePressEvent(QMouseEvent* event) override {
        ++presses;
        event->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        ++presses;
        event->accept();
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        ++moves;
        event->accept();
    }
    int presses = 0;
    int moves = 0;
};

// A shown 400 x 300 view over a backdrop, with a controller and the drag
// mode item. Positions are given in view coordinates (y up).
class TracingViewTest : public ::testing::Test {
protected:
    TracingViewTest() : view(new WandrelTracingView(&backdrop)), client(*view) {
        backdrop.resize(400, 300);
        backdrop.setMouseTracking(true);
        view->setGeometry(0, 0, 400, 300);
        view->setController(&client);
        dragMode.setCheckable(true);
        view->setDragmodeMenuItem(&dragMode);
        backdrop.show();
    }
    ~TracingViewTest() override { view->setController(nullptr); }

    PointDataSource& route() { return view->getPointDataSource(); }
    QPoint at(int x, int y) const { return QPoint(x, view->height() - y); }

    void click(int x, int y, Qt::KeyboardModifiers keys = {}) {
        QTest::mouseClick(view, Qt::LeftButton, keys, at(x, y));
    }
    // As Qt delivers a real double click: press, release, double click, release.
    void doubleClick(int x, int y) {
        click(x, y);
        QTest::mouseDClick(view, Qt::LeftButton, {}, at(x, y));
        QTest::mouseRelease(view, Qt::LeftButton, {}, at(x, y));
    }
    void rightClick(int x, int y) { QTest::mouseClick(view, Qt::RightButton, {}, at(x, y)); }
    void drag(std::initializer_list<std::pair<int, int>> path) {
        const auto& [x0, y0] = *path.begin();
        QTest::mousePress(view, Qt::LeftButton, {}, at(x0, y0));
        for (auto it = path.begin() + 1; it != path.end(); ++it)
            QTest::mouseMove(view, at(it->first, it->second));
        const auto& [x1, y1] = *(path.end() - 1);
        QTest::mouseRelease(view, Qt::LeftButton, {}, at(x1, y1));
    }
    // A pointer movement without a button.
    void hover(int x, int y) {
        const QPointF local = at(x, y);
        QMouseEvent move(QEvent::MouseMove, local, view->mapToGlobal(local), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view, &move);
    }
    void key(Qt::Key k) { QTest::keyClick(view, k); }

    // Traces the points and finishes with Escape, so no point changes kind.
    void traceFinished(std::initializer_list<std::pair<int, int>> points) {
        for (const auto& [x, y] : points)
            click(x, y);
        key(Qt::Key_Escape);
    }

    QPointF pointAt(int64_t i) {
        const MyPoint* p = route().getnthItem(i);
        return p ? QPointF(p->getX(), p->getY()) : QPointF(-1, -1);
    }

    Backdrop backdrop;
    WandrelTracingView* view; // owned by the backdrop
    FakeClient client;
    QAction dragMode;
};
