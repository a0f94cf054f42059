#include "AcetateFixture.h"

#include "labels/WandrelLabel.h"
#include "units/UnitDataSource.h"

namespace {

QStringList logged;

void capture(QtMsgType, const QMessageLogContext&, const QString& line) {
    logged << line;
}

using Figures = AcetateTest;

TEST_F(Figures, FreshWindowShowsZeroAndTheCaption) {
    EXPECT_FLOAT_EQ(designs.acetate.scaleSlider->floatValue(), 100.0f);
    EXPECT_EQ(answer(), "0.000");
    EXPECT_EQ(area(), "0.000");
    EXPECT_EQ(controller.getScaleText()->string(), " Scale is 1 mile(s) ");
    EXPECT_EQ(designs.unitViews.areaUnits->count(), 9);
    EXPECT_EQ(designs.unitViews.scaleUnits2->count(), 7);
}

TEST_F(Figures, SameUnitsReachEveryFieldAndTheView) {
    setBarLength(200);
    for (auto [x, y] : {std::pair{0, 0}, {300, 0}, {300, 200}, {0, 200}})
        route().add(x, y);
    controller.displayAnswer();
    // 800 pixels of open line over a 200-pixel mile; 60000 square pixels.
    EXPECT_EQ(answer(), "4.000");
    EXPECT_EQ(designs.preferences.answer->text(), "4.000");
    EXPECT_EQ(view->getAnswer(), "4.000");
    EXPECT_EQ(area(), "1.500");
    EXPECT_EQ(view->getAreaAnswer(), "1.500");
}

TEST_F(Figures, DifferentUnitsConvertThroughMetresBothWays) {
    setBarLength(200);
    route().add(0, 0);
    route().add(200, 0);
    route().add(200, 200);
    choose(designs.unitViews.scaleUnits2, "km");
    choose(designs.unitViews.answerUnits2, "m");
    EXPECT_EQ(answer(), "2000.000");
    choose(designs.unitViews.areaUnits, "ha");
    EXPECT_EQ(area(), "50.000"); // half a square kilometre

    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    EXPECT_FLOAT_EQ(controller.convertToPixels(2, "km"), 400.0f);
    EXPECT_FLOAT_EQ(controller.convertToPixels(500, "m"), 100.0f);
    qInstallMessageHandler(previous);
    EXPECT_EQ(logged.first(), "answer: 400.000000");
}

TEST_F(Figures, MissingUnitsEmptyNumberAndZeroBarShowWhatTheFormattingPrints) {
    route().add(0, 0);
    route().add(100, 0);
    typeNumber("");
    EXPECT_EQ(answer(), "0.000");
    typeNumber("2.5 miles");
    EXPECT_EQ(answer(), "2.500");
    choose(designs.unitViews.answerUnits2, "km");
    UnitDataSource& units = window.getUnitDataSource();
    units.deleteItem(units.getUnitWithShortName("km"));
    controller.displayAnswer();
    EXPECT_EQ(answer(), "0.000");

    choose(designs.unitViews.answerUnits2, "mile(s)");
    setBarLength(0);
    EXPECT_EQ(answer(), "inf");
}

TEST_F(Figures, TypedNumberAndFirstSetStayInStep) {
    setBarLength(200);
    route().add(0, 0);
    route().add(500, 0);
    typeNumber("2.5");
    EXPECT_EQ(answer(), "6.250");
    EXPECT_EQ(controller.getScaleText()->string(), " Scale is 2.5 mile(s) ");
    EXPECT_EQ(designs.preferences.numberOfUnits->text(), "2.5");
    EXPECT_EQ(view->getScale(), "2.5");

    choose(designs.preferences.scaleUnits, "ft");
    EXPECT_EQ(designs.unitViews.scaleUnits2->currentText(), "ft");
    EXPECT_EQ(controller.getScaleText()->string(), " Scale is 2.5 ft ");
    choose(designs.unitViews.answerUnits2, "cm");
    EXPECT_EQ(controller.getAnswerUnits(), "cm");
}

TEST_F(Figures, SquareMarkerFollowsTheKindOfAreaUnit) {
    choose(designs.unitViews.areaUnits, "ac");
    EXPECT_TRUE(designs.unitViews.sqLabel->isHidden());
    choose(designs.unitViews.areaUnits, "m");
    EXPECT_FALSE(designs.unitViews.sqLabel->isHidden());
}

TEST_F(Figures, HiddenBarKeepsTheCaptionBlankButStillRecomputes) {
    route().add(0, 0);
    route().add(100, 0);
    designs.acetate.scaleMenuItem->trigger();
    typeNumber("3");
    EXPECT_EQ(controller.getScaleText()->string().trimmed(), "");
    EXPECT_EQ(answer(), "3.000");
    designs.acetate.scaleMenuItem->trigger();
    EXPECT_EQ(controller.getScaleText()->string(), " Scale is 3 mile(s) ");
}

TEST_F(Figures, DraggingAnEndUpdatesTheFiguresLive) {
    route().add(0, 0);
    route().add(100, 0);
    SwinginSlider* bar = designs.acetate.scaleSlider;
    const QPoint end(bar->width() - 20, bar->height() / 2);
    QTest::mousePress(bar, Qt::LeftButton, {}, end);
    QTest::mouseMove(bar, end + QPoint(100, 0));
    EXPECT_EQ(answer(), "0.500");
    QTest::mouseRelease(bar, Qt::LeftButton, {}, end + QPoint(100, 0));
}

TEST_F(Figures, FieldsCarryTheNamesAScreenReaderAnnounces) {
    const std::pair<QWidget*, QString> named[] = {
        {designs.preferences.answer, "Route length"},
        {designs.unitViews.answer2, "Route length (toolbar)"},
        {designs.unitViews.areaAnswer, "Enclosed area"},
        {designs.unitViews.numberOfUnits2, "Scale number"},
        {designs.acetate.scaleSlider, "Scale bar"},
        {controller.getScaleText(), "Scale caption"},
        {view, "Acetate"},
        {designs.unitViews.areaUnits, "Area unit"},
    };
    for (const auto& [widget, name] : named)
        EXPECT_EQ(widget->accessibleName(), name);
    const std::tuple<QLabel*, QWidget*, QString> labels[] = {
        {designs.unitViews.scaleUnitLabel, designs.unitViews.scaleUnits2, "Scale unit"},
        {designs.unitViews.answerUnitLabel, designs.unitViews.answerUnits2, "Length unit"},
        {designs.unitViews.areaUnitLabel, designs.unitViews.areaUnits, "Area unit"},
    };
    for (const auto& [label, buddy, text] : labels) {
        EXPECT_EQ(label->buddy(), buddy);
        EXPECT_EQ(label->text(), text);
    }
}

} // namespace
