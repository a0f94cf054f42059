#include "model/PointDataSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

namespace {

struct Route : PointDataSource {
    Route(std::initializer_list<std::pair<float, float>> xys = {}) {
        for (const auto& [x, y] : xys)
            add(x, y);
    }
};

struct FakeTable : TableView {
    void reloadData() override { ++reloads; }
    Rect enclosingScrollFrame() const override { return {}; }
    void setEnclosingScrollFrame(const Rect& /*frame*/) override {}
    int reloads = 0;
};

} // namespace

TEST(RouteMeasureTest, LengthIsOpenAreaIsClosedBothInFloatSteps) {
    EXPECT_EQ(Route({{0, 0}, {100, 0}, {100, 100}, {0, 100}}).totalDistance(), 300.0f);
    EXPECT_EQ(Route({{0, 100}, {100, 100}, {100, 0}, {0, 0}}).totalArea(), 10000.0f);
    EXPECT_EQ(Route({{10, 10}, {110, 10}, {110, 110}}).totalArea(), 5000.0f);
    // A float step at 2^26 is 8, so each 3 added is lost; a double sum would keep 9.
    const float far = 67108864.0f;
    EXPECT_EQ(Route({{0, 0}, {0, far}, {3, far}, {6, far}, {9, far}}).totalDistance(), far);
    EXPECT_EQ(Route({{0, 0}, {600, 800}, {602, 822.5f}}).totalDistance(),
              static_cast<float>(1000.0 + std::sqrt(2.0 * 2.0 + 22.5 * 22.5)));
    // Exactly 33556477.03; single-precision products land on 33556472.
    Route wide{{4097.25f, 1}, {8193.25f, 4097.25f}, {4100.25f, 8193.25f}, {1, 4095.25f}};
    EXPECT_EQ(wide.totalArea(), 33556472.0f);
}

TEST(RouteLookUpTest, NearestIsBelowTenAndEarliestOnTies) {
    Route route{{100, 100}, {110, 100}, {100, 100}};
    EXPECT_EQ(route.getNearestPointToX(96, 105), route.getFirstItem());
    EXPECT_EQ(route.getNearestPointToX(95, 105), nullptr);
    EXPECT_EQ(route.getNearestPointToX(105, 100), route.getFirstItem());
    EXPECT_EQ(route.getNearestPointToX(106, 100), route.getnthItem(1));
    const auto far =
        PointDataSource::newPointBetweenThisPoint(MyPoint(10, 10), MyPoint(20, -10), 2);
    EXPECT_TRUE(far->getX() == 30 && far->getY() == -30);
}

TEST(RouteInsertTest, GoesIntoTheClickedSegmentsBoxWithoutTolerance) {
    Route route{{0, 0}, {100, 0}, {100, 100}};
    FakeTable table;
    route.setRouteInspectorTableView(&table);
    EXPECT_EQ(route.insertPointatX(50, 1), nullptr);
    EXPECT_EQ(route.insertPointatX(std::nextafter(100.0f, 200.0f), 50), nullptr);
    EXPECT_EQ(route.indexOf(route.insertPointatX(100, 50)), 2);
    EXPECT_EQ(route.indexOf(route.insertPointatX(50, 0)), 1);
    route.add(0, 100);
    EXPECT_EQ(table.reloads, 3);
}

TEST(RouteInsertTest, LeastEndSumWinsEarliestOnTiesBelowOneThousand) {
    Route tie{{0, 0}, {100, 0}, {200, 0}};
    EXPECT_EQ(tie.indexOf(tie.insertPointatX(100, 0)), 1);
    Route nearer{{0, 0}, {100, 100}, {10, 0}}; // both boxes hold (20, 10)
    EXPECT_EQ(nearer.indexOf(nearer.insertPointatX(20, 10)), 2);
    EXPECT_EQ(Route({{10, 10}}).insertPointatX(10, 10), nullptr);
    // Anywhere on a segment the two end distances sum to its length.
    EXPECT_EQ(Route({{0, 0}, {1000, 0}}).insertPointatX(500, 0), nullptr);
    EXPECT_NE(Route({{0, 0}, {999, 0}}).insertPointatX(500, 0), nullptr);
}

TEST(RouteWaypointTest, WalksAndLegsFollowRouteOrder) {
    // A zigzag of 5-pixel segments, waypoints at 0, 4 and 9, a marker at 8.
    Route route;
    for (int i = 0; i < 12; ++i)
        route.add(float(3 * i), float(i % 2 * 4),
                  i % 4 && i != 9 ? MyPoint::Regular : MyPoint::Waypoint);
    route.getnthItem(8)->setDistanceMarker();
    FakeTable table;
    EXPECT_EQ(route.numberOfRowsInTableView(&table), 3);
    EXPECT_EQ(route.getnthWaypoint(1), route.getnthItem(4));
    EXPECT_EQ(route.getnthWaypoint(3), nullptr);
    EXPECT_EQ(route.pointNumberForWaypoint(2), 9);
    EXPECT_EQ(route.pointNumberForWaypoint(3), 0);
    EXPECT_EQ(route.totalDistance(), 55.0f) << "every kind of point is a vertex";
    EXPECT_EQ(route.distanceBetweennthWaypoint(0, 2), 45.0f);
    EXPECT_EQ(route.distanceBetweennthWaypoint(1, 2), 25.0f);
    EXPECT_EQ(route.distanceBetweennthWaypoint(2, 1), 0.0f);
    EXPECT_EQ(route.distanceBetweennthWaypoint(7, 1), 20.0f) << "a missing waypoint is the start";
}

TEST(RouteEndsTest, StartFinishBoundsAndEmptyRoutes) {
    Route empty;
    empty.setFirstAndLastAsWaypoints();
    EXPECT_FALSE(empty.isPointFinishPoint(nullptr));
    EXPECT_TRUE(empty.getMinX() == 0 && empty.getMinY() == 0 && empty.getWidth() == 0);
    Route route{{40, 5}};
    route.setFirstAndLastAsWaypoints();
    EXPECT_TRUE(route.getFirstItem()->isWaypoint() &&
                route.isPointFinishPoint(route.getFirstItem()));
    EXPECT_TRUE(route.totalDistance() == 0 && route.totalArea() == 0);
    MyPoint* middle = route.add(70, -3);
    route.add(55, 8);
    route.setFirstAndLastAsWaypoints();
    EXPECT_TRUE(route.getLastPoint()->isWaypoint() && !middle->isWaypoint());
    EXPECT_TRUE(route.getMinX() == 40 && route.getMinY() == -3 && route.getWidth() == 30);
    EXPECT_EQ(Route({{-50, 0}, {-20, 0}}).getWidth(), 50.0f) << "greatest x starts at 0";
}

TEST(RouteHooksTest, ObserverHearsOfEachPointWhileItStillStands) {
    Route route{{0, 0}, {10, 1}, {20, 2}, {30, 3}};
    std::vector<std::pair<float, int64_t>> told; // the point's x and the count, when told
    route.setRemovalObserver(
        [&](const MyPoint* p) { told.emplace_back(p->getX(), route.count()); });
    const MyPoint stranger;
    route.deleteItem(&stranger);
    route.deleteItem(route.getnthItem(1));
    route.deleteLastItem();
    route.clear();
    route.deleteLastItem();
    EXPECT_EQ(told, (std::vector<std::pair<float, int64_t>>{{10, 4}, {30, 3}, {0, 2}, {20, 2}}));
}
