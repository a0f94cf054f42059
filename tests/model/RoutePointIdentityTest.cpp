#include "model/PointDataSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

// Points are held by address elsewhere (the tracing view's current and
// dragged point), so edits must leave other points where they are, and a
// removed point must be reported while it is still whole and never read
// again. Under AddressSanitizer a removed point's slot is poisoned, so a
// stray read of one fails these tests.

namespace {

// A zigzag along x: point i at (10 i, 3 (i mod 2)), every fifth a waypoint.
void zigzag(PointDataSource& route, int n) {
    for (int i = 0; i < n; ++i)
        route.add(float(10 * i), float(i % 2 * 3), i % 5 ? MyPoint::Regular : MyPoint::Waypoint);
}

std::vector<MyPoint*> pointsOf(const PointDataSource& route, bool withMarkers = true) {
    std::vector<MyPoint*> out;
    for (int64_t i = 0; i < route.count(); ++i)
        if (withMarkers || !route.getnthItem(i)->isDistanceMarker())
            out.push_back(route.getnthItem(i));
    return out;
}

std::vector<MyPoint*> markersOf(const PointDataSource& route) {
    std::vector<MyPoint*> out;
    for (MyPoint* p : pointsOf(route))
        if (p->isDistanceMarker())
            out.push_back(p);
    return out;
}

} // namespace

TEST(RoutePointIdentityTest, EditsLeaveOtherPointsInPlace) {
    PointDataSource route;
    zigzag(route, 10);
    std::vector<MyPoint*> expected = pointsOf(route);
    MyPoint* inserted = route.insertPointatX(25, 1.5f);
    route.deleteItem(expected[5]);
    expected.erase(expected.begin() + 5);
    expected.insert(expected.begin() + 3, inserted);
    route.addMarkersAt(7, "m", 1);
    EXPECT_EQ(pointsOf(route, false), expected);
    route.removeDistanceMarkers();
    EXPECT_EQ(pointsOf(route), expected);
    EXPECT_TRUE(expected[9]->getX() == 90 && expected[9]->getY() == 3 && inserted->getX() == 25);

    auto handed = std::make_unique<MyPoint>(4, 5, MyPoint::Waypoint);
    MyPoint* kept = route.add(std::move(handed));
    EXPECT_TRUE(kept == route.getLastPoint() && kept->getX() == 4 && kept->isWaypoint());
    EXPECT_EQ(route.add(nullptr), nullptr);
    EXPECT_EQ(route.pointArena().live(), 11u);
}

TEST(RoutePointIdentityTest, RemovedPointsAreReportedWholeAndNeverReadAgain) {
    PointDataSource route;
    zigzag(route, 40);
    std::vector<float> told; // x of each point reported
    route.setRemovalObserver([&](const MyPoint* p) {
        told.push_back(p->isDistanceMarker() ? -1 : p->getX());
        EXPECT_EQ(route.pointArena().live(), size_t(route.count())) << "not yet destroyed";
    });
    route.addMarkersAt(33, "m", 1);
    const size_t markers = markersOf(route).size();
    route.removeDistanceMarkers();
    route.deleteItem(route.getnthItem(17));
    route.deleteLastItem();
    std::vector<float> expected(markers, -1);
    expected.insert(expected.end(), {170, 390});
    EXPECT_EQ(told, expected);

    PointDataSource same;
    for (const MyPoint* p : pointsOf(route))
        same.add(p->getX(), p->getY(), MyPoint::Kind(p->getPointType()));
    EXPECT_EQ(route.totalDistance(), same.totalDistance());
    EXPECT_EQ(route.totalArea(), same.totalArea());
    EXPECT_EQ(route.distanceBetweennthWaypoint(1, 6), same.distanceBetweennthWaypoint(1, 6));
    EXPECT_EQ(route.getNearestPointToX(172, 1)->getX(), 180.0f) << "170 is gone";
    EXPECT_TRUE(route.getMinX() == 0 && route.getWidth() == 380);
    route.applyScale(2);
    route.applyTransformX(1, 1);
    EXPECT_EQ(route.indexOf(route.insertPointatX(311, 4)), 16);
    route.addMarkersAt(50, "m", 1);
    route.clear();
    EXPECT_EQ(route.pointArena().live(), 0u);
}

TEST(RoutePointIdentityTest, RetracingAndReplacingMarkersReuseMemory) {
    PointDataSource route;
    size_t most = 0;
    for (int round = 0; round < 30; ++round) {
        zigzag(route, 2500);
        route.addMarkersAt(25, "m", 1);
        most = std::max(most, route.pointArena().capacity());
        route.clear();
        EXPECT_EQ(route.pointArena().capacity(), PointArena::chunkPoints);
    }
    EXPECT_EQ(most, 4 * PointArena::chunkPoints) << "2,500 points and some 1,040 markers";

    zigzag(route, 2500);
    route.addMarkersAt(25, "m", 1);
    const std::vector<MyPoint*> first = markersOf(route);
    const size_t capacity = route.pointArena().capacity();
    for (int round = 0; round < 10; ++round) {
        route.addMarkersAt(25, "m", 1);
        route.deleteItem(route.insertPointatX(15, 1.5f));
    }
    EXPECT_EQ(markersOf(route), first) << "the same slots, in route order";
    EXPECT_EQ(route.pointArena().capacity(), capacity);
}
