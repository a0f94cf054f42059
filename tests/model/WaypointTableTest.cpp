#include "model/WaypointTable.h"
#include "model/PointDataSource.h"
#include "model/RouteOwner.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// 100 pixels to the unit; labels come back marked as translated.
struct Owner : RouteOwner {
    float convertUsingScale(float pixels) override { return pixels / 100; }
    std::string translate(const char* key) const override { return std::string("T:") + key; }
};

using Row = std::vector<std::string>;

Row rowOf(const PointDataSource& route, int32_t r) {
    Row cells;
    for (const char* column : {"1", "2", "3", "4"})
        cells.push_back(route.objectValueForTableColumn(nullptr, column, r));
    return cells;
}

// Waypoints at (0,0), (150,0) and (150,160), with a regular point and an
// off-line marker inside the legs: legs of 1.5 and 2 units.
class ThreeWaypoints : public ::testing::Test {
protected:
    ThreeWaypoints() {
        route.setOwner(&owner);
        route.add(0, 0, MyPoint::Waypoint);
        route.add(100, 0);
        route.add(150, 0, MyPoint::Waypoint);
        route.add(210, 80, MyPoint::DistanceMarker);
        route.add(150, 160, MyPoint::Waypoint);
    }
    Owner owner;
    PointDataSource route;
};

TEST_F(ThreeWaypoints, RowsShowLegsFromStartAndToEnd) {
    EXPECT_EQ(route.numberOfRowsInTableView(nullptr), 5) << "no table counts every point";
    EXPECT_EQ(WaypointTable(route).rowCount(), 3);
    EXPECT_EQ(rowOf(route, 0), (Row{"T:Start", "1.500", "-", "3.500"}));
    EXPECT_EQ(rowOf(route, 1), (Row{"", "2.000", "1.500", "2.000"}));
    EXPECT_EQ(rowOf(route, 2), (Row{"T:Finish", "-", "3.500", "-"}));
    EXPECT_EQ(rowOf(route, 3), (Row{"", "", "", ""})) << "past the last waypoint";
    EXPECT_EQ(route.objectValueForTableColumn(nullptr, "5", 0), "");
}

TEST_F(ThreeWaypoints, JournalIsOneHtmlTableWithAlternatingRows) {
    EXPECT_EQ(route.getDataAsHTML(),
              "<table class=statstable><tr>"
              "<th class=statstableheadercell>Waypoint</th>"
              "<th class=statstableheadercell>Next waypoint</th>"
              "<th class=statstableheadercell>From start</th>"
              "<th class=statstableheadercell>To end</th></tr>"
              "<tr><td class=statstabledatacell>T:Start</td><td class=statstabledatacell>1.500</td>"
              "<td class=statstabledatacell>-</td><td class=statstabledatacell>3.500</td></tr>"
              "<tr><td class=statstabledatacellalt></td><td class=statstabledatacellalt>2.000</td>"
              "<td class=statstabledatacellalt>1.500</td>"
              "<td class=statstabledatacellalt>2.000</td></tr>"
              "<tr><td class=statstabledatacell>T:Finish</td><td class=statstabledatacell>-</td>"
              "<td class=statstabledatacell>3.500</td><td class=statstabledatacell>-</td></tr>"
              "</table><br />");
}

TEST_F(ThreeWaypoints, WithoutAnOwnerLengthsReadZeroAndLabelsAreKeys) {
    route.setOwner(nullptr);
    EXPECT_EQ(rowOf(route, 0), (Row{"Start", "0.000", "-", "0.000"}));
}

TEST(WaypointTable, NoWaypointOneAndAZeroLengthLeg) {
    Owner owner;
    PointDataSource route;
    route.setOwner(&owner);
    EXPECT_EQ(rowOf(route, 0), (Row{"", "", "", ""}));
    route.add(5, 5);
    route.add(10, 10, MyPoint::Waypoint);
    route.add(20, 20);
    EXPECT_EQ(rowOf(route, 0), (Row{"T:Start", "-", "-", "-"}));
    route.add(20, 20, MyPoint::Waypoint);
    route.add(20, 20, MyPoint::Waypoint);
    EXPECT_EQ(rowOf(route, 1), (Row{"", "0.000", "0.141", "0.000"}));
}

// One walk must give the same legs as measuring each one on its own, on a
// route whose first point is not a waypoint.
TEST(WaypointTable, OneWalkMatchesTheRoutesOwnWaypointDistances) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> step(-40, 40);
    PointDataSource route;
    float x = 500, y = 500;
    for (int i = 0; i < 2000; ++i) {
        x += step(random);
        y += step(random);
        const bool waypoint = i % 37 == 5;
        route.add(x, y, waypoint ? MyPoint::Waypoint : MyPoint::Regular);
    }
    const WaypointTable table(route);
    const int32_t last = table.rowCount() - 1;
    ASSERT_EQ(last + 1, route.WaypointCount());
    for (int32_t r = 0; r < last; ++r) {
        EXPECT_EQ(table.next(r), route.distanceBetweennthWaypoint(r, r + 1)) << r;
        EXPECT_EQ(table.fromStart(r + 1), route.distanceBetweennthWaypoint(0, r + 1)) << r;
        EXPECT_NEAR(table.toEnd(r), route.distanceBetweennthWaypoint(r, last), 0.05f) << r;
    }
    EXPECT_EQ(table.toEnd(0), table.fromStart(last)) << "the whole route read both ways";
}

TEST(WaypointTable, FixedThreeRoundsAndPrintsNonFiniteValues) {
    EXPECT_EQ(WaypointTable::fixed3(12.3456f), "12.346");
    EXPECT_EQ(WaypointTable::fixed3(-0.0004f), "-0.000");
    EXPECT_EQ(WaypointTable::fixed3(1.0f / 0.0f), "inf");
    EXPECT_EQ(WaypointTable::fixed3(std::nanf("")), "nan");
}

} // namespace
