#include "AcetateFixture.h"

#include "platform/Alerts.h"

namespace {

class RouteCommands : public AcetateTest {
protected:
    ~RouteCommands() override { Alerts::reset(); }
};

TEST_F(RouteCommands, TracingUpdatesFiguresAndTheEditedMark) {
    EXPECT_FALSE(window.isWindowModified());
    click(200, 300);
    click(300, 300);
    EXPECT_EQ(answer(), "1.000");
    EXPECT_TRUE(window.isWindowModified());
    click(300, 400);
    doubleClick(300, 400);
    EXPECT_TRUE(controller.allTracingViewsFinished());
    EXPECT_EQ(answer(), "2.000");
    EXPECT_EQ(area(), "0.500");

    designs.preferences.terrainSlider->setValue(120);
    EXPECT_EQ(answer(), "2.400");
    designs.preferences.terrainSlider->setValue(100);
    EXPECT_EQ(answer(), "2.000");
}

TEST_F(RouteCommands, UndoAndClearFromTheMenu) {
    click(200, 300);
    click(300, 300);
    click(400, 300);
    QTest::keyClick(view, Qt::Key_Escape);
    designs.acetate.undoPointMenuItem->trigger();
    EXPECT_EQ(route().count(), 2);
    EXPECT_FALSE(view->isFinished());
    EXPECT_EQ(answer(), "1.000");

    Alerts::scriptAnswers({Alerts::Answer::Alternate, Alerts::Answer::Default});
    designs.acetate.clearPointsMenuItem->trigger();
    EXPECT_EQ(route().count(), 2);
    designs.acetate.clearPointsMenuItem->trigger();
    EXPECT_EQ(route().count(), 0);
    EXPECT_EQ(answer(), "0.000");
}

TEST_F(RouteCommands, DragModeAndPlacingFromTheMenu) {
    QAction* item = designs.acetate.dragmodeMenuItem;
    const bool start = item->isChecked();
    controller.toggleDragmode();
    controller.toggleDragmode();
    EXPECT_EQ(item->isChecked(), start);
    controller.setDragmode(true);
    item->trigger();
    EXPECT_FALSE(view->isShowingPoints());

    click(200, 300);
    designs.acetate.createWayPointMenuItem->trigger();
    EXPECT_EQ(view->getPlacingState(), WandrelTracingView::Waypoint);
    click(400, 300);
    EXPECT_EQ(view->getPlacingState(), WandrelTracingView::Tracing);
    EXPECT_TRUE(route().getLastPoint()->isWaypoint());
}

} // namespace
