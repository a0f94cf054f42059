#include "model/PointDataSource.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Others hold points by address, so edits must leave other points where they
// are. Under AddressSanitizer a removed point's slot is poisoned, so a stray
// read of one fails these tests.

namespace {

// A zigzag along x: point i at (10 i, 3 (i mod 2)), every fifth a waypoint.
void zigzag(PointDataSource& route, int n) {
    for (int i = 0; i < n; ++i)
        route.add(float(10 * i), float(i % 2 * 3), i % 5 ? MyPoint::Regular : MyPoint::Waypoint);
}

std::vector<MyPoint*> pointsOf(const PointDataSource& route, bool markers) {
    std::vector<MyPoint*> out;
    for (int64_t i = 0; i < route.count(); ++i)
        if (markers == route.getnthItem(i)->isDistanceMarker())
            out.push_back(route.getnthItem(i));
    return out;
}

} // namespace

TEST(RoutePointIdentityTest, EditsLeaveOtherPointsInPlace) {
    PointDataSource route;
    zigzag(route, 10);
    std::vector<MyPoint*> expected = pointsOf(route, false);
    MyPoint* inserted = route.insertPointatX(25, 1.5f);
    route.deleteItem(expected[5]);
    expected.erase(expected.begin() + 5);
    expected.insert(expected.begin() + 3, inserted);
    route.addMarkersAt(7, "m", 1);
    EXPECT_EQ(pointsOf(route, false), expected);
    const std::vector<MyPoint*> markers = pointsOf(route, true);
    route.removeDistanceMarkers();
    EXPECT_EQ(route.count(), 10);
    EXPECT_EQ(pointsOf(route, false), expected);
    route.addMarkersAt(7, "m", 1);
    EXPECT_EQ(pointsOf(route, true), markers) << "the same slots, in route order";
    route.removeDistanceMarkers();
    EXPECT_TRUE(expected[9]->getX() == 90 && expected[9]->getY() == 3 && inserted->getX() == 25);

    MyPoint* kept = route.add(std::make_unique<MyPoint>(4, 5, MyPoint::Waypoint));
    EXPECT_TRUE(kept == route.getLastPoint() && kept->getX() == 4 && kept->isWaypoint());
    EXPECT_EQ(route.add(nullptr), nullptr);
    EXPECT_EQ(route.pointArena().live(), 11u);
}

TEST(RoutePointIdentityTest, RemovedPointsAreReportedWholeAndNeverReadAgain) {
    PointDataSource route;
    zigzag(route, 40);
    std::vector<float> told; // x of each point reported, -1 for a marker
    route.setRemovalObserver([&](const MyPoint* p) {
        told.push_back(p->isDistanceMarker() ? -1 : p->getX());
        EXPECT_GE(route.indexOf(p), 0) << "still in the route";
        EXPECT_EQ(route.pointArena().live(), size_t(route.count())) << "not yet destroyed";
    });
    route.addMarkersAt(33, "m", 1);
    const size_t markers = pointsOf(route, true).size();
    route.removeDistanceMarkers();
    const MyPoint stranger(170, 0);
    route.deleteItem(&stranger);
    route.deleteItem(route.getnthItem(17));
    route.deleteLastItem();
    std::vector<float> expected(markers, -1);
    expected.insert(expected.end(), {170, 390});
    EXPECT_EQ(told, expected);

    PointDataSource same;
    for (const MyPoint* p : pointsOf(route, false))
        same.add(p->getX(), p->getY(), MyPoint::Kind(p->getPointType()));
    EXPECT_EQ(route.totalDistance(), same.totalDistance());
    EXPECT_EQ(route.totalArea(), same.totalArea());
    EXPECT_EQ(route.distanceBetweennthWaypoint(1, 6), same.distanceBetweennthWaypoint(1, 6));
    EXPECT_EQ(route.getNearestPointToX(172, 1)->getX(), 180.0f) << "170 is gone";
    EXPECT_EQ(route.indexOf(route.insertPointatX(155, 1.5f)), 16);

    told.clear();
    route.clear();
    route.deleteLastItem();
    EXPECT_EQ(told.size(), 39u);
    EXPECT_EQ(route.pointArena().live(), 0u);
}
