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

// The route's loops against the formulas written out point by point, over
// awkward coordinates: every figure must agree to the bit.
TEST(RouteMeasureTest, TotalsAreThePlainFormulasToTheBit) {
    Route route;
    std::vector<std::pair<float, float>> xys;
    uint32_t state = 7;
    const auto draw = [&state] {
        state = state * 1664525u + 1013904223u;
        return static_cast<float>(static_cast<int32_t>(state)) / 30000.0f;
    };
    for (int i = 0; i < 3000; ++i) {
        xys.emplace_back(draw(), draw());
        route.add(xys.back().first, xys.back().second,
                  i % 1000 == 0 ? MyPoint::Waypoint : MyPoint::Regular);
    }
    float length = 0;
    float toLastWaypoint = 0;
    float area = 0;
    for (size_t i = 0; i + 1 < xys.size(); ++i) {
        const auto [ax, ay] = xys[i];
        const auto [bx, by] = xys[i + 1];
        const float dx = std::fabs(ax - bx);
        const float dy = std::fabs(ay - by);
        length = float(double(length) + std::sqrt(double(dx * dx + dy * dy)));
        toLastWaypoint = i < 2000 ? length : toLastWaypoint;
        area = area + ax * by;
        area = area - bx * ay;
    }
    area = area + xys.back().first * xys.front().second;
    area = area - xys.front().first * xys.back().second;
    EXPECT_EQ(route.totalDistance(), length);
    EXPECT_EQ(route.totalArea(), std::fabs(area / 2));
    EXPECT_EQ(route.distanceBetweennthWaypoint(0, 2), toLastWaypoint);
}

// Walks in no particular order read the points in place unless a removed
// point's slot lies among them; either way each point counts once.
TEST(RouteMeasureTest, WholeRouteEditsReachEveryPointOnceAroundRemovedOnes) {
    Route route{{0, 0}, {10, 0}, {20, 0}, {30, 0}};
    route.getnthItem(1)->setWaypoint(true);
    route.getnthItem(3)->setWaypoint(true);
    for (int pass = 0; pass < 3; ++pass) {
        route.applyTransformX(1, 2);
        route.applyScale(2);
        EXPECT_EQ(route.WaypointCount(), 2);
        if (pass == 0)
            route.deleteItem(route.getnthItem(2)); // leaves a free slot
        if (pass == 1)
            route.add(0, 0); // fills it again
    }
    EXPECT_EQ(route.getnthItem(0)->getX(), 14.0f);
    EXPECT_EQ(route.getnthItem(2)->getY(), 28.0f);
    EXPECT_EQ(route.getnthItem(3)->getX(), 2.0f) << "moved by the last pass only";
}

TEST(RouteLookUpTest, NearestIsBelowTenAndEarliestOnTies) {
    Route route{{100, 100}, {110, 100}, {100, 100}};
    EXPECT_EQ(route.getNearestPointToX(96, 105), route.getFirstItem());
    EXPECT_EQ(route.getNearestPointToX(95, 105), nullptr);
    EXPECT_EQ(route.getNearestPointToX(105, 100), route.getFirstItem());
    EXPECT_EQ(route.getNearestPointToX(106, 100), route.getnthItem(1));
}

TEST(RouteInsertTest, GoesIntoTheClickedSegmentsBoxNearestEndsFirst) {
    Route route{{0, 0}, {100, 0}, {100, 100}};
    FakeTable table;
    route.setRouteInspectorTableView(&table);
    EXPECT_EQ(route.insertPointatX(50, 1), nullptr);
    EXPECT_EQ(route.insertPointatX(std::nextafter(100.0f, 200.0f), 50), nullptr);
    EXPECT_EQ(route.indexOf(route.insertPointatX(100, 50)), 2);
    EXPECT_EQ(route.indexOf(route.insertPointatX(50, 0)), 1);
    route.add(0, 100);
    EXPECT_EQ(table.reloads, 3);

    // The least sum of distances to the ends wins, the earliest on ties.
    Route tie{{0, 0}, {100, 0}, {200, 0}};
    EXPECT_EQ(tie.indexOf(tie.insertPointatX(100, 0)), 1);
    Route nearer{{0, 0}, {100, 100}, {10, 0}}; // both boxes hold (20, 10)
    EXPECT_EQ(nearer.indexOf(nearer.insertPointatX(20, 10)), 2);
    EXPECT_EQ(Route({{10, 10}}).insertPointatX(10, 10), nullptr);
    // Anywhere on a segment the two end distances sum to its length.
    EXPECT_EQ(Route({{0, 0}, {1000, 0}}).insertPointatX(500, 0), nullptr);
    EXPECT_NE(Route({{0, 0}, {999, 0}}).insertPointatX(500, 0), nullptr);
}

TEST(RouteWaypointTest, LegsRunThroughEveryKindOfPointAndEmptyRoutesStayFinite) {
    // A zigzag of 5-pixel segments, waypoints at 0, 4 and 9, a marker at 8.
    Route route;
    for (int i = 0; i < 12; ++i)
        route.add(float(3 * i), float(i % 2 * 4),
                  i % 4 && i != 9 ? MyPoint::Regular : MyPoint::Waypoint);
    route.getnthItem(8)->setDistanceMarker();
    FakeTable table;
    EXPECT_EQ(route.numberOfRowsInTableView(&table), 3) << "a table's rows are the waypoints";
    EXPECT_EQ(route.totalDistance(), 55.0f);
    EXPECT_EQ(route.distanceBetweennthWaypoint(0, 2), 45.0f);
    EXPECT_EQ(route.distanceBetweennthWaypoint(2, 1), 0.0f);
    EXPECT_EQ(route.distanceBetweennthWaypoint(7, 1), 20.0f) << "a missing waypoint is the start";
    EXPECT_TRUE(route.isPointFinishPoint(route.getLastPoint()));
    route.getnthItem(8)->setWaypoint(false);
    EXPECT_EQ(route.getnthItem(8)->getPointType(), MyPoint::Regular) << "a point has one kind";

    Route empty;
    EXPECT_FALSE(empty.isPointFinishPoint(nullptr)) << "-1 is not the last index";
    EXPECT_TRUE(empty.getMinX() == 0 && empty.getMinY() == 0);
    const Route lone{{40, 5}};
    EXPECT_TRUE(lone.totalDistance() == 0 && lone.totalArea() == 0);
    const Route spread{{40, 5}, {70, -3}, {35, 8}};
    EXPECT_TRUE(spread.getMinX() == 35 && spread.getMinY() == -3);
}
