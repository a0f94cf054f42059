#include "model/RouteXml.h"
#include "model/ModelLog.h"
#include "model/PointDataSource.h"
#include "model/WaypointTable.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const RouteXml::Settings settings{.thisEnd = {15, 15},
                                  .thatEnd = {115.5, 15},
                                  .numberOfUnits = "2",
                                  .scaleUnits = "Kilometers",
                                  .answerUnits = "Miles <&>",
                                  .windowX = 300.4f,
                                  .windowY = 200.6f};

const std::string settingsText = "<distances>\n"
                                 "<thisEndX>\n15.000000</thisEndX>\n"
                                 "<thisEndY>\n15.000000</thisEndY>\n"
                                 "<thatEndX>\n115.500000</thatEndX>\n"
                                 "<thatEndY>\n15.000000</thatEndY>\n"
                                 "<scaleUnits>\nKilometers</scaleUnits>\n"
                                 "<numberOfUnits>\n2</numberOfUnits>\n"
                                 "<answerUnits>\nMiles &lt;&amp;&gt;</answerUnits>\n"
                                 "<windowX>\n300</windowX>\n"
                                 "<windowY>\n201</windowY>\n"
                                 "</distances>\n"
                                 "</route></wandrel>\n";

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class RouteXmlFiles : public ::testing::Test {
protected:
    RouteXmlFiles() { fs::create_directories(root); }
    ~RouteXmlFiles() override { fs::remove_all(root); }
    const fs::path root =
        fs::temp_directory_path() / ("wandrel-route-xml-" + std::to_string(std::random_device()()));
};

} // namespace

TEST(RouteXmlTest, PointsThenSettingsInTheirFormats) {
    PointDataSource route;
    route.add(10, 20.06f, MyPoint::Waypoint);
    route.add(0.25f, -3.96f, MyPoint::Regular);
    route.add(7, 8, MyPoint::DistanceMarker);
    const std::string text = RouteXml::text(route, settings);
    EXPECT_EQ(text, "<wandrel>\n<route>\n"
                    "<point>\n<x>\n10.0</x>\n<y>\n20.1</y>\n<iswaypoint>\nYES</iswaypoint>\n"
                    "<name>\n</name>\n<comments>\n</comments>\n</point>\n"
                    "<point>\n<x>\n0.2</x>\n<y>\n-4.0</y>\n<iswaypoint>\nNO</iswaypoint>\n"
                    "<name>\n</name>\n<comments>\n</comments>\n</point>\n"
                    "<point>\n<x>\n7.0</x>\n<y>\n8.0</y>\n<iswaypoint>\nDISTANCE</iswaypoint>\n"
                    "<name>\n</name>\n<comments>\n</comments>\n</point>\n" +
                        settingsText);
    EXPECT_EQ(RouteXml::text(PointDataSource(), settings), "<wandrel>\n<route>\n" + settingsText);
}

// printf rounds the exact binary value, ties to even; so must every figure
// written, with "." even where the locale says ",".
TEST(RouteXmlTest, NumbersReadAsPrintfWritesThemInTheCLocale) {
    std::mt19937 random(7);
    std::uniform_real_distribution<float> spread(-5000, 5000);
    std::vector<double> values{0.25, 0.35, 2.5, 0.5, -0.05, 1e20, -0.0};
    for (int i = 0; i < 500; ++i)
        values.push_back(spread(random));
    for (const double v : values)
        for (const int decimals : {0, 1, 6}) {
            char expected[512];
            std::snprintf(expected, sizeof expected, "%.*f", decimals, v);
            ASSERT_EQ(RouteXml::fixed(v, decimals), expected) << v;
        }

    const struct Restore {
        std::string saved = std::setlocale(LC_ALL, nullptr);
        ~Restore() { std::setlocale(LC_ALL, saved.c_str()); }
    } restore;
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no comma-decimal locale installed";
    EXPECT_EQ(RouteXml::fixed(1234.5, 6), "1234.500000");
    EXPECT_EQ(WaypointTable::fixed3(1234.5f), "1234.500");
    EXPECT_EQ(ModelLog::fixed(0.5f), "0.500000");
}

TEST_F(RouteXmlFiles, MakesTheFolderAndEachWriteReplacesTheFileWhole) {
    PointDataSource route;
    for (int i = 0; i < 50; ++i)
        route.add(float(i), float(i), MyPoint::Regular);
    const fs::path folder = root / "Walk.route";
    route.writeToFile(folder.string(), {15, 15}, {115.5, 15}, "2", "Kilometers", "Miles <&>",
                      300.4f, 200.6f);
    ASSERT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(contents(folder / "route.xml"), RouteXml::text(route, settings));

    PointDataSource shorter;
    shorter.add(1, 1, MyPoint::Waypoint);
    EXPECT_TRUE(RouteXml::write(folder.string(), shorter, settings));
    EXPECT_EQ(contents(folder / "route.xml"), RouteXml::text(shorter, settings));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}
