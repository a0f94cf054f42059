#include "SessionFixture.h"

#include "platform/PropertyList.h"
#include "units/UnitDataSource.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>

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
    // Asks for markers every mile through the dialog; true if it took.
    bool placeMarkers() {
        const auto alerts = Alerts::answered().size();
        d().acetate.placeMarkersMenuItem->trigger();
        type(d().distanceMarkers.markerNumber, "1");
        QTest::mouseClick(d().distanceMarkers.markerButtons->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
        const bool refused = Alerts::answered().size() > alerts;
        if (refused) {
            EXPECT_EQ(Alerts::answered().last().message,
                      "Scale unit is mile(s). You can't place markers every 1 mile(s)");
            EXPECT_TRUE(d().distanceMarkerDialog->isVisible());
            d().distanceMarkerDialog->reject();
        }
        return !refused;
    }
    void storeBytes(const QString& path, const QByteArray& bytes) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
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
    quit();
}

TEST_F(BadInput, AZeroLengthBarShowsInfinityRefusesMarkersAndIsKept) {
    start();
    traceTriangle();
    dragBarEnd(true, barEnd(false));
    EXPECT_EQ(bar()->floatValue(), 0.0f);
    EXPECT_EQ(length(), "inf");
    EXPECT_EQ(area(), "inf");
    EXPECT_FALSE(placeMarkers());
    EXPECT_EQ(route().count(), 3);

    restart();
    EXPECT_EQ(barEnd(true), barEnd(false));
    traceTriangle();
    EXPECT_EQ(length(), "inf");
    dragBarEnd(true, barEnd(false) + QPointF(100, 0));
    EXPECT_EQ(length(), "3.000");
    quit();
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
    auto unit = std::make_unique<WandrelUnit>("chains", "ch", 20.1168f, false);
    unit->setEditable(true);
    window->getUnitDataSource().add(std::move(unit));
    window->getUnitDataSource().updateAllButtons();
    choose(d().unitViews.answerUnits2, "ch");
    EXPECT_EQ(length(), "480.000"); // 6 miles of 1609.344 m in chains of 20.1168 m
    quit();
    ASSERT_TRUE(QFile::remove(appData.file("customUnits.plist")));
    start();
    EXPECT_EQ(d().unitViews.answerUnits2->currentText(), "mile(s)");
    traceTriangle();
    EXPECT_EQ(length(), "6.000");
    quit();
}

TEST_F(BadInput, AFragmentNamingAnUnknownUnitLoadsInTheWindowsUnitsAndKeepsTheName) {
    start();
    const QString fragment = appData.file("walk.plist");
    storeBytes(fragment, "<plist version=\"1.0\"><dict><key>answerUnits</key>"
                         "<string>furlongs</string><key>points</key><array>"
                         "<dict><key>x</key><string>100</string><key>y</key><string>300</string>"
                         "<key>isWaypoint</key><string>YES</string></dict>"
                         "<dict><key>x</key><string>300</string><key>y</key><string>300</string>"
                         "<key>isWaypoint</key><string>YES</string></dict>"
                         "<dict><key>x</key><string>300</string><key>y</key><string>400</string>"
                         "<key>isWaypoint</key><string>YES</string></dict>"
                         "</array></dict></plist>");
    view()->readFromFragmentFile(fragment);
    controller().displayAnswer();
    EXPECT_EQ(length(), "3.000");
    EXPECT_EQ(area(), "1.000");
    view()->writeToFileAsFragment(fragment);
    EXPECT_EQ(PropertyList::read(fragment)->value("answerUnits"), "furlongs");

    // The inspector shows the window's figures, so it takes the window's unit.
    view()->showInfo();
    EXPECT_EQ(inspector().controls()->infoAnswerUnits->currentText(), "mile(s)");
    ASSERT_EQ(legRows(), 3);
    EXPECT_EQ(cell(0, 1), "2.000");
    EXPECT_EQ(cell(1, 3), "1.000");
    view()->writeToFileAsFragment(fragment);
    EXPECT_EQ(PropertyList::read(fragment)->value("answerUnits"), "mile(s)");
    quit();
}

// Coordinates the float range only just holds: the sums overflow, the view
// still draws and the table still fills.
TEST_F(BadInput, AFragmentAtTheEdgeOfTheFloatRangeShowsInfinityAndDraws) {
    start();
    const QString fragment = appData.file("far.plist");
    QByteArray points;
    for (const char* xy : {"<string>0</string><key>y</key><string>0</string>",
                           "<string>3e38</string><key>y</key><string>-3e38</string>",
                           "<string>-3e38</string><key>y</key><string>3e38</string>"})
        points += QByteArray("<dict><key>isWaypoint</key><string>YES</string><key>x</key>") + xy +
                  "</dict>";
    storeBytes(fragment, "<plist version=\"1.0\"><dict><key>points</key><array>" + points +
                             "</array></dict></plist>");
    view()->readFromFragmentFile(fragment);
    ASSERT_EQ(route().count(), 3);
    controller().displayAnswer();
    EXPECT_EQ(length(), "inf");
    view()->showInfo();
    EXPECT_EQ(legRows(), 3);
    EXPECT_FALSE(view()->grab().isNull());
    click({200, 200});
    EXPECT_EQ(route().count(), 3) << "finished";
    quit();
}

// Nothing read from a line-info file can stretch, shrink or poison the figures.
TEST_F(BadInput, LineInfoOfWrongTypesNonFiniteOrDamagedChangesNoFigure) {
    start();
    traceTriangle();
    const QString info = appData.file("lineInfo.plist");
    const QByteArray wrong =
        "<plist version=\"1.0\"><dict>"
        "<key>LowLightColourR</key><string>nan</string><key>LowLightColourG</key><real>inf</real>"
        "<key>LowLightColourB</key><array/><key>LowLightColourA</key><string>1e39</string>"
        "<key>HighLightColourR</key><true/><key>HighLightColourG</key><dict/>"
        "<key>HighLightColourB</key><data>AAAA</data><key>HighLightColourA</key><integer>-4"
        "</integer><key>lineWidth</key><string>-inf</string>"
        "<key>terrainFactor</key><string>nan</string></dict></plist>";
    const QByteArray written = [&] {
        view()->writeInfoToFile(appData.path());
        QFile in(info);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }();
    for (const QByteArray& bytes :
         {wrong, written.left(written.size() / 2), QByteArray("bplist00\xff\x01\x02", 11),
          QByteArray(64, '\xee')}) {
        storeBytes(info, bytes);
        view()->loadLineInfo(appData.path());
        controller().displayAnswer();
        EXPECT_EQ(length(), "3.000");
        EXPECT_EQ(area(), "1.000");
    }
    storeBytes(info, wrong);
    view()->loadLineInfo(appData.path());
    view()->writeInfoToFile(appData.path());
    const auto again = PropertyList::read(info);
    ASSERT_TRUE(again.has_value());
    for (auto it = again->begin(); it != again->end(); ++it)
        EXPECT_TRUE(std::isfinite(it.value().toString().toDouble())) << it.key().toStdString();
    quit();
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
    EXPECT_TRUE(d().preferences.webImageSize0->isChecked());
    EXPECT_TRUE(d().preferences.includeJournalForWeb->isChecked());
    EXPECT_EQ(d().unitViews.scaleUnits2->currentText(), "mile(s)");
    traceTriangle();
    const QString shown = length();
    EXPECT_TRUE(std::isfinite(shown.toDouble())) << shown.toStdString();
    restart();
    EXPECT_EQ(stored("WandrelScaleThatEndX"), "135") << "a good value written back";
    EXPECT_FLOAT_EQ(bar()->floatValue(), kept);
    quit();
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
    quit();
}

TEST_F(BadInput, ABinaryOrGarbledDefaultsStoreStartsAsDesignedAndIsRewritten) {
    QByteArray garbage(2048, '\0');
    for (int i = 0; i < garbage.size(); ++i)
        garbage[i] = char((i * 7919) % 251);
    storeBytes(storeFile(), garbage + "\n[General]\nWandrelShowInfoAtStartup=NO\n" +
                                "includeDistancesForWeb=\"\\x\n=\n[[[\n");
    start();
    EXPECT_FALSE(d().informationWindow->isVisible());
    traceTriangle();
    EXPECT_EQ(length(), "3.000");
    type(d().unitViews.numberOfUnits2, "2");
    restart();
    EXPECT_EQ(d().unitViews.numberOfUnits2->text(), "2");
    EXPECT_EQ(stored("WandrelShowInfoAtStartup"), "NO");
    quit();
}

} // namespace
