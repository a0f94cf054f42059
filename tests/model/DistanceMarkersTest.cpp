#include "model/ModelLog.h"
#include "model/PointDataSource.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>
#include <vector>

namespace {

// x, y, kind
using Places = std::vector<std::tuple<float, float, int32_t>>;
constexpr int32_t R = MyPoint::Regular;
constexpr int32_t W = MyPoint::Waypoint;
constexpr int32_t M = MyPoint::DistanceMarker;

struct Route : PointDataSource {
    explicit Route(const Places& places) {
        for (const auto& [x, y, kind] : places)
            add(x, y, static_cast<MyPoint::Kind>(kind));
    }
    Places places() const {
        Places all;
        for (int64_t i = 0; i < count(); ++i)
            all.emplace_back(getnthItem(i)->getX(), getnthItem(i)->getY(),
                             getnthItem(i)->getPointType());
        return all;
    }
};

const Places corner{{0, 0, W}, {100, 0, R}, {100, 100, W}};

} // namespace

// Intervals chosen so every marker lands on a float exactly.
TEST(DistanceMarkersTest, MarkersFallAtMultiplesMeasuredThroughEveryVertex) {
    Route r(corner);
    r.addMarkersAt(75, "m", 1);
    EXPECT_EQ(r.places(),
              (Places{{0, 0, W}, {75, 0, M}, {100, 0, R}, {100, 50, M}, {100, 100, W}}));
    // Placing again replaces the old markers. A multiple on a vertex goes
    // just after it; none after the last point.
    r.addMarkersAt(100, "m", 1);
    EXPECT_EQ(r.places(), (Places{{0, 0, W}, {100, 0, R}, {100, 0, M}, {100, 100, W}}));
    r.addMarkersAt(250, "m", 1);
    EXPECT_EQ(r.places(), corner);

    // A zero-length segment carries nothing and the walk goes on.
    Route doubled({{0, 0, W}, {0, 0, R}, {100, 0, W}});
    doubled.addMarkersAt(25, "m", 1);
    EXPECT_EQ(doubled.places(),
              (Places{{0, 0, W}, {0, 0, R}, {25, 0, M}, {50, 0, M}, {75, 0, M}, {100, 0, W}}));

    Route alternating({{0, 0, W}, {1, 0, M}, {2, 0, R}, {3, 0, M}, {4, 0, W}, {5, 0, M}});
    alternating.removeDistanceMarkers();
    EXPECT_EQ(alternating.places(), (Places{{0, 0, W}, {2, 0, R}, {4, 0, W}}));
}

TEST(DistanceMarkersTest, AnIntervalThatCannotAdvanceClearsMarkersAndPlacesNone) {
    std::vector<std::string> lines;
    ModelLog::setSink([&lines](const std::string& line) { lines.push_back(line); });
    const float inf = std::numeric_limits<float>::infinity();
    for (const float interval : {0.0f, -5.0f, std::numeric_limits<float>::quiet_NaN(), inf}) {
        Route r({{0, 0, W}, {50, 0, M}, {100, 0, R}, {100, 100, W}});
        r.addMarkersAt(interval, "m", 1);
        EXPECT_EQ(r.places(), corner) << "interval " << interval;
    }
    ModelLog::setSink(nullptr);
    EXPECT_EQ(lines[0], "adding markers");
    EXPECT_EQ(lines[1], "passed interval: 0.000000");
    EXPECT_EQ(lines[7], "passed interval: inf");

    // Far from the origin a step of 1 is below a float's resolution: the walk
    // must end rather than pile markers on one spot.
    Route far({{1e8f, 0, W}, {1e8f + 1000, 0, W}});
    far.addMarkersAt(1, "m", 1);
    for (int64_t i = 1; i < far.count(); ++i)
        EXPECT_FALSE(far.getnthItem(i)->isDistanceMarker() &&
                     far.getnthItem(i)->getX() == far.getnthItem(i - 1)->getX());
}
