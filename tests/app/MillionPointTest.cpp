#include "SessionFixture.h"

#include <cstdio>
#include <vector>

// Disabled in the normal suite: writing and reading the fragment takes
// seconds. Run it with
//   wandrel_tests_app --gtest_also_run_disabled_tests --gtest_filter='*MillionPoint*'
namespace {

constexpr int columns = 2000;
constexpr int perColumn = 500;
constexpr int waypointEvery = 100'000;

// A serpentine of a million points: columns half a pixel apart, each climbing
// or falling 499 pixels one pixel at a time.
std::vector<QPointF> serpentine() {
    std::vector<QPointF> points;
    points.reserve(size_t(columns) * perColumn);
    for (int k = 0; k < columns; ++k)
        for (int j = 0; j < perColumn; ++j)
            points.emplace_back(100 + k * 0.5, 100 + (k % 2 ? perColumn - 1 - j : j));
    return points;
}

QByteArray fragmentOf(const std::vector<QPointF>& points) {
    QByteArray xml = "<plist version=\"1.0\"><dict><key>points</key><array>";
    xml.reserve(qsizetype(points.size()) * 120);
    char entry[200];
    for (size_t i = 0; i < points.size(); ++i) {
        const bool waypoint = i % waypointEvery == 0 || i + 1 == points.size();
        std::snprintf(entry, sizeof entry,
                      "<dict><key>x</key><string>%f</string><key>y</key><string>%f</string>%s"
                      "</dict>",
                      points[i].x(), points[i].y(),
                      waypoint ? "<key>isWaypoint</key><string>YES</string>" : "");
        xml += entry;
    }
    return xml + "</array></dict></plist>";
}

using MillionPoint = Session;

// The designed 100-pixel bar for 1 mile: a mile is 100 pixels.
TEST_F(MillionPoint, DISABLED_AFragmentOfAMillionPointsLoadsWithTrueFiguresAndLegs) {
    const std::vector<QPointF> points = serpentine();
    const QString path = appData.file("million.plist");
    write(path, fragmentOf(points));
    start();
    view()->readFromFragmentFile(path);
    ASSERT_EQ(route().count(), int64_t(points.size()));
    controller().displayAnswer();
    const size_t last = points.size() - 1;
    EXPECT_SHOWN(length(), lengthBetween(points, 0, last) / 100);
    EXPECT_SHOWN(area(), enclosed(points) / 10000);

    view()->showInfo();
    ASSERT_EQ(legRows(), 11);
    EXPECT_EQ(cell(0, 0), "Start");
    EXPECT_EQ(cell(10, 0), "Finish");
    for (int row = 0; row < 10; ++row) {
        const size_t from = size_t(row) * waypointEvery;
        const size_t to = row == 9 ? last : from + waypointEvery;
        EXPECT_SHOWN(cell(row, 1), lengthBetween(points, from, to) / 100);
        if (row > 0)
            EXPECT_SHOWN(cell(row, 2), lengthBetween(points, 0, from) / 100);
    }
    QCoreApplication::processEvents(); // and it draws
    quit();
}

} // namespace
