#include "model/PointDataSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <utility>
#include <vector>

namespace {

using XY = std::pair<float, float>;

void fill(PointDataSource& route, std::initializer_list<XY> xys) {
    for (const auto& [x, y] : xys)
        route.add(x, y);
}

// Length as the figures promise it: float squares, double root, each step
// of the running sum rounded back to float.
float lengthInFloatSteps(const std::vector<XY>& xys) {
    float sum = 0;
    for (size_t i = 0; i + 1 < xys.size(); ++i) {
        const float dx = std::fabs(xys[i].first - xys[i + 1].first);
        const float dy = std::fabs(xys[i].second - xys[i + 1].second);
        const float s = dx * dx + dy * dy;
        sum = static_cast<float>(static_cast<double>(sum) + std::sqrt(static_cast<double>(s)));
    }
    return sum;
}

double lengthInDouble(const std::vector<XY>& xys) {
    double sum = 0;
    for (size_t i = 0; i + 1 < xys.size(); ++i)
        sum += std::hypot(double(xys[i].first) - xys[i + 1].first,
                          double(xys[i].second) - xys[i + 1].second);
    return sum;
}

// Ten points with waypoints at 0, 4 and 9, then two regular points after.
class WaypointRouteTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 12; ++i) {
            const bool waypoint = i == 0 || i == 4 || i == 9;
            route.add(float(i * 10), float((i % 3) * 7),
                      waypoint ? MyPoint::Waypoint : MyPoint::Regular);
        }
    }

    float lengthUpTo(int64_t last) const {
        PointDataSource prefix;
        for (int64_t i = 0; i <= last; ++i)
            prefix.add(route.getnthItem(i)->getX(), route.getnthItem(i)->getY());
        return prefix.totalDistance();
    }

    PointDataSource route;
};

} // namespace

TEST(RouteLengthTest, ShortRoutesMeasureZero) {
    PointDataSource route;
    EXPECT_EQ(route.totalDistance(), 0.0f);
    EXPECT_EQ(route.totalArea(), 0.0f);
    route.add(5, 5);
    EXPECT_EQ(route.totalDistance(), 0.0f);
    EXPECT_EQ(route.totalArea(), 0.0f);
}

TEST(RouteLengthTest, OpenRouteHasNoClosingSegment) {
    PointDataSource line;
    fill(line, {{0, 0}, {3, 4}});
    EXPECT_EQ(line.totalDistance(), 5.0f);
    EXPECT_EQ(line.totalArea(), 0.0f);

    PointDataSource square;
    fill(square, {{0, 0}, {100, 0}, {100, 100}, {0, 100}});
    EXPECT_EQ(square.totalDistance(), 300.0f);
}

TEST(RouteLengthTest, EveryKindOfPointIsAVertex) {
    PointDataSource route;
    route.add(0, 0, MyPoint::Waypoint);
    route.add(0, 30, MyPoint::DistanceMarker);
    route.add(40, 30);
    route.add(40, 0, MyPoint::Waypoint);
    EXPECT_EQ(route.totalDistance(), 100.0f);
    EXPECT_EQ(route.totalArea(), 1200.0f);
}

TEST(RouteLengthTest, RunningSumIsRoundedToFloatAtEachStep) {
    std::vector<XY> xys;
    for (int i = 0; i < 200; ++i)
        xys.emplace_back(float(i) * 0.7f + float(i % 3) * 0.13f,
                         float(i % 5) * 0.31f + float(i) * 0.05f);
    PointDataSource route;
    for (const auto& [x, y] : xys)
        route.add(x, y);

    const float expected = lengthInFloatSteps(xys);
    ASSERT_NE(expected, static_cast<float>(lengthInDouble(xys)));
    EXPECT_EQ(route.totalDistance(), expected);
}

TEST(RouteLengthTest, RootIsAddedInDoubleBeforeRounding) {
    PointDataSource route;
    fill(route, {{0, 0}, {600, 800}, {602, 822.5f}});
    const double root = std::sqrt(static_cast<double>(2.0f * 2.0f + 22.5f * 22.5f));
    const float expected = static_cast<float>(1000.0 + root);
    ASSERT_NE(expected, 1000.0f + static_cast<float>(root));
    EXPECT_EQ(route.totalDistance(), expected);
    EXPECT_EQ(PointDataSource::distanceBetweenThisPoint(*route.getnthItem(1), *route.getnthItem(2)),
              static_cast<float>(root));
}

TEST(RouteAreaTest, SquareInEitherDirectionIncludesClosingEdge) {
    PointDataSource forward;
    fill(forward, {{0, 0}, {100, 0}, {100, 100}, {0, 100}});
    EXPECT_EQ(forward.totalArea(), 10000.0f);

    PointDataSource backward;
    fill(backward, {{0, 100}, {100, 100}, {100, 0}, {0, 0}});
    EXPECT_EQ(backward.totalArea(), 10000.0f);

    PointDataSource shifted;
    fill(shifted, {{10, 110}, {10, 10}, {110, 10}, {110, 110}});
    EXPECT_EQ(shifted.totalArea(), 10000.0f);

    // Only the closing edge makes this open L enclose anything.
    PointDataSource open;
    fill(open, {{0, 0}, {100, 0}, {100, 100}});
    EXPECT_EQ(open.totalArea(), 5000.0f);
}

TEST(RouteAreaTest, ProductsAreRoundedToFloat) {
    PointDataSource route;
    fill(route, {{4097.25f, 1}, {8193.25f, 4097.25f}, {4100.25f, 8193.25f}, {1, 4095.25f}});
    // Exactly 33556477.03; single-precision steps land on 33556472.
    EXPECT_EQ(route.totalArea(), 33556472.0f);
}

TEST(NearestPointTest, ManhattanDistanceBelowTenQualifies) {
    PointDataSource route;
    MyPoint* p = route.add(100, 100);
    EXPECT_EQ(route.getNearestPointToX(104, 105), p);
    EXPECT_EQ(route.getNearestPointToX(96, 95), p);
    EXPECT_EQ(route.getNearestPointToX(105, 105), nullptr);
    EXPECT_EQ(route.getNearestPointToX(90, 100), nullptr);
    EXPECT_EQ(PointDataSource().getNearestPointToX(0, 0), nullptr);
}

TEST(NearestPointTest, EarliestWinsTiesLaterMustBeStrictlyCloser) {
    PointDataSource route;
    MyPoint* first = route.add(100, 100);
    MyPoint* second = route.add(110, 100);
    EXPECT_EQ(route.getNearestPointToX(105, 100), first);
    EXPECT_EQ(route.getNearestPointToX(106, 100), second);

    // A later point at the same place as an earlier one is never picked.
    route.add(100, 100);
    EXPECT_EQ(route.getNearestPointToX(101, 101), first);
}

TEST(InsertPointTest, InsertsIntoTheClickedSegment) {
    PointDataSource route;
    fill(route, {{0, 0}, {100, 0}, {100, 100}});
    MyPoint* mid = route.insertPointatX(50, 0);
    ASSERT_NE(mid, nullptr);
    EXPECT_EQ(route.indexOf(mid), 1);
    EXPECT_EQ(mid->getPointType(), MyPoint::Regular);
    EXPECT_EQ(mid->getX(), 50.0f);

    MyPoint* side = route.insertPointatX(100, 50);
    ASSERT_NE(side, nullptr);
    EXPECT_EQ(route.indexOf(side), 3);
    EXPECT_EQ(route.count(), 5);
    EXPECT_EQ(route.totalDistance(), 200.0f);
}

TEST(InsertPointTest, BoxTestHasNoTolerance) {
    PointDataSource route;
    fill(route, {{0, 0}, {100, 0}, {100, 100}});
    EXPECT_EQ(route.insertPointatX(50, 1), nullptr);
    EXPECT_EQ(route.insertPointatX(std::nextafter(100.0f, 200.0f), 50), nullptr);
    EXPECT_EQ(route.insertPointatX(-0.5f, 0), nullptr);
    EXPECT_EQ(route.count(), 3);
    // The ends of the box are inside.
    EXPECT_NE(route.insertPointatX(100, 100), nullptr);
}

TEST(InsertPointTest, LeastSumOfEndDistancesWinsEarliestOnTies) {
    PointDataSource tie;
    fill(tie, {{0, 0}, {100, 0}, {200, 0}});
    EXPECT_EQ(tie.indexOf(tie.insertPointatX(100, 0)), 1);

    // Both boxes hold (20, 10); the second segment's ends are nearer.
    PointDataSource nearer;
    fill(nearer, {{0, 0}, {100, 100}, {10, 0}});
    EXPECT_EQ(nearer.indexOf(nearer.insertPointatX(20, 10)), 2);
}

TEST(InsertPointTest, NeedsTwoPointsAndASumBelowOneThousand) {
    PointDataSource single;
    single.add(10, 10);
    EXPECT_EQ(single.insertPointatX(10, 10), nullptr);
    EXPECT_EQ(single.count(), 1);

    // Anywhere on a segment the two end distances sum to its length.
    PointDataSource longLine;
    fill(longLine, {{0, 0}, {1000, 0}});
    EXPECT_EQ(longLine.insertPointatX(500, 0), nullptr);
    PointDataSource shorter;
    fill(shorter, {{0, 0}, {999, 0}});
    EXPECT_NE(shorter.insertPointatX(500, 0), nullptr);
}

TEST(BoxTest, EitherOrderOfEndsInclusive) {
    const MyPoint a(10, 20), b(0, 40);
    EXPECT_TRUE(PointDataSource::isBetween(MyPoint(5, 30), a, b));
    EXPECT_TRUE(PointDataSource::isBetween(MyPoint(5, 30), b, a));
    EXPECT_TRUE(PointDataSource::isBetween(MyPoint(0, 20), a, b));
    EXPECT_FALSE(PointDataSource::isBetween(MyPoint(11, 30), a, b));
    EXPECT_FALSE(PointDataSource::isBetween(MyPoint(5, 41), b, a));
}

TEST_F(WaypointRouteTest, WalksCountWaypointsInRouteOrder) {
    EXPECT_EQ(route.WaypointCount(), 3);
    EXPECT_EQ(route.getnthWaypoint(0), route.getnthItem(0));
    EXPECT_EQ(route.getnthWaypoint(1), route.getnthItem(4));
    EXPECT_EQ(route.getnthWaypoint(3), nullptr);
    EXPECT_EQ(route.getnthWaypoint(-1), nullptr);
    EXPECT_EQ(route.pointNumberForWaypoint(1), 4);
    EXPECT_EQ(route.pointNumberForWaypoint(2), 9);
    EXPECT_EQ(route.pointNumberForWaypoint(3), 0);
    EXPECT_EQ(route.pointNumberForWaypoint(-1), 0);
    EXPECT_EQ(route.numberOfRowsInTableView(nullptr), 12);
}

TEST_F(WaypointRouteTest, MarkersAreNotWaypoints) {
    route.getnthItem(2)->setDistanceMarker();
    route.getnthItem(4)->setDistanceMarker();
    EXPECT_EQ(route.WaypointCount(), 2);
    EXPECT_EQ(route.pointNumberForWaypoint(1), 9);
}

TEST_F(WaypointRouteTest, LegLengthsFollowTheRoute) {
    EXPECT_EQ(route.distanceBetweennthWaypoint(0, 2), lengthUpTo(9));
    EXPECT_LT(route.distanceBetweennthWaypoint(0, 2), route.totalDistance());
    EXPECT_EQ(route.distanceBetweennthWaypoint(0, 1), lengthUpTo(4));
    EXPECT_GT(route.distanceBetweennthWaypoint(1, 2), 0.0f);
}

TEST_F(WaypointRouteTest, BackwardEmptyAndMissingLegs) {
    EXPECT_EQ(route.distanceBetweennthWaypoint(2, 0), 0.0f);
    EXPECT_EQ(route.distanceBetweennthWaypoint(1, 1), 0.0f);
    // A missing waypoint stands for the start of the route.
    EXPECT_EQ(route.distanceBetweennthWaypoint(0, 7), 0.0f);
    EXPECT_EQ(route.distanceBetweennthWaypoint(7, 1), lengthUpTo(4));
    EXPECT_EQ(PointDataSource().distanceBetweennthWaypoint(0, 1), 0.0f);
}

TEST(RouteEndsTest, StartFinishAndWaypointEnds) {
    PointDataSource route;
    EXPECT_EQ(route.getLastPoint(), nullptr);
    route.setFirstAndLastAsWaypoints();
    MyPoint* only = route.add(1, 1, MyPoint::DistanceMarker);
    EXPECT_TRUE(route.isPointStartPoint(only));
    EXPECT_TRUE(route.isPointFinishPoint(only));
    route.setFirstAndLastAsWaypoints();
    EXPECT_TRUE(only->isWaypoint());

    MyPoint* middle = route.add(2, 2);
    MyPoint* last = route.add(3, 3);
    EXPECT_EQ(route.getLastPoint(), last);
    route.setFirstAndLastAsWaypoints();
    EXPECT_TRUE(last->isWaypoint());
    EXPECT_FALSE(middle->isWaypoint());
    EXPECT_FALSE(route.isPointStartPoint(middle));
    EXPECT_FALSE(route.isPointFinishPoint(middle));

    const MyPoint stranger;
    EXPECT_FALSE(route.isPointStartPoint(&stranger));
    EXPECT_FALSE(route.isPointFinishPoint(&stranger));
    EXPECT_FALSE(route.isPointStartPoint(nullptr));
    EXPECT_FALSE(route.isPointFinishPoint(nullptr));
}

TEST(RouteBoundsTest, LeastCoordinatesAndWidth) {
    PointDataSource empty;
    EXPECT_EQ(empty.getMinX(), 0.0f);
    EXPECT_EQ(empty.getMinY(), 0.0f);
    EXPECT_EQ(empty.getWidth(), 0.0f);

    PointDataSource route;
    fill(route, {{40, 5}, {70, -3}, {55, 8}});
    EXPECT_EQ(route.getMinX(), 40.0f);
    EXPECT_EQ(route.getMinY(), -3.0f);
    EXPECT_EQ(route.getWidth(), 30.0f);

    PointDataSource single;
    single.add(40, 12);
    EXPECT_EQ(single.getWidth(), 0.0f);
    EXPECT_EQ(single.getMinY(), 12.0f);

    // The greatest x starts from 0, not from the first point.
    PointDataSource leftOfOrigin;
    fill(leftOfOrigin, {{-50, 0}, {-20, 0}});
    EXPECT_EQ(leftOfOrigin.getWidth(), 50.0f);
}

TEST(RouteTransformTest, ScaleAndShiftEveryPoint) {
    PointDataSource route;
    route.add(2, 3);
    MyPoint* marker = route.add(-4, 5, MyPoint::DistanceMarker);
    route.applyScale(1.5f);
    route.applyTransformX(10, -1);
    EXPECT_EQ(route.getFirstItem()->getX(), 13.0f);
    EXPECT_EQ(route.getFirstItem()->getY(), 3.5f);
    EXPECT_EQ(marker->getX(), 4.0f);
    EXPECT_EQ(marker->getY(), 6.5f);
    EXPECT_TRUE(marker->isDistanceMarker());
}

TEST(RouteHelpersTest, CursorRectInterpolationAndSigns) {
    PointDataSource route;
    route.add(20, 30);
    EXPECT_EQ(route.getCursorRectForPoint(0), (Rect{15, 25, 10, 10}));

    const MyPoint a(10, 10, MyPoint::Waypoint), b(20, -10, MyPoint::Waypoint);
    const auto at = [&](float t) { return PointDataSource::newPointBetweenThisPoint(a, b, t); };
    EXPECT_EQ(at(0)->getX(), 10.0f);
    EXPECT_EQ(at(1)->getY(), -10.0f);
    EXPECT_EQ(at(0.5f)->getX(), 15.0f);
    EXPECT_EQ(at(2)->getY(), -30.0f);
    EXPECT_EQ(at(-1)->getX(), 0.0f);
    EXPECT_EQ(at(0.5f)->getPointType(), MyPoint::Regular);

    EXPECT_EQ(PointDataSource::rtAbs(-2.5f), 2.5f);
    EXPECT_EQ(PointDataSource::rtAbs(3.0f), 3.0f);
    EXPECT_TRUE(PointDataSource::rtInt(-0.1f));
    EXPECT_FALSE(PointDataSource::rtInt(0.0f));
}
