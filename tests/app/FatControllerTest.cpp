#include "SessionFixture.h"

#include "labels/WandrelLabel.h"

#include <QAccessible>
#include <QLabel>

namespace {

class Figures : public Session {
protected:
    void SetUp() override { start(); }
    QString caption() { return controller().getScaleText()->string(); }
};

// A 200-pixel bar; 800 pixels of open line about 60,000 square pixels.
TEST_F(Figures, EveryUnitChoiceConvertsThroughMetresAndReachesEveryField) {
    setBarLength(200);
    for (QPointF p : {QPointF(100, 100), {400, 100}, {400, 300}})
        click(p);
    doubleClick({100, 300});
    const struct {
        const char *scale, *length, *area, *shownLength, *shownArea;
        bool squareMark;
    } cases[] = {
        {"mile(s)", "mile(s)", "mile(s)", "4.000", "1.500", true},
        {"km", "m", "ha", "4000.000", "150.000", false},
        {"ft", "cm", "m", "121.920", "0.139", true},
        {"mile(s)", "km", "ac", "6.437", "959.967", false}, // acres of 63.616 m a side
    };
    for (const auto& c : cases) {
        choose(d().unitViews.scaleUnits2, c.scale);
        choose(d().unitViews.answerUnits2, c.length);
        choose(d().unitViews.areaUnits, c.area);
        EXPECT_EQ(length(), c.shownLength) << c.length;
        EXPECT_EQ(area(), c.shownArea) << c.area;
        EXPECT_EQ(d().preferences.ui().answer->text(), c.shownLength);
        EXPECT_EQ(view()->getAnswer(), c.shownLength);
        EXPECT_EQ(view()->getAreaAnswer(), c.shownArea);
        EXPECT_EQ(d().unitViews.sqLabel->isHidden(), !c.squareMark) << c.area;
    }
    // Units gone from the registry behind the pop-ups' back convert to nothing.
    for (const char* gone : {"mile(s)", "km", "ac"})
        units().deleteItem(units().getUnitWithShortName(gone));
    controller().displayAnswer();
    EXPECT_EQ(length(), "0.000");
    EXPECT_EQ(area(), "0.000");
}

// The designed 100-pixel bar under a route of 100 pixels.
TEST_F(Figures, ScaleTerrainAndTheBarsEndsShowAtOnceWhereverTheyAreSet) {
    click({100, 100});
    doubleClick({200, 100});
    choose(d().preferences.ui().scaleUnits, "ft");
    EXPECT_EQ(d().unitViews.scaleUnits2->currentText(), "ft");
    choose(d().unitViews.answerUnits2, "ft");
    type(d().unitViews.numberOfUnits2, "2.5");
    EXPECT_EQ(length(), "2.500");
    EXPECT_EQ(d().preferences.ui().numberOfUnits->text(), "2.5");
    EXPECT_EQ(caption(), " Scale is 2.5 ft ");

    d().preferences.ui().terrainSlider->setValue(120);
    EXPECT_EQ(length(), "3.000");
    d().preferences.ui().terrainSlider->setValue(100);

    d().acetate.scaleMenuItem->trigger(); // hidden: no caption, figures still follow
    type(d().unitViews.numberOfUnits2, "3");
    EXPECT_EQ(caption().trimmed(), "");
    EXPECT_EQ(length(), "3.000");
    d().acetate.scaleMenuItem->trigger();
    EXPECT_EQ(caption(), " Scale is 3 ft ");

    const QPoint end(qRound(bar()->getThatEnd().x()),
                     bar()->height() - qRound(bar()->getThatEnd().y()));
    QTest::mousePress(bar(), Qt::LeftButton, {}, end);
    QTest::mouseMove(bar(), end + QPoint(100, 0));
    EXPECT_EQ(length(), "1.500") << "while the end is still held";
    QTest::mouseRelease(bar(), Qt::LeftButton, {}, end + QPoint(100, 0));
}

TEST_F(Figures, RouteMenuPlacesAWaypointAndClearsOnlyWhenTheUserAgrees) {
    EXPECT_FALSE(window->isWindowModified());
    click({200, 300});
    EXPECT_TRUE(window->isWindowModified());
    d().acetate.createWayPointMenuItem->trigger();
    click({400, 300});
    EXPECT_TRUE(route().getLastPoint()->isWaypoint());
    click({400, 400});
    EXPECT_FALSE(route().getLastPoint()->isWaypoint()) << "for the next click only";

    Alerts::scriptAnswers({Alerts::Answer::Alternate, Alerts::Answer::Default});
    d().acetate.clearPointsMenuItem->trigger();
    EXPECT_EQ(route().count(), 3);
    d().acetate.clearPointsMenuItem->trigger();
    EXPECT_EQ(route().count(), 0);
    EXPECT_EQ(length(), "0.000");
}

TEST_F(Figures, ControlsCarryTheNamesAScreenReaderAnnounces) {
    const auto& u = d().unitViews;
    const auto& sheet = d().unitEdit;
    const std::pair<QWidget*, QString> named[] = {
        {d().preferences.ui().answer, "Route length"},
        {u.answer2, "Route length (toolbar)"},
        {u.areaAnswer, "Enclosed area"},
        {u.numberOfUnits2, "Scale number"},
        {bar(), "Scale bar"},
        {controller().getScaleText(), "Scale caption"},
        {view(), "Acetate"},
        {d().preferences.ui().unitTableView, "Units"},
        {d().preferences.ui().createUnitButton, "New Unit"},
        {d().preferences.ui().editUnitButton, "Edit"},
        {d().preferences.ui().deleteUnitButton, "Delete Unit"},
        {sheet.nameField, "Name"},
        {sheet.shortNameField, "Short name"},
        {sheet.conversionFactorField, "Metres per unit"},
        {sheet.isAreaButton, "Unit of area (factor is the side of its square)"},
        {sheet.okButton, "OK"},
        {sheet.cancelButton, "Cancel"},
    };
    for (const auto& [widget, name] : named) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(face, nullptr) << name.toStdString();
        EXPECT_EQ(face->text(QAccessible::Name), name);
    }
    // A control with a visible label is named by the label's words.
    const auto& m = d().distanceMarkers.ui();
    const std::tuple<QLabel*, QWidget*, QString> labelled[] = {
        {u.scaleUnitLabel, u.scaleUnits2, "Scale unit"},
        {u.answerUnitLabel, u.answerUnits2, "Length unit"},
        {u.areaUnitLabel, u.areaUnits, "Area unit"},
        {m.markerNumberLabel, m.markerNumber, m.markerNumber->accessibleName()},
        {m.markerUnitsLabel, m.markerUnits, m.markerUnits->accessibleName()},
    };
    for (const auto& [label, control, text] : labelled) {
        EXPECT_EQ(label->buddy(), control);
        EXPECT_EQ(label->text(), text);
        EXPECT_FALSE(text.isEmpty());
    }
    for (QAbstractButton* button : d().distanceMarkers.window()->findChildren<QAbstractButton*>())
        EXPECT_EQ(button->accessibleName(), button->text());
}

} // namespace
