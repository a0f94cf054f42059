#include "app/FatController.h"
#include "QStringPrinter.h"
#include "app/AcetateWindow.h"
#include "app/WindowDesigns.h"
#include "labels/WandrelLabel.h"
#include "scale/SwinginSlider.h"
#include "tracing/WandrelTracingView.h"
#include "units/UnitDataSource.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList logged;

void capture(QtMsgType, const QMessageLogContext&, const QString& line) {
    logged << line;
}

class Figures : public ::testing::Test {
protected:
    Figures() : designs(window.getDesigns()), controller(window.getController()) {
        window.resize(900, 640);
        window.show();
    }

    // Lays the bar's second end `length` pixels to the right of the first.
    void setBarLength(float length) {
        SwinginSlider* bar = designs.acetate.scaleSlider;
        bar->moveThatEndToX(static_cast<float>(bar->getThisEnd().x()) + length,
                            static_cast<float>(bar->getThisEnd().y()));
        bar->resize();
    }

    void choose(QComboBox* box, const QString& title) {
        // Keyboard selection is how a user changes a pop-up without a mouse.
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        while (box->currentText() != title && box->currentIndex() < box->count() - 1)
            QTest::keyClick(box, Qt::Key_Down);
        ASSERT_EQ(box->currentText(), title);
    }

    void typeNumber(const QString& text) {
        QLineEdit* field = designs.unitViews.numberOfUnits2;
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    PointDataSource& route() { return designs.acetate.wandrelMainView->getPointDataSource(); }
    QString answer() const { return designs.unitViews.answer2->text(); }
    QString area() const { return designs.unitViews.areaAnswer->text(); }

    AcetateWindow window;
    WindowDesigns& designs;
    FatController& controller;
};

TEST_F(Figures, FreshWindowShowsZeroAndTheCaption) {
    EXPECT_FLOAT_EQ(designs.acetate.scaleSlider->floatValue(), 100.0f);
    EXPECT_EQ(answer(), "0.000");
    EXPECT_EQ(area(), "0.000");
    EXPECT_EQ(designs.preferences.answer->text(), "0.000");
    EXPECT_EQ(controller.getScaleText()->string(), " Scale is 1 mile(s) ");
    EXPECT_EQ(designs.unitViews.areaUnits->count(), 9);
    EXPECT_EQ(designs.unitViews.scaleUnits2->count(), 7);
}

TEST_F(Figures, SameUnitsNeedNoLookUp) {
    setBarLength(200);
    route().add(0, 0);
    route().add(300, 0);
    route().add(300, 200);
    route().add(0, 200);
    controller.displayAnswer();
    // 800 pixels of line over a 200-pixel mile; 60000 square pixels enclosed.
    EXPECT_EQ(answer(), "4.000");
    EXPECT_EQ(designs.preferences.answer->text(), "4.000");
    EXPECT_EQ(designs.acetate.wandrelMainView->getAnswer(), "4.000");
    EXPECT_EQ(area(), "1.500");
    EXPECT_EQ(designs.acetate.wandrelMainView->getAreaAnswer(), "1.500");
}

TEST_F(Figures, DifferentUnitsConvertThroughMetres) {
    setBarLength(200);
    route().add(0, 0);
    route().add(200, 0);
    route().add(200, 200);
    choose(designs.unitViews.scaleUnits2, "km");
    choose(designs.unitViews.answerUnits2, "m");
    EXPECT_EQ(answer(), "2000.000");
    choose(designs.unitViews.areaUnits, "ha");
    // Half a square kilometre is 50 hectares.
    EXPECT_EQ(area(), "50.000");
    EXPECT_FLOAT_EQ(controller.convertUsingScale(100), 500.0f);
    EXPECT_FLOAT_EQ(controller.convertAreaUsingScale(40000), 100.0f);
}

TEST_F(Figures, MissingUnitsAndZeroBarShowWhatTheFormattingPrints) {
    route().add(0, 0);
    route().add(100, 0);
    choose(designs.unitViews.answerUnits2, "km");
    window.getUnitDataSource().deleteItem(window.getUnitDataSource().getUnitWithShortName("km"));
    controller.displayAnswer();
    EXPECT_EQ(answer(), "0.000");

    choose(designs.unitViews.answerUnits2, "mile(s)");
    setBarLength(0);
    controller.displayAnswer();
    EXPECT_EQ(answer(), "inf");
    route().clear();
    controller.displayAnswer();
    EXPECT_TRUE(answer().endsWith("nan"));
}

TEST_F(Figures, InverseConversionLogsItsAnswer) {
    setBarLength(200);
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    const float pixels = controller.convertToPixels(2, "mile(s)");
    const float fromKm = controller.convertToPixels(1.609344f, "km");
    qInstallMessageHandler(previous);
    EXPECT_FLOAT_EQ(pixels, 400.0f);
    EXPECT_NEAR(fromKm, 200.0f, 1e-3);
    ASSERT_FALSE(logged.isEmpty());
    EXPECT_EQ(logged.first(), "answer: 400.000000");
}

TEST_F(Figures, TypedNumberDrivesFiguresAndCaption) {
    setBarLength(200);
    route().add(0, 0);
    route().add(500, 0);
    typeNumber("2.5");
    EXPECT_EQ(answer(), "6.250");
    EXPECT_EQ(controller.getScaleText()->string(), " Scale is 2.5 mile(s) ");
    EXPECT_EQ(designs.preferences.numberOfUnits->text(), "2.5");
    EXPECT_EQ(designs.acetate.wandrelMainView->getScale(), "2.5");

    typeNumber("");
    EXPECT_EQ(answer(), "0.000");
    typeNumber("abc");
    EXPECT_EQ(answer(), "0.000");
}

TEST_F(Figures, FirstSetOfControlsMirrorsTheSecond) {
    choose(designs.preferences.scaleUnits, "ft");
    EXPECT_EQ(designs.unitViews.scaleUnits2->currentText(), "ft");
    EXPECT_EQ(controller.getScaleText()->string(), " Scale is 1 ft ");
    choose(designs.unitViews.answerUnits2, "cm");
    EXPECT_EQ(controller.getAnswerUnits(), "cm");
}

TEST_F(Figures, SquareMarkerFollowsTheKindOfAreaUnit) {
    QLabel* sq = designs.unitViews.sqLabel;
    choose(designs.unitViews.areaUnits, "ac");
    EXPECT_TRUE(sq->isHidden());
    choose(designs.unitViews.areaUnits, "m");
    EXPECT_FALSE(sq->isHidden());
}

TEST_F(Figures, HiddenBarKeepsTheCaptionButStillRecomputes) {
    setBarLength(100);
    route().add(0, 0);
    route().add(100, 0);
    designs.acetate.scaleMenuItem->trigger(); // hide
    EXPECT_EQ(controller.getScaleText()->string().trimmed(), "");
    typeNumber("3");
    EXPECT_EQ(controller.getScaleText()->string().trimmed(), "");
    EXPECT_EQ(answer(), "3.000");
    designs.acetate.scaleMenuItem->trigger(); // show
    EXPECT_EQ(controller.getScaleText()->string(), " Scale is 3 mile(s) ");
}

TEST_F(Figures, DraggingAnEndUpdatesTheFiguresLive) {
    route().add(0, 0);
    route().add(100, 0);
    SwinginSlider* bar = designs.acetate.scaleSlider;
    // The bar's second end sits 20 pixels from its right edge, halfway up.
    const QPoint end(bar->width() - 20, bar->height() / 2);
    QTest::mousePress(bar, Qt::LeftButton, {}, end);
    QTest::mouseMove(bar, end + QPoint(100, 0));
    EXPECT_EQ(answer(), "0.500");
    QTest::mouseRelease(bar, Qt::LeftButton, {}, end + QPoint(100, 0));
}

TEST(AcetateWindowDesign, NamesFieldsForScreenReaders) {
    AcetateWindow window;
    WindowDesigns& d = window.getDesigns();
    EXPECT_EQ(d.preferences.answer->accessibleName(), "Route length");
    EXPECT_EQ(d.unitViews.answer2->accessibleName(), "Route length (toolbar)");
    EXPECT_EQ(d.unitViews.areaAnswer->accessibleName(), "Enclosed area");
    EXPECT_EQ(d.unitViews.numberOfUnits2->accessibleName(), "Scale number");
    EXPECT_EQ(d.acetate.scaleSlider->accessibleName(), "Scale bar");
    EXPECT_EQ(window.getController().getScaleText()->accessibleName(), "Scale caption");
    EXPECT_EQ(d.acetate.wandrelMainView->accessibleName(), "Acetate");
    EXPECT_EQ(d.unitViews.scaleUnitLabel->buddy(), d.unitViews.scaleUnits2);
    EXPECT_EQ(d.unitViews.scaleUnitLabel->text(), "Scale unit");
    EXPECT_EQ(d.unitViews.answerUnitLabel->buddy(), d.unitViews.answerUnits2);
    EXPECT_EQ(d.unitViews.answerUnitLabel->text(), "Length unit");
    EXPECT_EQ(d.unitViews.areaUnitLabel->buddy(), d.unitViews.areaUnits);
    EXPECT_EQ(d.unitViews.areaUnitLabel->text(), "Area unit");
    EXPECT_EQ(d.unitViews.areaUnits->accessibleName(), "Area unit");
}

} // namespace
