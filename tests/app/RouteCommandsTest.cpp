#include "app/AcetateWindow.h"
#include "app/FatController.h"
#include "app/WindowDesigns.h"
#include "platform/Alerts.h"
#include "tracing/WandrelTracingView.h"

#include "QStringPrinter.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

class RouteCommands : public ::testing::Test {
protected:
    RouteCommands()
        : designs(window.getDesigns()), controller(window.getController()),
          view(designs.acetate.wandrelMainView) {
        window.resize(900, 640);
        window.show();
        // A 100-pixel bar for 1 mile: 100 pixels of route read 1.000.
    }
    ~RouteCommands() override { Alerts::reset(); }

    // Clicks at a place given in the view's y-up coordinates.
    void click(int x, int y, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(view, Qt::LeftButton, modifiers, QPoint(x, view->height() - y));
    }
    void doubleClick(int x, int y) {
        QTest::mouseDClick(view, Qt::LeftButton, {}, QPoint(x, view->height() - y));
    }

    PointDataSource& route() { return view->getPointDataSource(); }
    QString answer() const { return designs.unitViews.answer2->text(); }

    AcetateWindow window;
    WindowDesigns& designs;
    FatController& controller;
    WandrelTracingView* view;
};

TEST_F(RouteCommands, TracingUpdatesFiguresAndTheEditedMark) {
    EXPECT_FALSE(window.isWindowModified());
    click(200, 300);
    click(300, 300);
    EXPECT_EQ(answer(), "1.000");
    EXPECT_TRUE(window.isWindowModified());
    click(300, 400);
    doubleClick(300, 400);
    EXPECT_TRUE(view->isFinished());
    EXPECT_EQ(answer(), "2.000");
    EXPECT_EQ(designs.unitViews.areaAnswer->text(), "0.500");
}

TEST_F(RouteCommands, UndoFromTheMenuRecomputesAndReopens) {
    click(200, 300);
    click(300, 300);
    click(400, 300);
    QTest::keyClick(view, Qt::Key_Escape);
    designs.acetate.undoPointMenuItem->trigger();
    EXPECT_EQ(route().count(), 2);
    EXPECT_FALSE(view->isFinished());
    EXPECT_EQ(answer(), "1.000");
}

TEST_F(RouteCommands, ClearAsksFirstAndKeepsTheRouteOnCancel) {
    click(200, 300);
    click(300, 300);
    Alerts::scriptAnswers({Alerts::Answer::Alternate, Alerts::Answer::Default});
    designs.acetate.clearPointsMenuItem->trigger();
    EXPECT_EQ(route().count(), 2);
    designs.acetate.clearPointsMenuItem->trigger();
    EXPECT_EQ(route().count(), 0);
    EXPECT_EQ(answer(), "0.000");
    ASSERT_EQ(Alerts::answered().size(), 2);
    EXPECT_EQ(Alerts::answered().first().title,
              "Are you sure that you want to clear the current line?");
}

TEST_F(RouteCommands, DragModeSwitchesBackAndForth) {
    QAction* item = designs.acetate.dragmodeMenuItem;
    const bool start = item->isChecked();
    controller.toggleDragmode();
    EXPECT_NE(item->isChecked(), start);
    controller.toggleDragmode();
    EXPECT_EQ(item->isChecked(), start);
    controller.setDragmode(true);
    controller.setDragmode(true);
    EXPECT_TRUE(view->isShowingPoints());
    item->trigger();
    EXPECT_FALSE(view->isShowingPoints());
}

TEST_F(RouteCommands, PlaceWaypointArmsTheNextClick) {
    click(200, 300);
    click(300, 300);
    designs.acetate.createWayPointMenuItem->trigger();
    EXPECT_EQ(view->getPlacingState(), WandrelTracingView::Waypoint);
    click(400, 300);
    EXPECT_EQ(view->getPlacingState(), WandrelTracingView::Tracing);
    EXPECT_TRUE(route().getLastPoint()->isWaypoint());
}

TEST_F(RouteCommands, TerrainStretchesTheFigures) {
    click(200, 300);
    click(300, 300);
    designs.preferences.terrainSlider->setValue(120);
    EXPECT_EQ(answer(), "1.200");
    designs.preferences.terrainSlider->setValue(100);
    EXPECT_EQ(answer(), "1.000");
}

TEST_F(RouteCommands, OnlyTheOneViewAnswersTheViewQuestions) {
    EXPECT_EQ(controller.getViewLastClicked(), view);
    EXPECT_EQ(controller.tracingViewBeingDragged(), nullptr);
    EXPECT_EQ(controller.tracingViewWithPointBeingDragged(), nullptr);
    EXPECT_FALSE(controller.allTracingViewsFinished());
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_TRUE(controller.allTracingViewsFinished());
}

} // namespace
