#include "model/ModelLog.h"
#include "model/PointDataSource.h"

#include <gtest/gtest.h>

#include <algorithm>
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

namespace {

// The walk as plainly as it can be written: every segment measured from the
// last place, markers one at a time.
Places plainWalk(const Places& route, float interval) {
    Places out{route.front()};
    float carried = 0;
    float ax = std::get<0>(route[0]), ay = std::get<1>(route[0]);
    for (size_t b = 1; b < route.size();) {
        const auto [bx, by, kind] = route[b];
        const MyPoint a(ax, ay), end(bx, by);
        const float d = PointDataSource::distanceBetweenThisPoint(a, end);
        if (d + carried > interval && d != 0) {
            const MyPoint m = PointDataSource::pointBetween(a, end, (interval - carried) / d);
            out.emplace_back(m.getX(), m.getY(), M);
            ax = m.getX();
            ay = m.getY();
            carried = 0;
        } else {
            carried = carried + d;
            out.push_back(route[b++]);
            ax = bx;
            ay = by;
        }
    }
    return out;
}

} // namespace

// Long enough that the walk is measured in several stretches and the
// removal's bookkeeping spans many words, with uneven segments and repeats.
TEST(DistanceMarkersTest, LongRoutesMatchThePlainWalkAndRemoveCleanly) {
    Places plain;
    float x = 0;
    for (int i = 0; i < 1300; ++i) {
        x += float(i % 7 == 0 ? 0 : (i * 37) % 11) * 0.7f;
        plain.emplace_back(x, float((i * 13) % 5), i % 100 ? R : W);
    }
    Route r(plain);
    std::vector<const MyPoint*> kept(r.points().begin(), r.points().end());
    size_t told = 0;
    r.setRemovalObserver([&](const MyPoint* p) {
        told += 1;
        EXPECT_TRUE(p->isDistanceMarker());
        EXPECT_NE(std::find(r.points().begin(), r.points().end(), p), r.points().end())
            << "told while still on the route";
    });
    for (const float interval : {3.1f, 0.9f, 64.0f}) {
        r.addMarkersAt(interval, "m", 1);
        ASSERT_EQ(r.places(), plainWalk(plain, interval)) << "interval " << interval;
    }
    const size_t markers = size_t(r.count()) - plain.size();
    const std::vector<const MyPoint*> markerSlots(r.points().begin(), r.points().end());
    told = 0;
    r.removeDistanceMarkers();
    EXPECT_EQ(told, markers);
    EXPECT_EQ(std::vector<const MyPoint*>(r.points().begin(), r.points().end()), kept);
    EXPECT_EQ(r.places(), plain);
    r.addMarkersAt(64, "m", 1);
    EXPECT_EQ(std::vector<const MyPoint*>(r.points().begin(), r.points().end()), markerSlots)
        << "the same slots, in route order";
}
