#include "model/ModelLog.h"
#include "model/PointDataSource.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Place {
    float x;
    float y;
    int32_t kind;
    bool operator==(const Place&) const = default;
};

void PrintTo(const Place& p, std::ostream* os) {
    *os << std::setprecision(9) << "(" << p.x << ", " << p.y << " kind " << p.kind << ")";
}

using ::testing::Pointwise;
using Places = std::vector<Place>;

constexpr int32_t R = MyPoint::Regular;
constexpr int32_t W = MyPoint::Waypoint;
constexpr int32_t M = MyPoint::DistanceMarker;

struct Route : PointDataSource {
    explicit Route(const std::vector<Place>& places) {
        for (const Place& p : places)
            add(p.x, p.y, static_cast<MyPoint::Kind>(p.kind));
        setRemovalObserver([this](const MyPoint* p) {
            // Removed points are reported while the route still holds them.
            EXPECT_GE(indexOf(p), 0);
            removed.push_back(p);
        });
    }
    std::vector<Place> places() const {
        std::vector<Place> all;
        for (int64_t i = 0; i < count(); ++i)
            all.push_back(
                {getnthItem(i)->getX(), getnthItem(i)->getY(), getnthItem(i)->getPointType()});
        return all;
    }
    std::vector<const MyPoint*> nonMarkers() const {
        std::vector<const MyPoint*> kept;
        for (int64_t i = 0; i < count(); ++i)
            if (!getnthItem(i)->isDistanceMarker())
                kept.push_back(getnthItem(i));
        return kept;
    }
    std::vector<const MyPoint*> removed;
};

// The walk done the slow, obvious way on plain values: insert each marker
// into the middle of the list as it is found.
std::vector<Place> markedOneByOne(std::vector<Place> route, float interval) {
    std::erase_if(route, [](const Place& p) { return p.kind == M; });
    float carried = 0;
    for (size_t b = 1; b < route.size();) {
        const MyPoint a(route[b - 1].x, route[b - 1].y);
        const MyPoint next(route[b].x, route[b].y);
        const float d = PointDataSource::distanceBetweenThisPoint(a, next);
        if (d + carried > interval && d != 0) {
            const auto m =
                PointDataSource::newPointBetweenThisPoint(a, next, (interval - carried) / d);
            route.insert(route.begin() + static_cast<std::ptrdiff_t>(b), {m->getX(), m->getY(), M});
            carried = 0;
        } else {
            carried += d;
        }
        ++b;
    }
    return route;
}

// Markers are computed in single precision: 100 x 0.6f is 60.0000038.
MATCHER(IsAt, "") {
    const auto& [got, want] = arg;
    return got.kind == want.kind && std::abs(got.x - want.x) < 1e-4f &&
           std::abs(got.y - want.y) < 1e-4f;
}

const std::vector<Place> corner{{0, 0, W}, {100, 0, R}, {100, 100, W}};

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

    Route single({{5, 5, W}});
    single.addMarkersAt(10, "m", 1);
    EXPECT_EQ(single.count(), 1);
}

TEST(DistanceMarkersTest, OnePassGivesTheSameRouteAsInsertingOneByOne) {
    std::vector<Place> wiggly;
    for (int i = 0; i < 400; ++i)
        wiggly.push_back({static_cast<float>(i * 7 % 53) + static_cast<float>(i) * 3.25f,
                          static_cast<float>(i * i % 31) * 1.5f, i % 25 == 0 ? W : R});
    wiggly.push_back(wiggly.back()); // a repeated point as well
    Route r(wiggly);
    for (const float interval : {17.0f, 3.3f, 250.0f}) {
        r.addMarkersAt(interval, "km", 2);
        EXPECT_EQ(r.places(), markedOneByOne(wiggly, interval)) << "interval " << interval;
    }
}

TEST(DistanceMarkersTest, PointsThatStayKeepTheirIdentityAndOnlyMarkersAreRemoved) {
    Route r(corner);
    const std::vector<const MyPoint*> original = r.nonMarkers();
    r.addMarkersAt(60, "m", 1);
    ASSERT_EQ(r.count(), 6);
    EXPECT_EQ(r.nonMarkers(), original);
    const std::vector<const MyPoint*> firstMarkers{r.getnthItem(1), r.getnthItem(3),
                                                   r.getnthItem(4)};

    r.addMarkersAt(100, "m", 1);
    EXPECT_EQ(r.removed, firstMarkers);
    EXPECT_EQ(r.nonMarkers(), original);

    r.removed.clear();
    const MyPoint* marker = r.getnthItem(2);
    r.removeDistanceMarkers();
    EXPECT_EQ(r.removed, std::vector<const MyPoint*>{marker});
    EXPECT_EQ(r.places(), corner);

    Route alternating({{0, 0, W}, {1, 0, M}, {2, 0, R}, {3, 0, M}, {4, 0, W}, {5, 0, M}});
    const std::vector<const MyPoint*> kept = alternating.nonMarkers();
    alternating.removeDistanceMarkers();
    EXPECT_THAT(alternating.places(), Pointwise(IsAt(), Places{{0, 0, W}, {2, 0, R}, {4, 0, W}}));
    EXPECT_EQ(alternating.nonMarkers(), kept);
    EXPECT_EQ(alternating.removed.size(), 3u);
}

TEST(DistanceMarkersTest, LogsTheRequestEvenWhenNothingIsPlaced) {
    std::vector<std::string> lines;
    ModelLog::setSink([&lines](const std::string& line) { lines.push_back(line); });
    Route({}).addMarkersAt(62.5f, "m", 1);
    Route(corner).addMarkersAt(-std::numeric_limits<float>::infinity(), "m", 1);
    ModelLog::setSink(nullptr);
    EXPECT_EQ(lines, (std::vector<std::string>{"adding markers", "passed interval: 62.500000",
                                               "adding markers", "passed interval: -inf"}));
}

TEST(DistanceMarkersTest, AnIntervalThatCannotAdvanceClearsMarkersAndPlacesNone) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (const float interval : {0.0f, -5.0f, nan, inf, -inf}) {
        Route r({{0, 0, W}, {50, 0, M}, {100, 0, R}, {100, 100, W}});
        r.addMarkersAt(interval, "m", 1);
        EXPECT_EQ(r.places(), corner) << "interval " << interval;
    }
    // Far from the origin a step of 1 is below a float's resolution; the walk
    // must end rather than pile markers on one spot.
    Route far({{1e8f, 0, W}, {1e8f + 1000, 0, W}});
    far.addMarkersAt(1, "m", 1);
    for (int64_t i = 1; i < far.count(); ++i)
        EXPECT_FALSE(far.getnthItem(i)->getX() == far.getnthItem(i - 1)->getX() &&
                     far.getnthItem(i)->isDistanceMarker());
}
