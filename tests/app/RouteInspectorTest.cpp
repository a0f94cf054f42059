#include "AcetateFixture.h"

#include "inspector/WandrelRouteInfoInspector.h"
#include "ui_WandrelRouteInfoInspector.h"

#include <QMenu>

namespace {

// A route traced with the mouse over a 200-pixel bar that stands for 1 mile,
// finished by a double click on its last point: waypoints at 0, 300 and 400
// pixels along it.
class RouteInspector : public AcetateTest {
protected:
    void SetUp() override {
        setBarLength(200);
        click(100, 100);
        click(250, 100);
        click(400, 100, Qt::AltModifier);
        click(400, 200);
        doubleClick(400, 200);
    }

    WandrelRouteInfoInspector& info() { return view->getInfo(); }
    QString cell(int row, int column) {
        QCoreApplication::processEvents(); // reloads wait for the event loop
        const WaypointTableModel& model = info().tableModel();
        return model.data(model.index(row, column)).toString();
    }
    QStringList rowTexts(int row) {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << cell(row, c);
        return cells;
    }
};

TEST_F(RouteInspector, OpensFromTheRouteMenuWithTheFiguresAndTheLegs) {
    ASSERT_TRUE(designs.acetate.showInfoMenuItem->isEnabled());
    designs.acetate.showInfoMenuItem->trigger();
    ASSERT_TRUE(info().isWindowLoaded());
    EXPECT_TRUE(info().getWindow()->isVisible());
    const auto& c = *info().controls();
    EXPECT_EQ(c.infoAnswer->text(), "2.000");
    EXPECT_EQ(c.infoAnswer->text(), answer());
    EXPECT_EQ(c.scaleNumber->text(), "1");
    EXPECT_EQ(c.infoAnswerUnits->currentText(), "mile(s)");
    EXPECT_EQ(c.infoAnswerUnits->count(), designs.unitViews.answerUnits2->count());
    EXPECT_EQ(rowTexts(0), (QStringList{"Start", "1.500", "-", "2.000"}));
    EXPECT_EQ(rowTexts(1), (QStringList{"", "0.500", "1.500", "0.500"}));
    EXPECT_EQ(rowTexts(2), (QStringList{"Finish", "-", "2.000", "-"}));
}

TEST_F(RouteInspector, OpensFromAWaypointsContextMenu) {
    QTest::mouseClick(view, Qt::RightButton, {}, at(400, 100));
    QMenu* menu = view->getWaypointContextMenu();
    ASSERT_TRUE(menu->isVisible());
    QAction* details = menu->actions().at(1);
    ASSERT_EQ(details->text(), "Show Waypoint Details");
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(details).center());
    EXPECT_TRUE(info().isWindowLoaded() && info().getWindow()->isVisible());
}

TEST_F(RouteInspector, TableFollowsEditsUnitsAndTheScale) {
    view->showInfo();
    choose(designs.unitViews.answerUnits2, "km");
    EXPECT_EQ(cell(0, 1), "2.414") << "1.5 miles in kilometres";
    EXPECT_EQ(info().controls()->infoAnswerUnits->currentText(), "km");
    EXPECT_EQ(info().controls()->infoAreaUnits->currentText(), "mile(s)")
        << "the unit the area figure is in";
    choose(designs.unitViews.areaUnits, "ha");
    EXPECT_EQ(info().controls()->infoAreaUnits->currentText(), "ha");
    choose(designs.unitViews.answerUnits2, "mile(s)");

    // Drag the middle waypoint 100 pixels to the right in modify mode.
    QTest::mousePress(view, Qt::LeftButton, {}, at(400, 100));
    QTest::mouseMove(view, at(405, 100));
    QTest::mouseMove(view, at(500, 100));
    QTest::mouseRelease(view, Qt::LeftButton, {}, at(500, 100));
    EXPECT_EQ(cell(0, 1), "2.000");

    // Make the regular point at (250, 100) a waypoint from its menu.
    QTest::mouseClick(view, Qt::RightButton, {}, at(250, 100));
    view->getRegularPointContextMenu()->actions().at(0)->trigger();
    EXPECT_EQ(cell(1, 1), "1.250");
    EXPECT_EQ(info().tableModel().rowCount(), 4);

    typeNumber("2");
    EXPECT_EQ(cell(1, 2), "1.500");
    EXPECT_EQ(cell(1, 3), "3.914");
}

// The inspector shows the main window's figures, so its unit must be theirs.
TEST_F(RouteInspector, AUnitChosenInTheInspectorBecomesTheWindows) {
    view->showInfo();
    const auto& c = *info().controls();
    c.infoAnswerUnits->setFocus();
    QTest::keyClick(c.infoAnswerUnits, Qt::Key_Down); // mile(s) -> km
    ASSERT_EQ(c.infoAnswerUnits->currentText(), "km");
    EXPECT_EQ(designs.unitViews.answerUnits2->currentText(), "km");
    EXPECT_EQ(designs.unitViews.areaUnits->currentText(), "km");
    EXPECT_EQ(answer(), "3.219");
    EXPECT_EQ(c.infoAnswer->text(), "3.219");
    EXPECT_EQ(cell(0, 1), "2.414");
}

TEST_F(RouteInspector, BecomingKeyClosesTheZoomWindow) {
    view->showSlider();
    ASSERT_TRUE(designs.zoomWindow->isVisible());
    EXPECT_EQ(designs.zoom.zoomSlider->value(), 1);
    designs.zoom.zoomSlider->setValue(3);
    controller.windowDidBecomeKey();
    EXPECT_FALSE(designs.zoomWindow->isVisible());
    EXPECT_EQ(designs.zoom.zoomSlider->value(), 1);
}

} // namespace
