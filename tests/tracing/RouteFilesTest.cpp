#include "inspector/WandrelRouteInfoInspector.h"
#include "model/ModelLog.h"
#include "model/RouteXml.h"
#include "platform/PropertyList.h"
#include "tracing/RouteFragment.h"
#include "tracing/TracingViewClient.h"
#include "tracing/WandrelTracingView.h"

#include "FileBytes.h"
#include "FileSizeLimit.h"
#include "QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

struct Client : TracingViewClient {
    QString getAnswerUnits() const override { return QStringLiteral("Kilometers"); }
};

// A point as (x, y, kind).
using Place = std::tuple<float, float, int32_t>;

std::vector<Place> places(const WandrelTracingView& view, int64_t from = 0) {
    std::vector<Place> out;
    const PointDataSource& route = view.getPointDataSource();
    for (int64_t i = from; i < route.count(); ++i)
        out.emplace_back(route.getnthItem(i)->getX(), route.getnthItem(i)->getY(),
                         route.getnthItem(i)->getPointType());
    return out;
}

void expectColour(const QColor& colour, float r, float g, float b, float a) {
    EXPECT_NEAR(colour.redF(), r, 1e-4);
    EXPECT_NEAR(colour.greenF(), g, 1e-4);
    EXPECT_NEAR(colour.blueF(), b, 1e-4);
    EXPECT_NEAR(colour.alphaF(), a, 1e-4);
}

// Log lines, the application's and the model's, written while a step runs.
QStringList logged(const std::function<void()>& step) {
    static QStringList* lines = nullptr;
    QStringList captured;
    lines = &captured;
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& line) { lines->append(line); });
    ModelLog::setSink([](const std::string& line) { lines->append(QString::fromStdString(line)); });
    step();
    ModelLog::setSink(nullptr);
    qInstallMessageHandler(previous);
    return captured;
}

class RouteFiles : public ::testing::Test {
protected:
    RouteFiles() {
        view.getInfo().setLowLightColour(QColor::fromRgbF(0.25f, 0.5f, 0.75f, 0.85f));
        view.getInfo().setHighLightColour(QColor::fromRgbF(1, 0.1f, 0, 0.5f));
        view.getInfo().setLineWidth(5);
        view.getInfo().setTerrainFactor(120);
        view.getPointDataSource().add(12.5f, 40, MyPoint::Waypoint);
        view.getPointDataSource().add(20, 41.25f, MyPoint::Regular);
        view.getPointDataSource().add(30, -2, MyPoint::DistanceMarker);
    }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QString plistOf(const QByteArray& body) const {
        writeBytes(path("hand.plist"), "<plist version=\"1.0\"><dict>" + body + "</dict></plist>");
        return path("hand.plist");
    }

    QTemporaryDir dir;
    WandrelTracingView view;
};

} // namespace

TEST_F(RouteFiles, FragmentRoundTripAppendsAfterExistingPoints) {
    view.setAnswerUnits(QStringLiteral("Miles"));
    view.writeToFileAsFragment(path("walk.plist"));
    const QVariantMap written = PropertyList::read(path("walk.plist")).value_or(QVariantMap());
    EXPECT_EQ(written.value("LowLightColourA"), QStringLiteral("0.850000"));
    EXPECT_EQ(written.value("lineWidth"), QStringLiteral("5.000000"));
    const QVariantList points = written.value("points").toList();
    ASSERT_EQ(points.size(), 3);
    EXPECT_EQ(points[0].toMap(), (QVariantMap{{"x", "12.500000"},
                                              {"y", "40.000000"},
                                              {"isWaypoint", "YES"},
                                              {"name", ""},
                                              {"comments", ""}}));
    EXPECT_EQ(points[2].toMap().value("isWaypoint"), QStringLiteral("DISTANCE"));

    WandrelTracingView other;
    other.getPointDataSource().add(1, 2, MyPoint::Waypoint);
    other.readFromFragmentFile(path("walk.plist"));
    EXPECT_EQ(places(other), (std::vector<Place>{{1, 2, MyPoint::Waypoint},
                                                 {12.5f, 40, MyPoint::Waypoint},
                                                 {20, 41.25f, MyPoint::Regular},
                                                 {30, -2, MyPoint::DistanceMarker}}));
    EXPECT_TRUE(other.isFinished());
    expectColour(other.getLowLightColour(), 0.25f, 0.5f, 0.75f, 0.85f);
    expectColour(other.getHighLightColour(), 1, 0.1f, 0, 0.5f);
    EXPECT_EQ(other.getLineWidth(), 5);
    EXPECT_EQ(other.getInfo().getAnswerUnits(), "Miles");

    Client client; // the route has no answer unit of its own
    other.getInfo().setAnswerUnits({});
    other.setController(&client);
    other.writeToFileAsFragment(path("walk.plist"));
    EXPECT_EQ(PropertyList::read(path("walk.plist"))->value("answerUnits"), "Kilometers");
    other.setController(nullptr);
}

TEST_F(RouteFiles, MissingWrongOrNonFiniteValuesReadAsZero) {
    view.setAnswerUnits(QStringLiteral("Miles"));
    view.readFromFragmentFile(
        plistOf("<key>LowLightColourR</key><array><string>1</string></array>"
                "<key>LowLightColourG</key><string>nan</string>"
                "<key>LowLightColourB</key><string>2.5</string>"
                "<key>LowLightColourA</key><integer>1</integer>"
                "<key>HighLightColourR</key><string>-0.5</string>"
                "<key>HighLightColourG</key><real>nan</real>"
                "<key>HighLightColourB</key><real>0.75</real>"
                "<key>HighLightColourA</key><true/>"
                "<key>lineWidth</key><string>1e999</string>"
                "<key>answerUnits</key><real>3</real>"
                "<key>points</key><array><string>not a point</string>"
                "<dict><key>x</key><string>3.5</string></dict>"
                "<dict><key>x</key><string>inf</string><key>y</key><real>1e300</real>"
                "<key>isWaypoint</key><string>yes</string></dict>"
                "<dict><key>x</key><dict/><key>y</key><string> 8.5 km</string>"
                "<key>isWaypoint</key><string>DISTANCE</string><key>name</key><true/></dict>"
                "</array>"));
    EXPECT_EQ(places(view, 3), (std::vector<Place>{{3.5f, 0, MyPoint::Regular},
                                                   {0, 0, MyPoint::Regular},
                                                   {0, 8.5f, MyPoint::DistanceMarker}}));
    expectColour(view.getLowLightColour(), 0, 0, 1, 1);
    expectColour(view.getHighLightColour(), 0, 0, 0.75f, 0);
    EXPECT_EQ(view.getLineWidth(), 0);
    EXPECT_EQ(view.getInfo().getAnswerUnits(), QString()) << "the main window's unit applies";
    EXPECT_TRUE(view.isFinished());

    WandrelTracingView other;
    other.readFromFragmentFile(plistOf("<key>points</key><string>1,2</string>"));
    EXPECT_EQ(other.getPointDataSource().count(), 0);
    EXPECT_TRUE(other.isFinished());
}

TEST_F(RouteFiles, FilesThatAreNotFragmentsChangeNothing) {
    view.writeToFileAsFragment(path("walk.plist"));
    const QByteArray whole = contents(path("walk.plist"));
    QByteArray garbage(4096, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919) % 251);
    QFile huge(path("huge.plist"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) &&
                huge.resize(RouteFragment::maximumFileSize + 1)); // sparse: no disk used
    huge.close();

    // Nested far enough to overflow the stack of a recursive parser.
    const QByteArray deep = QByteArray("<array>").repeated(300'000) + "</array>";
    WandrelTracingView other;
    other.getInfo().setLineWidth(3);
    const auto unchanged = [&other](const QString& file) {
        other.readFromFragmentFile(file);
        EXPECT_EQ(other.getPointDataSource().count(), 0) << file.toStdString();
        EXPECT_FALSE(other.isFinished());
        EXPECT_EQ(other.getLineWidth(), 3);
    };
    for (const QByteArray& bytes :
         {whole.left(whole.size() / 2), whole.left(whole.size() - 20), "bplist00" + garbage,
          garbage, QByteArray("<plist version=\"1.0\"><array/></plist>"),
          "<plist><dict><key>points</key>" + deep + "</dict></plist>"}) {
        writeBytes(path("broken.plist"), bytes);
        unchanged(path("broken.plist"));
    }
    for (const char* name : {"huge.plist", "none.plist", ""})
        unchanged(path(name));
}

TEST_F(RouteFiles, LineInfoRestoresColoursAndTerrainButNotTheWidth) {
    view.writeInfoToFile(dir.path());
    const QVariantMap written = PropertyList::read(path("lineInfo.plist")).value_or(QVariantMap());
    EXPECT_EQ(written.value("terrainFactor"), QStringLiteral("120.000000"));
    EXPECT_EQ(written.value("lineWidth"), QStringLiteral("5.000000"));
    EXPECT_EQ(written.size(), 10);

    view.getInfo().setLowLightColour(Qt::white);
    view.getInfo().setHighLightColour(Qt::white);
    view.getInfo().setLineWidth(9);
    view.getInfo().setTerrainFactor(100);
    EXPECT_TRUE(logged([&] { view.loadLineInfo(dir.path()); }).isEmpty());
    expectColour(view.getLowLightColour(), 0.25f, 0.5f, 0.75f, 0.85f);
    expectColour(view.getHighLightColour(), 1, 0.1f, 0, 0.5f);
    EXPECT_EQ(view.getInfo().getTerrainFactor(), 120);
    EXPECT_EQ(view.getLineWidth(), 9);

    writeBytes(path("lineInfo.plist"), "<plist");
    EXPECT_EQ(logged([&] { view.loadLineInfo(dir.path()); }), QStringList{"stats is nil"});
    EXPECT_EQ(logged([&] { view.loadLineInfo(path("nowhere")); }), QStringList{"stats is nil"});
    EXPECT_EQ(view.getInfo().getTerrainFactor(), 120);
}

// The model's own tests hold the format; the view passes its texts on as
// UTF-8 and puts the line information beside.
TEST_F(RouteFiles, RouteFolderHoldsTheModelsXmlBesideTheLineInfo) {
    const QString folder = path("Wälk & Run.route");
    view.writeToFile(folder, {15, 15}, {115.5, 15}, QStringLiteral("2"), QStringLiteral("a<b & é>"),
                     QStringLiteral("Miles"), 300.4f, 200.6f);
    const std::string xml = contents(QDir(folder).filePath("route.xml")).toStdString();
    EXPECT_EQ(xml,
              RouteXml::text(view.getPointDataSource(),
                             {{15, 15}, {115.5, 15}, "2", "a<b & é>", "Miles", 300.4f, 200.6f}));
    EXPECT_NE(xml.find("<scaleUnits>\na&lt;b &amp; é&gt;</scaleUnits>"), std::string::npos);
    EXPECT_TRUE(PropertyList::read(QDir(folder).filePath("lineInfo.plist")).has_value());
}

TEST_F(RouteFiles, FailedWritesLeaveTheOldFiles) {
    writeBytes(path("plain"), "a file, not a folder");
    const QStringList lines = logged([&] {
        view.writeToFileAsFragment(path("plain/walk.plist"));
        view.writeToFile(path("plain/Walk.route"), {}, {}, {}, {}, {}, 0, 0);
    });
    EXPECT_TRUE(
        lines.contains("Unsuccessful saving route to " + path("plain/Walk.route/route.xml")));
    EXPECT_EQ(contents(path("plain")), "a file, not a folder");

    const QString folder = path("Walk.route");
    view.writeToFileAsFragment(path("walk.plist"));
    view.writeToFile(folder, {}, {}, {}, {}, {}, 0, 0);
    const QByteArray fragment = contents(path("walk.plist"));
    const QByteArray xml = contents(QDir(folder).filePath("route.xml"));
    for (int i = 0; i < 3000; ++i)
        view.getPointDataSource().add(float(i), 1, MyPoint::Regular);

    {
        const FileSizeLimit limit(std::max<rlim_t>(fragment.size(), xml.size()) + 1024);
        logged([&] {
            view.writeToFileAsFragment(path("walk.plist"));
            view.writeToFile(folder, {}, {}, {}, {}, {}, 0, 0);
        });
    }
    EXPECT_EQ(contents(path("walk.plist")), fragment);
    EXPECT_EQ(contents(QDir(folder).filePath("route.xml")), xml);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{"lineInfo.plist", "route.xml"}));
}
