#include "TracingViewFixture.h"

#include <QSignalSpy>

namespace {

using Tracing = TracingViewTest;

TEST_F(Tracing, FirstClickIsAWaypointLaterOnesRegularUnlessOptionIsHeld) {
    click(10, 10);
    click(50, 10);
    click(90, 10, Qt::AltModifier);
    ASSERT_EQ(route().count(), 3);
    EXPECT_TRUE(route().getnthItem(0)->isWaypoint());
    EXPECT_FALSE(route().getnthItem(1)->isWaypoint());
    EXPECT_TRUE(route().getnthItem(2)->isWaypoint());
    EXPECT_EQ(pointAt(1), QPointF(50, 10)) << "y is measured up from the bottom edge";
    EXPECT_EQ(view->getCurrentPoint(), route().getnthItem(2));
    EXPECT_TRUE(client.edited);
    EXPECT_EQ(client.scaleChanges, 3);
    EXPECT_EQ(client.answers, 3) << "each release recomputes";
    EXPECT_FLOAT_EQ(client.shownDistance, 80);
    EXPECT_FALSE(view->isFinished());
}

TEST_F(Tracing, DoubleClickAppendsOnceAndFinishesOnAWaypoint) {
    click(10, 10);
    doubleClick(60, 40);
    ASSERT_EQ(route().count(), 2);
    EXPECT_EQ(pointAt(1), QPointF(60, 40));
    EXPECT_TRUE(route().getnthItem(1)->isWaypoint());
    EXPECT_TRUE(view->isFinished());
    EXPECT_EQ(view->getCurrentPoint(), route().getnthItem(1));
}

TEST_F(Tracing, EscapeFinishesWithoutConvertingTheLastPoint) {
    click(10, 10);
    click(60, 40);
    key(Qt::Key_Escape);
    EXPECT_TRUE(view->isFinished());
    EXPECT_FALSE(route().getnthItem(1)->isWaypoint());
    click(100, 100);
    EXPECT_EQ(route().count(), 2) << "a finished route takes no more points";
}

TEST_F(Tracing, DragsWhileTracingMoveNothingAndSecondaryPressesAreSwallowed) {
    click(10, 10);
    drag({{10, 10}, {40, 40}});
    EXPECT_EQ(route().count(), 2) << "the press appends; the drag moves nothing";
    EXPECT_EQ(pointAt(0), QPointF(10, 10));
    rightClick(10, 10);
    EXPECT_EQ(backdrop.presses, 0);
    EXPECT_FALSE(view->getWaypointContextMenu()->isVisible());
}

TEST_F(Tracing, WaypointPlacingAppendsWhileTracingAndInsertsWhenFinished) {
    click(10, 10);
    view->setPlacingState(WandrelTracingView::Waypoint);
    click(110, 10);
    EXPECT_EQ(view->getPlacingState(), 0);
    ASSERT_EQ(route().count(), 2);
    EXPECT_TRUE(route().getnthItem(1)->isWaypoint());

    key(Qt::Key_Escape);
    view->setPlacingState(WandrelTracingView::Waypoint);
    click(60, 10);
    ASSERT_EQ(route().count(), 3);
    EXPECT_EQ(pointAt(1), QPointF(60, 10));
    EXPECT_TRUE(route().getnthItem(1)->isWaypoint());

    view->setPlacingState(WandrelTracingView::Circle);
    click(80, 10);
    EXPECT_EQ(route().count(), 3) << "circles are not placed";
    EXPECT_EQ(view->getPlacingState(), 0);
}

// A finished route in modify mode: (50,50) (150,50) (150,150).
class Modify : public TracingViewTest {
protected:
    void SetUp() override {
        traceFinished({{50, 50}, {150, 50}, {150, 150}});
        dragMode.setChecked(true);
        client.edited = false;
    }
};

TEST_F(Modify, NineManhattanPixelsSelectsTenInserts) {
    click(59, 50);
    EXPECT_EQ(route().count(), 3);
    EXPECT_EQ(view->getCurrentPoint(), route().getnthItem(0));
    EXPECT_FALSE(client.edited);

    click(60, 50);
    ASSERT_EQ(route().count(), 4);
    EXPECT_EQ(pointAt(1), QPointF(60, 50));
    EXPECT_EQ(view->getCurrentPoint(), route().getnthItem(1));
    EXPECT_FALSE(route().getnthItem(1)->isWaypoint());
    EXPECT_TRUE(client.edited);
}

TEST_F(Modify, AClickOnePixelOffAHorizontalSegmentInsertsNothingAndIsPassedOn) {
    click(100, 51);
    EXPECT_EQ(route().count(), 3);
    EXPECT_EQ(view->getCurrentPoint(), nullptr);
    EXPECT_EQ(backdrop.presses, 1);
    EXPECT_TRUE(client.edited) << "the insertion attempt marks the window";

    click(100, 50);
    EXPECT_EQ(route().count(), 4);
    EXPECT_EQ(backdrop.presses, 1);
}

TEST_F(Modify, AFastDragKeepsItsPoint) {
    drag({{150, 50}, {152, 53}, {230, 120}, {300, 200}});
    EXPECT_EQ(pointAt(1), QPointF(300, 200));
    EXPECT_EQ(pointAt(0), QPointF(50, 50));
    EXPECT_EQ(pointAt(2), QPointF(150, 150));
    EXPECT_FALSE(view->isPointBeingDragged());
    EXPECT_TRUE(client.edited);
    EXPECT_NEAR(client.shownDistance, view->totalDistance(), 1e-3);
}

TEST_F(Modify, ADragFromEmptySpaceCatchesTheFirstPointItComesNear) {
    drag({{100, 100}, {110, 120}, {146, 145}, {200, 250}});
    EXPECT_EQ(pointAt(2), QPointF(200, 250));
    EXPECT_EQ(pointAt(0), QPointF(50, 50));
    EXPECT_EQ(pointAt(1), QPointF(150, 50));
}

TEST_F(Modify, DeletingThePointBeingDraggedLeavesNothingDangling) {
    click(10, 10); // nothing there: deselects
    QTest::mousePress(view, Qt::LeftButton, {}, at(150, 150));
    QTest::mouseMove(view, at(153, 153));
    ASSERT_TRUE(view->isPointBeingDragged());
    key(Qt::Key_Backspace);
    EXPECT_EQ(route().count(), 2);
    EXPECT_FALSE(view->isPointBeingDragged());
    QTest::mouseMove(view, at(200, 200));
    QTest::mouseRelease(view, Qt::LeftButton, {}, at(200, 200));
    EXPECT_EQ(pointAt(0), QPointF(50, 50));
    EXPECT_EQ(pointAt(1), QPointF(150, 50));
}

TEST_F(Modify, BackspaceRemovesTheCurrentPointAndRefreshesTheFigures) {
    click(150, 50);
    const int answersBefore = client.answers;
    client.edited = false;
    key(Qt::Key_Backspace);
    EXPECT_EQ(route().count(), 2);
    EXPECT_EQ(view->getCurrentPoint(), nullptr);
    EXPECT_GT(client.answers, answersBefore);
    EXPECT_FLOAT_EQ(client.shownDistance, route().totalDistance());
    EXPECT_TRUE(client.edited);

    click(50, 50);
    key(Qt::Key_Delete);
    EXPECT_EQ(route().count(), 2) << "the last two points stay";
    EXPECT_EQ(view->getCurrentPoint(), route().getnthItem(0));
}

TEST_F(Modify, ContextMenusOnInnerPointsOnly) {
    click(100, 50); // inserts a regular point between the ends
    route().getnthItem(2)->setWaypoint(true);

    rightClick(50, 50);
    rightClick(150, 150);
    EXPECT_FALSE(view->getWaypointContextMenu()->isVisible());
    EXPECT_FALSE(view->getRegularPointContextMenu()->isVisible());

    rightClick(100, 50);
    QMenu* regular = view->getRegularPointContextMenu();
    ASSERT_TRUE(regular->isVisible());
    EXPECT_EQ(view->getCurrentPoint(), route().getnthItem(1));
    ASSERT_EQ(regular->actions().size(), 1);
    EXPECT_EQ(regular->actions()[0]->text(), QStringLiteral("Make Waypoint"));
    regular->actions()[0]->trigger();
    regular->hide();
    EXPECT_TRUE(route().getnthItem(1)->isWaypoint());

    rightClick(150, 50);
    QMenu* waypoint = view->getWaypointContextMenu();
    ASSERT_TRUE(waypoint->isVisible());
    ASSERT_EQ(waypoint->actions().size(), 2);
    EXPECT_EQ(waypoint->actions()[0]->text(), QStringLiteral("Remove waypoint"));
    EXPECT_EQ(waypoint->actions()[1]->text(), QStringLiteral("Show Waypoint Details"));
    QSignalSpy details(view, &WandrelTracingView::showInfoRequested);
    waypoint->actions()[1]->trigger();
    EXPECT_EQ(details.count(), 1);
    waypoint->actions()[0]->trigger();
    waypoint->hide();
    EXPECT_FALSE(route().getnthItem(2)->isWaypoint());
}

TEST_F(Modify, ADistanceMarkerOffersMakeWaypoint) {
    click(100, 50);
    route().getnthItem(1)->setDistanceMarker();
    rightClick(100, 50);
    EXPECT_TRUE(view->getRegularPointContextMenu()->isVisible());
    view->getRegularPointContextMenu()->hide();
}

TEST_F(Modify, SecondaryPressAwayFromPointsUsesTheViewMenuInsideAndPassesOnOutside) {
    QMenu viewMenu;
    viewMenu.addAction(QStringLiteral("Something"));
    view->setTracingViewContextMenu(&viewMenu);
    rightClick(130, 80);
    EXPECT_TRUE(viewMenu.isVisible());
    viewMenu.hide();
    EXPECT_EQ(backdrop.presses, 0);

    rightClick(60, 140);
    EXPECT_FALSE(viewMenu.isVisible());
    EXPECT_EQ(backdrop.presses, 1);
}

TEST_F(Modify, ControlClickShowsThePointMenuAndSelectsAsAPrimaryClick) {
    click(100, 50);
    click(10, 10); // deselects
    QTest::mouseClick(view, Qt::LeftButton, Qt::ControlModifier, at(100, 50));
    EXPECT_TRUE(view->getRegularPointContextMenu()->isVisible());
    view->getRegularPointContextMenu()->hide();
    EXPECT_EQ(view->getCurrentPoint(), route().getnthItem(1));
    EXPECT_EQ(route().count(), 4) << "selecting, not inserting";
}

TEST_F(Modify, DoubleClickOnAWaypointIsKeptOtherwisePassedOn) {
    QTest::mouseDClick(view, Qt::LeftButton, {}, at(150, 50));
    QTest::mouseRelease(view, Qt::LeftButton, {}, at(150, 50));
    EXPECT_EQ(backdrop.presses, 1) << "a regular point has no details";
    QTest::mouseDClick(view, Qt::LeftButton, {}, at(50, 50));
    QTest::mouseRelease(view, Qt::LeftButton, {}, at(50, 50));
    EXPECT_EQ(backdrop.presses, 1);
    EXPECT_EQ(view->getCurrentPoint(), route().getnthItem(0));
}

// A finished triangle (50,50) (250,50) (50,250) in lock mode.
class Lock : public TracingViewTest {
protected:
    void SetUp() override { traceFinished({{50, 50}, {250, 50}, {50, 250}}); }
};

TEST_F(Lock, ADragInsideThePolygonMovesTheRouteWithThePointer) {
    drag({{80, 80}, {90, 70}, {95, 90}});
    // Up on screen is +y: (10, -10), then (5, +20).
    EXPECT_EQ(pointAt(0), QPointF(65, 60));
    EXPECT_EQ(pointAt(1), QPointF(265, 60));
    EXPECT_EQ(pointAt(2), QPointF(65, 260));
    EXPECT_FALSE(view->isBeingDragged());
    EXPECT_EQ(backdrop.presses, 1) << "the press itself is passed on";
}

TEST_F(Lock, ADragFromOutsideMovesNothingUntilThePointerEntersThePolygon) {
    QTest::mousePress(view, Qt::LeftButton, {}, at(200, 200));
    QTest::mouseMove(view, at(210, 200));
    EXPECT_EQ(pointAt(0), QPointF(50, 50));
    QTest::mouseMove(view, at(100, 100));
    EXPECT_EQ(pointAt(0), QPointF(-60, -50)) << "moved by the last step";
    QTest::mouseMove(view, at(105, 100));
    QTest::mouseRelease(view, Qt::LeftButton, {}, at(105, 100));
    EXPECT_EQ(pointAt(0), QPointF(-55, -50));
}

TEST_F(TracingViewTest, ATwoPointRouteCannotBeDragged) {
    traceFinished({{50, 50}, {250, 50}});
    drag({{150, 50}, {160, 60}});
    EXPECT_EQ(pointAt(0), QPointF(50, 50));
    EXPECT_EQ(pointAt(1), QPointF(250, 50));
}

TEST_F(TracingViewTest, WithoutAControllerDragsDoNothing) {
    traceFinished({{50, 50}, {250, 50}, {50, 250}});
    view->setController(nullptr);
    drag({{80, 80}, {90, 90}});
    EXPECT_EQ(pointAt(0), QPointF(50, 50));
}

TEST_F(TracingViewTest, RouteHitTestFillsThePolygonWithNonZeroWinding) {
    // A five-pointed star drawn in one stroke winds twice round its centre.
    traceFinished({{150, 250}, {91, 69}, {245, 181}, {55, 181}, {209, 69}});
    const auto inside = [this](double x, double y) {
        TracingEvent e;
        e.location = QPointF(x, y);
        return view->routeHitTest(e);
    };
    EXPECT_TRUE(inside(150, 150)) << "the centre";
    EXPECT_TRUE(inside(150, 230)) << "a tip";
    EXPECT_FALSE(inside(100, 230));
    EXPECT_FALSE(inside(10, 10));
}

TEST_F(TracingViewTest, HoveringWhileFinishedIsPassedOn) {
    click(10, 10);
    hover(40, 40);
    EXPECT_EQ(backdrop.moves, 0);
    key(Qt::Key_Escape);
    hover(50, 50);
    EXPECT_EQ(backdrop.moves, 1);
}

} // namespace
