#include "model/ModelLog.h"
#include "model/PointDataSource.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

struct Place {
    float x;
    float y;
    int32_t kind;
    bool operator==(const Place&) const = default;
};

void PrintTo(const Place& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << " kind " << p.kind << ")";
}

using ::testing::Pointwise;
using Places = std::vector<Place>;
constexpr int32_t R = MyPoint::Regular;
constexpr int32_t W = MyPoint::Waypoint;
constexpr int32_t M = MyPoint::DistanceMarker;

// Markers are computed in single precision: 100 x 0.6f is 60.0000038.
MATCHER(IsAt, "") {
    const auto& [got, want] = arg;
    return got.kind == want.kind && std::abs(got.x - want.x) < 1e-4f &&
           std::abs(got.y - want.y) < 1e-4f;
}

struct Route : PointDataSource {
    explicit Route(const Places& places) {
        for (const Place& p : places)
            add(p.x, p.y, static_cast<MyPoint::Kind>(p.kind));
        setRemovalObserver([this](const MyPoint* p) {
            EXPECT_GE(indexOf(p), 0) << "reported after the route let go";
            removed.push_back(p);
        });
    }
    Places places() const {
        Places all;
        for (int64_t i = 0; i < count(); ++i)
            all.push_back(
                {getnthItem(i)->getX(), getnthItem(i)->getY(), getnthItem(i)->getPointType()});
        return all;
    }
    std::vector<const MyPoint*> removed;
};

const Places corner{{0, 0, W}, {100, 0, R}, {100, 100, W}};

} // namespace

TEST(DistanceMarkersTest, MarkersFallAtMultiplesMeasuredThroughEveryVertex) {
    Route r(corner);
    r.addMarkersAt(60, "m", 1);
    EXPECT_THAT(
        r.places(),
        Pointwise(
            IsAt(),
            Places{{0, 0, W}, {60, 0, M}, {100, 0, R}, {100, 20, M}, {100, 80, M}, {100, 100, W}}));
    // A multiple on a vertex goes just after it; none after the last point.
    r.addMarkersAt(100, "m", 1);
    EXPECT_THAT(r.places(),
                Pointwise(IsAt(), Places{{0, 0, W}, {100, 0, R}, {100, 0, M}, {100, 100, W}}));
    r.addMarkersAt(250, "m", 1);
    EXPECT_EQ(r.places(), corner);

    // A zero-length segment carries nothing and the walk goes on.
    Route doubled({{0, 0, W}, {0, 0, R}, {100, 0, W}});
    doubled.addMarkersAt(40, "m", 1);
    EXPECT_THAT(
        doubled.places(),
        Pointwise(IsAt(), Places{{0, 0, W}, {0, 0, R}, {40, 0, M}, {80, 0, M}, {100, 0, W}}));
}

TEST(DistanceMarkersTest, OnlyMarkersGoAndThePointsThatStayAreTheSameObjects) {
    Route r(corner);
    const MyPoint* kept[] = {r.getnthItem(0), r.getnthItem(1), r.getnthItem(2)};
    r.addMarkersAt(60, "m", 1);
    const std::vector<const MyPoint*> firstMarkers{r.getnthItem(1), r.getnthItem(3),
                                                   r.getnthItem(4)};
    r.addMarkersAt(100, "m", 1);
    EXPECT_EQ(r.removed, firstMarkers);
    EXPECT_EQ(r.getnthItem(0), kept[0]);
    EXPECT_EQ(r.getnthItem(1), kept[1]);
    EXPECT_EQ(r.getnthItem(3), kept[2]);

    Route alternating({{0, 0, W}, {1, 0, M}, {2, 0, R}, {3, 0, M}, {4, 0, W}, {5, 0, M}});
    const MyPoint* third = alternating.getnthItem(2);
    alternating.removeDistanceMarkers();
    EXPECT_EQ(alternating.places(), (Places{{0, 0, W}, {2, 0, R}, {4, 0, W}}));
    EXPECT_EQ(alternating.getnthItem(1), third);
    EXPECT_EQ(alternating.removed.size(), 3u);
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
