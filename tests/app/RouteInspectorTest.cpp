#include "SessionFixture.h"

#include <QMenu>

namespace {

// A route traced over a 200-pixel bar for 1 mile: waypoints at 0, 300 and
// 400 pixels along it.
class RouteInspector : public Session {
protected:
    void SetUp() override {
        start();
        setBarLength(200);
        click({100, 100});
        click({250, 100});
        click({400, 100}, Qt::AltModifier);
        doubleClick({400, 200});
    }
    const Ui::WandrelRouteInfoInspector& controls() { return *inspector().controls(); }
};

TEST_F(RouteInspector, OpensFromAWaypointsMenuAndKeepsInStepWithTheWindow) {
    // The regular point at (250, 100) made a waypoint from its own menu.
    QTest::mouseClick(view(), Qt::RightButton, {}, at({250, 100}));
    view()->getRegularPointContextMenu()->actions().at(0)->trigger();
    QTest::mouseClick(view(), Qt::RightButton, {}, at({400, 100}));
    QMenu* menu = view()->getWaypointContextMenu();
    ASSERT_TRUE(menu->isVisible());
    QAction* details = menu->actions().at(1);
    ASSERT_EQ(details->text(), "Show Waypoint Details");
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(details).center());
    ASSERT_TRUE(inspector().isWindowLoaded() && inspector().getWindow()->isVisible());
    EXPECT_EQ(controls().infoAnswer->text(), "2.000");
    ASSERT_EQ(legRows(), 4);
    EXPECT_EQ(cell(1, 1), "0.750");

    choose(d().unitViews.answerUnits2, "km");
    EXPECT_EQ(cell(1, 1), "1.207") << "0.75 miles in kilometres";
    EXPECT_EQ(controls().infoAnswerUnits->currentText(), "km");
    EXPECT_EQ(controls().infoAreaUnits->currentText(), "mile(s)") << "the area's own unit";
    choose(d().unitViews.areaUnits, "ha");
    EXPECT_EQ(controls().infoAreaUnits->currentText(), "ha");
    choose(d().unitViews.answerUnits2, "mile(s)");
    type(d().unitViews.numberOfUnits2, "2");
    EXPECT_EQ(cell(1, 1), "1.500");
    EXPECT_EQ(cell(1, 2), "1.500");
    EXPECT_EQ(cell(1, 3), "2.500");

    // The inspector shows the window's figures, so its unit must be theirs.
    controls().infoAnswerUnits->setFocus();
    QTest::keyClick(controls().infoAnswerUnits, Qt::Key_Down); // mile(s) -> km
    ASSERT_EQ(controls().infoAnswerUnits->currentText(), "km");
    EXPECT_EQ(d().unitViews.answerUnits2->currentText(), "km");
    EXPECT_EQ(d().unitViews.areaUnits->currentText(), "km");
    EXPECT_EQ(length(), "6.437");
    EXPECT_EQ(controls().infoAnswer->text(), "6.437");
    EXPECT_EQ(cell(1, 1), "2.414");

    view()->showSlider();
    ASSERT_TRUE(d().zoomWindow->isVisible());
    backToTheAcetateFrom(inspector().getWindow());
    EXPECT_FALSE(d().zoomWindow->isVisible()) << "coming back to the acetate closes it";
}

} // namespace
