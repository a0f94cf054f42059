#include "platform/Alerts.h"
#include "scale/SwinginSlider.h"
#include "tracing/TracingViewClient.h"
#include "tracing/WandrelTracingView.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace {

// The controller as the view meets it: drags come back to its one view, and
// it remembers what it was told.
struct FakeClient : TracingViewClient {
    explicit FakeClient(WandrelTracingView& v) : view(v) {}
    WandrelTracingView* me(bool yes) { return yes ? &view : nullptr; }
    void scaleHasChanged(QObject*) override {}
    void displayAnswer() override { shown = view.totalDistance(); }
    void setChangesMade(bool changed) override { edited = changed; }
    WandrelTracingView* tracingViewBeingDragged() override { return me(view.isBeingDragged()); }
    WandrelTracingView* tracingViewWithPointBeingDragged() override {
        return me(view.isPointBeingDragged());
    }
    void findHitAndPassDragEvent(const TracingEvent& e) override { pass(view.routeHitTest(e), e); }
    bool findHitPointAndPassDragEvent(const TracingEvent& e) override {
        return pass(view.pointHitTest(e) != nullptr, e);
    }
    bool pass(bool hit, const TracingEvent& e) {
        if (hit)
            view.mouseDraggedStep2(e);
        return hit;
    }
    bool allTracingViewsFinished() override { return view.isFinished(); }
    SwinginSlider* getScaleSlider() const override { return scaleBar; }
    void clearImageView(QObject*) override { ++imageClears; }
    void clearFileName() override {}
    float convertUsingScale(float pixels) const override { return pixels; }
    QColor getHighLightColour() const override { return Qt::red; }
    QColor getLowLightColour() const override { return Qt::blue; }
    float getLineWidth() const override { return 10; }

    WandrelTracingView& view;
    SwinginSlider* scaleBar = nullptr;
    int imageClears = 0;
    float shown = -1;
    bool edited = false;
};

// The window beneath the view counts the presses passed on to it.
struct Backdrop : QWidget {
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    int presses = 0;
};

// A shown 400 x 300 view over a backdrop. Positions are in view
// coordinates (y up).
class Tracing : public ::testing::Test {
protected:
    Tracing() : view(new WandrelTracingView(&backdrop)), client(*view) {
        backdrop.resize(400, 300);
        view->setGeometry(0, 0, 400, 300);
        view->setController(&client);
        dragMode.setCheckable(true);
        view->setDragmodeMenuItem(&dragMode);
        backdrop.show();
        // Presses reach a route only in the active window.
        backdrop.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&backdrop));
    }

    PointDataSource& route() { return view->getPointDataSource(); }
    MyPoint* nth(int64_t i) { return route().getnthItem(i); }
    QPointF pointAt(int64_t i) { return QPointF(nth(i)->getX(), nth(i)->getY()); }
    QPoint at(QPoint p) const { return {p.x(), view->height() - p.y()}; }
    QPoint at(int x, int y) const { return at(QPoint(x, y)); }
    void key(Qt::Key k) { QTest::keyClick(view, k); }
    void click(int x, int y, Qt::KeyboardModifiers keys = {}, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseClick(view, b, keys, at(x, y));
    }
    void drag(std::initializer_list<QPoint> path) {
        QTest::mousePress(view, Qt::LeftButton, {}, at(*path.begin()));
        for (auto p = path.begin() + 1; p != path.end(); ++p)
            QTest::mouseMove(view, at(*p));
        QTest::mouseRelease(view, Qt::LeftButton, {}, at(*(path.end() - 1)));
    }
    // Escape finishes without turning the last point into a waypoint.
    void traceFinished(std::initializer_list<QPoint> points) {
        for (const QPoint& p : points)
            click(p.x(), p.y());
        key(Qt::Key_Escape);
    }

    Backdrop backdrop;
    WandrelTracingView* view; // owned by the backdrop
    FakeClient client;
    QAction dragMode;
};

TEST_F(Tracing, FirstClickIsAWaypointAndEscapeFinishesWithoutConverting) {
    click(10, 10);
    click(50, 10);
    click(90, 10, Qt::AltModifier);
    click(90, 40);
    ASSERT_EQ(route().count(), 4);
    EXPECT_TRUE(nth(0)->isWaypoint());
    EXPECT_FALSE(nth(1)->isWaypoint());
    EXPECT_TRUE(nth(2)->isWaypoint()) << "Option makes a waypoint";
    EXPECT_EQ(pointAt(1), QPointF(50, 10)) << "y is measured up from the bottom edge";
    EXPECT_FLOAT_EQ(client.shown, 110);
    key(Qt::Key_Escape);
    EXPECT_FALSE(nth(3)->isWaypoint());
    click(100, 100);
    EXPECT_EQ(route().count(), 4) << "a finished route takes no more points";
}

// A finished route in modify mode: (50,50) (150,50) (150,150).
class Modify : public Tracing {
protected:
    void SetUp() override {
        traceFinished({{50, 50}, {150, 50}, {150, 150}});
        dragMode.setChecked(true);
        client.edited = false;
    }
};

TEST_F(Modify, NineManhattanPixelsSelectOnTheSegmentInsertsOnePixelOffIsPassedOn) {
    click(59, 50);
    EXPECT_EQ(route().count(), 3);
    EXPECT_EQ(view->getCurrentPoint(), nth(0));
    EXPECT_FALSE(client.edited);
    click(60, 50);
    ASSERT_EQ(route().count(), 4);
    EXPECT_EQ(view->getCurrentPoint(), nth(1));
    EXPECT_TRUE(client.edited);
    click(100, 51); // one pixel above a horizontal segment
    EXPECT_EQ(route().count(), 4);
    EXPECT_EQ(view->getCurrentPoint(), nullptr);
    EXPECT_EQ(backdrop.presses, 1);
    click(100, 50);
    EXPECT_EQ(route().count(), 5);
    EXPECT_EQ(backdrop.presses, 1);
}

TEST_F(Modify, AFastDragKeepsItsPointDeletingADraggedPointLeavesNothingDangling) {
    drag({{150, 50}, {152, 53}, {230, 120}, {300, 200}});
    EXPECT_EQ(pointAt(1), QPointF(300, 200));
    EXPECT_EQ(pointAt(0), QPointF(50, 50));
    QTest::mousePress(view, Qt::LeftButton, {}, at(150, 150));
    QTest::mouseMove(view, at(153, 153));
    ASSERT_TRUE(view->isPointBeingDragged());
    key(Qt::Key_Backspace);
    EXPECT_FALSE(view->isPointBeingDragged());
    EXPECT_EQ(view->getCurrentPoint(), nullptr);
    EXPECT_NEAR(client.shown, 291.55, 0.01) << "recomputed";
    QTest::mouseMove(view, at(200, 200));
    QTest::mouseRelease(view, Qt::LeftButton, {}, at(200, 200));
    EXPECT_EQ(pointAt(1), QPointF(300, 200));
    click(50, 50);
    key(Qt::Key_Delete);
    EXPECT_EQ(route().count(), 2) << "the last two points stay";
}

TEST_F(Modify, PointMenusOnInnerPointsOnlyAlsoByControlClick) {
    QMenu* regular = view->getRegularPointContextMenu();
    QMenu* waypoint = view->getWaypointContextMenu();
    click(100, 50); // inserts a regular point between the ends
    click(50, 50, {}, Qt::RightButton);
    click(150, 150, {}, Qt::RightButton);
    EXPECT_FALSE(regular->isVisible() || waypoint->isVisible());
    click(10, 10); // deselects
    click(100, 50, Qt::ControlModifier);
    ASSERT_TRUE(regular->isVisible());
    EXPECT_EQ(view->getCurrentPoint(), nth(1));
    EXPECT_EQ(route().count(), 4) << "selecting, not inserting";
    regular->actions()[0]->trigger();
    regular->hide();
    click(100, 50, {}, Qt::RightButton);
    EXPECT_TRUE(waypoint->isVisible()) << "now a waypoint";
    waypoint->hide();
}

TEST_F(Tracing, LockModeDragsMoveARouteOfThreePointsOnceThePointerIsInside) {
    traceFinished({{50, 50}, {250, 50}});
    drag({{150, 50}, {160, 60}});
    EXPECT_EQ(pointAt(0), QPointF(50, 50)) << "two points enclose nothing";
    view->reset();
    traceFinished({{50, 50}, {250, 50}, {50, 250}});
    drag({{80, 80}, {90, 70}, {95, 90}});
    EXPECT_EQ(pointAt(0), QPointF(65, 60)) << "by (10, -10) then (5, 20)";
    QTest::mousePress(view, Qt::LeftButton, {}, at(200, 200));
    QTest::mouseMove(view, at(210, 200));
    EXPECT_EQ(pointAt(0), QPointF(65, 60));
    QTest::mouseMove(view, at(100, 100));
    QTest::mouseRelease(view, Qt::LeftButton, {}, at(100, 100));
    EXPECT_EQ(pointAt(0), QPointF(-45, -40)) << "by the step that entered";
}

TEST_F(Tracing, CrosshairExceptOverTheScaleBarAndTheCornerSquare) {
    auto* bar = new SwinginSlider(view); // owned by the view
    bar->setGeometry(60, 200, 140, 40);  // y up: (60, 60) to (200, 100)
    client.scaleBar = bar;
    view->resetCursorRects();
    const auto shapeAt = [this](double x, double y) {
        return view->cursorRegions().cursorAt(QPointF(x, y)).shape();
    };
    EXPECT_EQ(shapeAt(200, 150), Qt::CrossCursor);
    EXPECT_EQ(shapeAt(100, 80), Qt::ArrowCursor) << "over the scale bar";
    EXPECT_EQ(shapeAt(395, 5), Qt::ArrowCursor) << "the corner square";
    EXPECT_EQ(shapeAt(385, 5), Qt::CrossCursor);
    EXPECT_EQ(shapeAt(395, 15), Qt::CrossCursor);
}

TEST_F(Tracing, EachCursorIsItsOwnImageWithItsHotSpot) {
    const QCursor cursors[] = {view->getXyzCursor(), view->getWaypointCursor(),
                               view->getPinCursor(), view->getCircleCursor(),
                               view->getMoveCursor()};
    const QPoint hotSpots[] = {{0, 0}, {0, 0}, {15, 15}, {8, 8}, {8, 8}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(cursors[i].shape(), Qt::BitmapCursor) << i;
        EXPECT_EQ(cursors[i].hotSpot(), hotSpots[i]) << i;
        for (int j = 0; j < i; ++j)
            EXPECT_NE(cursors[i].pixmap().toImage(), cursors[j].pixmap().toImage()) << j << i;
    }
}

TEST_F(Tracing, TerrainFactorIsExactlyOneAtRestAndStretchesAbove) {
    traceFinished({{10, 10}, {310, 10}, {310, 210}});
    QSlider terrain;
    terrain.setRange(0, 200);
    view->setTerrainSlider(&terrain);
    for (int t : {0, 99, 100}) {
        terrain.setValue(t);
        EXPECT_EQ(view->totalDistance(), 500.0f) << t;
        EXPECT_EQ(view->totalArea(), 30000.0f) << t;
    }
    terrain.setValue(120);
    EXPECT_NEAR(view->totalDistance(), 600, 0.01);
    EXPECT_NEAR(view->totalArea(), 30000 * 1.44, 1);
}

TEST_F(Tracing, UndoResetAndANewRouteLeaveNoSelectionBehind) {
    traceFinished({{10, 10}, {110, 10}, {110, 110}});
    ASSERT_EQ(view->getCurrentPoint(), nth(2));
    view->undoPoint();
    EXPECT_FALSE(view->isFinished());
    EXPECT_FLOAT_EQ(client.shown, 100);
    EXPECT_EQ(view->getCurrentPoint(), nullptr);
    view->makeWaypoint(); // on a freed point, ASan would tell
    view->undoPoint();
    view->undoPoint();
    EXPECT_EQ(route().count(), 0);
    EXPECT_EQ(client.imageClears, 1) << "the last point goes through reset";
    click(50, 50);
    view->reset();
    EXPECT_EQ(view->getCurrentPoint(), nullptr);
    click(50, 50);
    view->setDataSource(std::make_unique<PointDataSource>());
    EXPECT_EQ(view->getCurrentPoint(), nullptr);
}

TEST_F(Tracing, DoubleClickFinishesOnAWaypointContinueReopensClearAsksFirst) {
    click(10, 10);
    click(100, 10); // as Qt delivers a double click: press, release, double click, release
    QTest::mouseDClick(view, Qt::LeftButton, {}, at(100, 10));
    QTest::mouseRelease(view, Qt::LeftButton, {}, at(100, 10));
    ASSERT_EQ(route().count(), 2) << "the double click appends once";
    EXPECT_TRUE(view->isFinished());
    EXPECT_TRUE(nth(1)->isWaypoint());
    view->cont();
    EXPECT_FALSE(view->isFinished());
    EXPECT_FALSE(nth(1)->isWaypoint()) << "the end turns back into a regular point";
    traceFinished({{100, 100}});
    Alerts::scriptAnswers({Alerts::Answer::Alternate, Alerts::Answer::Default});
    view->clearPointsMenuItem();
    EXPECT_EQ(route().count(), 3) << "declined";
    view->clearPointsMenuItem();
    Alerts::reset();
    EXPECT_EQ(route().count(), 0);
}

} // namespace

namespace {

// The acetate floats over another application: the click that brings it
// forward must not also trace.
TEST_F(Tracing, AClickThatOnlyActivatesTheWindowPlacesNothing) {
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    click(10, 10);
    EXPECT_EQ(route().count(), 0) << "pressed while another window was active";
    ASSERT_TRUE(QTest::qWaitForWindowActive(&backdrop));
    click(10, 10);
    EXPECT_EQ(route().count(), 1);

    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    QTest::mouseMove(view, at(50, 50)); // the pointer rests over the acetate
    backdrop.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&backdrop));
    click(50, 50);
    EXPECT_EQ(route().count(), 1) << "the press that activated the window";
    click(50, 50);
    EXPECT_EQ(route().count(), 2);
}

} // namespace

TEST_F(Modify, ArrowsNudgeTheSelectedPointAndUpdateTheFiguresAtOnce) {
    click(150, 50); // selects the corner
    client.edited = false;
    key(Qt::Key_Up);
    EXPECT_EQ(pointAt(1), QPointF(150, 51)) << "up is up on the screen";
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(pointAt(1), QPointF(160, 51));
    EXPECT_TRUE(client.edited);
    EXPECT_FLOAT_EQ(client.shown, view->totalDistance());
    EXPECT_NEAR(client.shown, std::hypot(110.0f, 1.0f) + std::hypot(10.0f, 99.0f), 1e-3);

    dragMode.setChecked(false);
    key(Qt::Key_Down);
    EXPECT_EQ(pointAt(1), QPointF(160, 51)) << "lock mode moves no point";
}

TEST_F(Modify, TabWalksThePointsAndTheDescriptionFollowsTheSelection) {
    ASSERT_EQ(view->getCurrentPoint(), nth(2)) << "the last traced point stays selected";
    key(Qt::Key_Tab);
    EXPECT_EQ(view->getCurrentPoint(), nth(2)) << "past the finish the focus moves on";
    QTest::keyClick(view, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(view->getCurrentPoint(), nth(0));
    EXPECT_EQ(view->accessibleDescription(), "Point 1 of 3, waypoint");
    key(Qt::Key_Tab);
    EXPECT_EQ(view->accessibleDescription(), "Point 2 of 3");

    click(150, 150);
    EXPECT_EQ(view->accessibleDescription(), "Point 3 of 3") << "a click describes too";
    view->undoPoint();
    QCoreApplication::processEvents();
    EXPECT_EQ(view->getCurrentPoint(), nullptr);
    EXPECT_EQ(view->accessibleDescription(), "") << "no stale description of a removed point";
    client.edited = false;
    key(Qt::Key_Up);
    EXPECT_FALSE(client.edited) << "nothing selected, nothing moves";
}
