#include "model/WaypointTable.h"
#include "model/PointDataSource.h"
#include "model/RouteCheckBox.h"
#include "model/RouteOwner.h"
#include "model/RouteWindow.h"

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

// Waypoints at (0,0), (150,0) and (150,225), with a regular point and a
// marker inside the legs: legs of 1.5 and 2.25 units.
class ThreeWaypoints : public ::testing::Test {
protected:
    ThreeWaypoints() {
        route.setOwner(&owner);
        route.add(0, 0, MyPoint::Waypoint);
        route.add(100, 0);
        route.add(150, 0, MyPoint::Waypoint);
        route.add(150, 100, MyPoint::DistanceMarker);
        route.add(150, 225, MyPoint::Waypoint);
    }
    Owner owner;
    PointDataSource route;
};

TEST_F(ThreeWaypoints, RowsShowLegsFromStartAndToEnd) {
    EXPECT_EQ(route.numberOfRowsInTableView(nullptr), 5) << "no table counts every point";
    EXPECT_EQ(WaypointTable(route).rowCount(), 3);
    EXPECT_EQ(rowOf(route, 0), (Row{"T:Start", "1.500", "-", "3.750"}));
    EXPECT_EQ(rowOf(route, 1), (Row{"", "2.250", "1.500", "2.250"}));
    EXPECT_EQ(rowOf(route, 2), (Row{"T:Finish", "-", "3.750", "-"}));
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
              "<td class=statstabledatacell>-</td><td class=statstabledatacell>3.750</td></tr>"
              "<tr><td class=statstabledatacellalt></td><td class=statstabledatacellalt>2.250</td>"
              "<td class=statstabledatacellalt>1.500</td>"
              "<td class=statstabledatacellalt>2.250</td></tr>"
              "<tr><td class=statstabledatacell>T:Finish</td><td class=statstabledatacell>-</td>"
              "<td class=statstabledatacell>3.750</td><td class=statstabledatacell>-</td></tr>"
              "</table><br />");
}

TEST_F(ThreeWaypoints, WithoutAnOwnerLengthsReadZeroAndLabelsAreKeys) {
    route.setOwner(nullptr);
    EXPECT_EQ(rowOf(route, 0), (Row{"Start", "0.000", "-", "0.000"}));
}

TEST(WaypointTable, OneWaypointAndNone) {
    Owner owner;
    PointDataSource route;
    route.setOwner(&owner);
    EXPECT_EQ(route.getDataAsHTML(),
              "<table class=statstable><tr><th class=statstableheadercell>Waypoint</th>"
              "<th class=statstableheadercell>Next waypoint</th>"
              "<th class=statstableheadercell>From start</th>"
              "<th class=statstableheadercell>To end</th></tr></table><br />");
    route.add(5, 5);
    route.add(10, 10, MyPoint::Waypoint);
    route.add(20, 20);
    EXPECT_EQ(rowOf(route, 0), (Row{"T:Start", "-", "-", "-"}));
    EXPECT_EQ(rowOf(route, 1), (Row{"", "", "", ""}));
}

TEST(WaypointTable, ZeroLengthLegHasThreeDecimals) {
    Owner owner;
    PointDataSource route;
    route.setOwner(&owner);
    route.add(7, 7, MyPoint::Waypoint);
    route.add(7, 7, MyPoint::Waypoint);
    EXPECT_EQ(rowOf(route, 0), (Row{"T:Start", "0.000", "-", "0.000"}));
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

TEST(WaypointTable, FixedThreeIgnoresTheLocaleAndPrintsNonFiniteValues) {
    EXPECT_EQ(WaypointTable::fixed3(12.3456f), "12.346");
    EXPECT_EQ(WaypointTable::fixed3(-0.0004f), "-0.000");
    EXPECT_EQ(WaypointTable::fixed3(1.0f / 0.0f), "inf");
    EXPECT_EQ(WaypointTable::fixed3(std::nanf("")), "nan");
}

struct Window : RouteWindow {
    void bringForward() override { ++forward; }
    void centre() override { ++centred; }
    int forward = 0;
    int centred = 0;
};

struct Box : RouteCheckBox {
    bool isOn() const override { return on; }
    void setOn(bool yes) override { on = yes; }
    bool on = false;
};

struct Table : TableView {
    void reloadData() override { ++reloads; }
    Rect enclosingScrollFrame() const override { return {}; }
    void setEnclosingScrollFrame(const Rect&) override {}
    int reloads = 0;
};

TEST(WaypointNotice, ShownWithTheInspectorForTwoRowsUnlessSwitchedOff) {
    PointDataSource route;
    Window inspector, notice;
    Box box;
    route.showInfo(); // nothing attached: nothing happens
    EXPECT_FALSE(route.DontShowWaypointAlertIsSet());
    route.DontShowWaypointAlert(true);
    EXPECT_FALSE(route.DontShowWaypointAlertIsSet()) << "no check box to hold the flag";

    route.setRouteInspector(&inspector);
    route.setWaypointAlert(&notice);
    route.setDontShowWaypointAlert(&box);
    route.add(0, 0, MyPoint::Waypoint);
    route.add(1, 1);
    route.showInfo(); // no table: two points count as two rows
    EXPECT_EQ(inspector.forward, 1);
    EXPECT_EQ(notice.centred, 1);

    Table table;
    route.setRouteInspectorTableView(&table);
    route.showInfo(); // one waypoint
    EXPECT_EQ(notice.centred, 1);
    route.add(2, 2, MyPoint::Waypoint);
    EXPECT_EQ(table.reloads, 1) << "adding a point reloads the table";
    route.DontShowWaypointAlert(true);
    route.showInfo();
    EXPECT_EQ(notice.centred, 1);
    EXPECT_EQ(inspector.forward, 3);
}

} // namespace
