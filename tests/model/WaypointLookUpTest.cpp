#include "model/PointDataSource.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>
#include <vector>

namespace {

// Waypoint n's index by the plain definition: counted through the list.
std::vector<int64_t> waypointIndices(const PointDataSource& route) {
    std::vector<int64_t> found;
    for (int64_t i = 0; i < route.count(); ++i)
        if (route.getnthItem(i)->isWaypoint())
            found.push_back(i);
    return found;
}

void expectLookUpsFollowTheList(const PointDataSource& route, const char* after) {
    const std::vector<int64_t> expected = waypointIndices(route);
    for (size_t n = 0; n <= expected.size(); ++n) {
        const bool past = n == expected.size();
        const auto nn = static_cast<int32_t>(n);
        ASSERT_EQ(route.pointNumberForWaypoint(nn), past ? 0 : expected[n]) << after << " " << n;
        ASSERT_EQ(route.getnthWaypoint(nn), past ? nullptr : route.getnthItem(expected[n]))
            << after << " " << n;
    }
}

// A traced walk, in the order its points were made: every seventh point a
// waypoint, every eleventh a distance marker unless told otherwise.
void trace(PointDataSource& route, int points, bool markers = true) {
    float x = 100, y = 100;
    for (int i = 0; i < points; ++i) {
        x += static_cast<float>(i % 5);
        y += static_cast<float>(i % 3);
        route.add(x, y,
                  i % 7 == 3               ? MyPoint::Waypoint
                  : i % 11 == 5 && markers ? MyPoint::DistanceMarker
                                           : MyPoint::Regular);
    }
}

// Walks read traced points where they lie in memory; every edit that puts
// the route out of that order must be seen, or look-ups land on the wrong
// point, or on one already destroyed.
TEST(WaypointLookUp, FollowsTheRouteThroughEveryKindOfEdit) {
    const std::vector<std::pair<const char*, void (*)(PointDataSource&)>> edits = {
        {"swop", [](PointDataSource& r) { r.swop(r.getnthItem(1004), r.getnthItem(1500)); }},
        {"insert",
         [](PointDataSource& r) {
             const MyPoint* a = r.getnthItem(1000);
             const MyPoint* b = r.getnthItem(1001);
             r.insertPointatX((a->getX() + b->getX()) / 2, (a->getY() + b->getY()) / 2);
         }},
        {"delete", [](PointDataSource& r) { r.deleteItem(r.getnthItem(1004)); }},
        {"delete last", [](PointDataSource& r) { r.deleteLastItem(); }},
        {"markers placed", [](PointDataSource& r) { r.addMarkersAt(50, "px", 1); }},
        {"markers removed", [](PointDataSource& r) { r.removeDistanceMarkers(); }},
        {"cleared", [](PointDataSource& r) {
             r.clear();
             trace(r, 600);
         }}};
    for (const auto& [name, edit] : edits) {
        PointDataSource route;
        // Ends on a waypoint, so a stale last slot would still answer.
        // Markers are placed anew only on a route without them.
        trace(route, 3035, std::string_view(name) != "markers placed");
        expectLookUpsFollowTheList(route, "traced");
        edit(route);
        expectLookUpsFollowTheList(route, name);
        trace(route, 5);
        expectLookUpsFollowTheList(route, name);
    }
}

} // namespace
