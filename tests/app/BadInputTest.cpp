#include "SessionFixture.h"

#include "labels/WandrelLabel.h"

#include <QFile>

namespace {

// The designed 100-pixel bar for 1 mile; a route of 300 pixels enclosing
// 10,000 square pixels: the figures are 3 N and N² for a scale number N.
class BadInput : public Session {
protected:
    void SetUp() override { Alerts::scriptAnswers({}); }

    void traceTriangle() {
        click({100, 300});
        click({300, 300});
        doubleClick({300, 400});
    }
    // Asks for markers every mile; true if they were placed.
    bool placeMarkers() {
        const auto alerts = Alerts::answered().size();
        Session::placeMarkers("1", "mile(s)");
        const bool refused = Alerts::answered().size() > alerts;
        if (refused)
            d().distanceMarkers.window()->reject();
        return !refused;
    }
    // Reads a route of waypoints at the places given as text.
    void loadFragment(std::initializer_list<std::pair<const char*, const char*>> places,
                      const QByteArray& more = {}) {
        QByteArray xml = "<plist version=\"1.0\"><dict>" + more + "<key>points</key><array>";
        for (const auto& [x, y] : places)
            xml += QByteArray("<dict><key>isWaypoint</key><string>YES</string><key>x</key>") +
                   "<string>" + x + "</string><key>y</key><string>" + y + "</string></dict>";
        writeBytes(appData.file("walk.plist"), xml + "</array></dict></plist>");
        view()->readFromFragmentFile(appData.file("walk.plist"));
        controller().displayAnswer();
    }
};

TEST_F(BadInput, ScaleNumbersThatAreNoUsableNumberShowWhatTheFormattingPrints) {
    start();
    traceTriangle();
    const struct {
        const char *typed, *length, *area;
        bool markers;
    } cases[] = {
        {"", "0.000", "0.000", false},         {"   ", "0.000", "0.000", false},
        {"abc", "0.000", "0.000", false},      {"1e39", "inf", "inf", false},
        {"1e308", "inf", "inf", false},        {"-2", "-6.000", "4.000", false},
        {"2.5 miles", "7.500", "6.250", true},
    };
    for (const auto& c : cases) {
        type(d().unitViews.numberOfUnits2, c.typed);
        EXPECT_EQ(length(), c.length) << c.typed;
        EXPECT_EQ(area(), c.area) << c.typed;
        EXPECT_EQ(placeMarkers(), c.markers) << c.typed;
    }
    type(d().unitViews.numberOfUnits2, "1e39");
    restart();
    EXPECT_EQ(d().unitViews.numberOfUnits2->text(), "1e39") << "kept as typed";
    EXPECT_EQ(controller().getScaleText()->string(), " Scale is 1e39 mile(s) ");
}

TEST_F(BadInput, AZeroLengthBarShowsInfinityRefusesMarkersAndIsKept) {
    start();
    traceTriangle();
    dragBarEnd(true, bar()->thisEndOnParent());
    EXPECT_EQ(length(), "inf");
    EXPECT_EQ(area(), "inf");
    EXPECT_FALSE(placeMarkers());
    EXPECT_EQ(route().count(), 3);

    restart();
    EXPECT_EQ(bar()->thatEndOnParent(), bar()->thisEndOnParent());
    traceTriangle();
    EXPECT_EQ(length(), "inf");
    setBarLength(100);
    EXPECT_EQ(length(), "3.000");
}

TEST_F(BadInput, StoredUnitsTheRegistryLacksLeaveTheDesignedChoice) {
    put("WandrelScaleUnits", "furlongs");
    put("WandrelAnswerUnits", "");
    put("WandrelNumberOfUnits", "2");
    start();
    EXPECT_EQ(d().unitViews.scaleUnits2->currentText(), "mile(s)");
    EXPECT_EQ(d().unitViews.answerUnits2->currentText(), "mile(s)");
    traceTriangle();
    EXPECT_EQ(length(), "6.000");

    // A custom unit chosen, then its file lost between two runs.
    addUnit("chains", "ch", 20.1168f);
    choose(d().unitViews.answerUnits2, "ch");
    EXPECT_EQ(length(), "480.000"); // 6 miles of 1609.344 m in chains of 20.1168 m
    quit();
    ASSERT_TRUE(QFile::remove(appData.file("customUnits.plist")));
    start();
    EXPECT_EQ(d().unitViews.answerUnits2->currentText(), "mile(s)");
    traceTriangle();
    EXPECT_EQ(length(), "6.000");
}

TEST_F(BadInput, AFragmentNamingAnUnknownUnitShowsItInTheWindowsUnits) {
    start();
    loadFragment({{"100", "300"}, {"300", "300"}, {"300", "400"}},
                 "<key>answerUnits</key><string>furlongs</string>");
    EXPECT_EQ(length(), "3.000");
    EXPECT_EQ(area(), "1.000");
    // The inspector shows the window's figures, so it takes the window's unit.
    view()->showInfo();
    EXPECT_EQ(inspector().controls()->infoAnswerUnits->currentText(), "mile(s)");
    ASSERT_EQ(legRows(), 3);
    EXPECT_EQ(cell(0, 1), "2.000");
    EXPECT_EQ(cell(1, 3), "1.000");
}

// Coordinates the float range only just holds: the sums overflow, the view
// still draws and the table still fills.
TEST_F(BadInput, AFragmentAtTheEdgeOfTheFloatRangeShowsInfinityAndDraws) {
    start();
    loadFragment({{"0", "0"}, {"3e38", "-3e38"}, {"-3e38", "3e38"}});
    ASSERT_EQ(route().count(), 3);
    EXPECT_EQ(length(), "inf");
    view()->showInfo();
    EXPECT_EQ(legRows(), 3);
    EXPECT_FALSE(view()->grab().isNull());
    click({200, 200});
    EXPECT_EQ(route().count(), 3) << "finished";
}

TEST_F(BadInput, DefaultsOfWrongTypesOrNonFiniteValuesKeepTheDesign) {
    for (const char* key : {"WandrelScaleThisEndX", "WandrelScaleThatEndY"})
        put(key, "nan");
    put("WandrelScaleThisEndY", "inf");
    put("WandrelScaleThatEndX", "1e39");
    put("WandrelMainWindowColourR", "nan");
    put("WandrelMainWindowColourA", "-1");
    put("webImageSize", "99");
    put("WandrelScaleUnits", QStringList{"km", "m"});
    put("WandrelNumberOfUnits", QVariantList{1, 2});
    put("includeJournalForWeb", 0);
    start();
    // Text that is no number reads 0; an end given a non-finite place stays.
    const float kept = std::hypot(115.0f, 15.0f);
    EXPECT_FLOAT_EQ(bar()->floatValue(), kept);
    EXPECT_GE(window->tint().alphaF(), 0.05) << "a tint never vanishes";
    EXPECT_TRUE(d().preferences.ui().webImageSize0->isChecked());
    EXPECT_TRUE(d().preferences.ui().includeJournalForWeb->isChecked());
    EXPECT_EQ(d().unitViews.scaleUnits2->currentText(), "mile(s)");
    traceTriangle();
    const QString shown = length();
    EXPECT_TRUE(std::isfinite(shown.toDouble())) << shown.toStdString();
    restart();
    EXPECT_EQ(stored("WandrelScaleThatEndX"), "135") << "a good value written back";
    EXPECT_FLOAT_EQ(bar()->floatValue(), kept);
}

// An end stored far off the screen could never be dragged back, and its
// bar, too long for single precision, would turn every figure to 0.
TEST_F(BadInput, ABarEndStoredBeyondAnyScreenKeepsItsDesignedPlace) {
    put("WandrelScaleThisEndX", "1e30");
    put("WandrelScaleThisEndY", "15");
    put("WandrelScaleThatEndX", "215");
    put("WandrelScaleThatEndY", "15");
    start();
    EXPECT_EQ(bar()->floatValue(), 200.0f) << "from the designed end to the stored one";
    traceTriangle();
    EXPECT_EQ(length(), "1.500");
    restart();
    EXPECT_EQ(stored("WandrelScaleThisEndX"), "20") << "healed at the quit";
    EXPECT_EQ(bar()->floatValue(), 200.0f);
}

TEST_F(BadInput, ABinaryOrGarbledDefaultsStoreStartsAsDesignedAndIsRewritten) {
    QByteArray garbage(2048, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919) % 251);
    writeBytes(settings().fileName(), garbage + "\n[General]\nWandrelShowInfoAtStartup=NO\n" +
                                          "includeDistancesForWeb=\"\\x\n=\n[[[\n");
    start();
    EXPECT_FALSE(d().information.window()->isVisible());
    traceTriangle();
    EXPECT_EQ(length(), "3.000");
    type(d().unitViews.numberOfUnits2, "2");
    restart();
    EXPECT_EQ(d().unitViews.numberOfUnits2->text(), "2");
    EXPECT_EQ(stored("WandrelShowInfoAtStartup"), "NO");
}

} // namespace
