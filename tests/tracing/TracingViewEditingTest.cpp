#include "TracingViewFixture.h"

#include "model/TableView.h"
#include "platform/Alerts.h"
#include "platform/Defaults.h"

#include <QSlider>
#include <QTemporaryDir>

namespace {

using Editing = TracingViewTest;

TracingEvent eventAt(float x, float y) {
    TracingEvent e;
    e.location = QPointF(x, y);
    return e;
}

struct CountingTable : TableView {
    void reloadData() override { ++reloads; }
    Rect enclosingScrollFrame() const override { return {}; }
    void setEnclosingScrollFrame(const Rect&) override {}
    int reloads = 0;
};

TEST_F(Editing, UndoReopensAndRecomputesAndClearsTheLastPointWithReset) {
    traceFinished({{10, 10}, {110, 10}, {110, 110}, {10, 110}, {10, 60}});
    const int answers = client.answers;
    view->undoPoint();
    EXPECT_EQ(route().count(), 4);
    EXPECT_FALSE(view->isFinished());
    EXPECT_EQ(client.answers, answers + 1);
    EXPECT_FLOAT_EQ(client.shownDistance, 300);

    while (route().count() > 1)
        view->undoPoint();
    EXPECT_EQ(client.imageClears, 0);
    view->undoPoint();
    EXPECT_EQ(route().count(), 0);
    EXPECT_EQ(client.imageClears, 1) << "the last point goes through reset";
    EXPECT_FLOAT_EQ(client.shownDistance, 0);

    view->setFinished(false);
    EXPECT_TRUE(view->isFinished()) << "setFinished only ever finishes";
    view->undoPoint();
    EXPECT_FALSE(view->isFinished());
}

TEST_F(Editing, UndoingOrClearingTheSelectedPointDropsTheSelection) {
    traceFinished({{10, 10}, {110, 10}, {110, 110}});
    ASSERT_EQ(view->getCurrentPoint(), route().getnthItem(2));
    view->undoPoint();
    EXPECT_EQ(view->getCurrentPoint(), nullptr);
    view->makeWaypoint();
    EXPECT_FALSE(route().getnthItem(1)->isWaypoint());

    click(50, 50);
    view->reset();
    EXPECT_EQ(view->getCurrentPoint(), nullptr);
    view->makeWaypoint();
    view->deleteCurrentPoint();
    EXPECT_EQ(route().count(), 0);
}

TEST_F(Editing, ClearingAsksFirst) {
    QSlider terrain;
    terrain.setRange(0, 200);
    terrain.setValue(150);
    view->setTerrainSlider(&terrain);
    traceFinished({{0, 0}, {100, 0}, {100, 100}});

    Alerts::scriptAnswers({Alerts::Answer::Alternate, Alerts::Answer::Default});
    view->clearPointsMenuItem();
    EXPECT_EQ(route().count(), 3);
    EXPECT_TRUE(view->isFinished());
    view->clearPointsMenuItem();
    const QList<Alerts::Record> asked = Alerts::answered();
    Alerts::reset();
    EXPECT_EQ(route().count(), 0);
    EXPECT_FALSE(view->isFinished());
    EXPECT_EQ(terrain.value(), 100);
    EXPECT_EQ(client.imageClears, 0) << "the snapshot stays";
    ASSERT_EQ(asked.size(), 2);
    EXPECT_EQ(asked[0].title,
              QStringLiteral("Are you sure that you want to clear the current line?"));
    EXPECT_EQ(asked[0].message, QStringLiteral("This action cannot be undone."));
}

TEST_F(Editing, ContinuingTurnsTheEndBackIntoARegularPointAndTracingResumes) {
    click(10, 10);
    doubleClick(100, 10);
    ASSERT_TRUE(route().getnthItem(1)->isWaypoint());
    view->cont();
    EXPECT_FALSE(view->isFinished());
    EXPECT_FALSE(route().getnthItem(1)->isWaypoint());
    click(100, 100);
    EXPECT_EQ(route().count(), 3);

    view->reset();
    view->cont();
    EXPECT_EQ(route().count(), 0);
}

TEST_F(Editing, InsertingIntoAnOpenRouteOnlyFinishesIt) {
    click(10, 10);
    click(110, 10);
    client.edited = false;
    view->insertRegularPoint(eventAt(60, 10));
    EXPECT_EQ(route().count(), 2);
    EXPECT_TRUE(view->isFinished());
    EXPECT_TRUE(client.edited);
    view->insertWayPoint(eventAt(60, 10));
    ASSERT_EQ(route().count(), 3);
    EXPECT_TRUE(route().getnthItem(1)->isWaypoint());
}

TEST_F(Editing, ConvertingRefreshesTheTableAndTurnsMarkersRegular) {
    CountingTable table;
    view->setRouteInspectorTableView(&table);
    traceFinished({{10, 10}, {110, 10}, {210, 10}});
    route().getnthItem(1)->setDistanceMarker();
    dragMode.setChecked(true);
    click(110, 10);
    ASSERT_EQ(view->getCurrentPoint(), route().getnthItem(1));
    const int reloads = table.reloads;
    view->makeRegularPoint();
    EXPECT_FALSE(route().getnthItem(1)->isDistanceMarker());
    view->makeWaypoint();
    EXPECT_TRUE(route().getnthItem(1)->isWaypoint());
    EXPECT_EQ(table.reloads, reloads + 2);
}

TEST_F(Editing, TerrainFactorIsOneAtRestAndStretchesAbove) {
    traceFinished({{10, 10}, {310, 10}, {310, 210}});
    ASSERT_FLOAT_EQ(route().totalDistance(), 500);
    ASSERT_FLOAT_EQ(route().totalArea(), 30000);
    EXPECT_EQ(view->getTerrainFactor(), 0);
    EXPECT_EQ(view->totalDistance(), 500.0f) << "no slider";

    QSlider terrain;
    terrain.setRange(0, 200);
    view->setTerrainSlider(&terrain);
    for (int t : {0, 60, 99, 100}) {
        terrain.setValue(t);
        EXPECT_EQ(view->totalDistance(), 500.0f) << "at " << t;
        EXPECT_EQ(view->totalArea(), 30000.0f) << "at " << t;
    }
    terrain.setValue(120);
    EXPECT_NEAR(view->totalDistance(), 600, 0.01);
    EXPECT_NEAR(view->totalArea(), 30000 * 1.44, 1);
    terrain.setValue(101);
    EXPECT_GT(view->totalDistance(), 500.0f);

    view->resetTerrainFactor();
    EXPECT_EQ(view->getTerrainFactor(), 100);
}

TEST_F(Editing, RemovingTheFragmentClearsWithAControllerAndHidesWithout) {
    traceFinished({{10, 10}, {110, 10}});
    view->removeThisFragment();
    EXPECT_EQ(route().count(), 0);
    EXPECT_FALSE(view->isMarkedForDeletion());

    view->setController(nullptr);
    view->removeThisFragment();
    EXPECT_TRUE(view->isMarkedForDeletion());
    EXPECT_FALSE(view->isVisible());
}

TEST_F(Editing, ACloneHasTheSettingsButNoPoints) {
    QSlider zoom;
    QWidget zoomWindow;
    CountingTable table;
    view->setZoomSlider(&zoom);
    view->setZoomWindow(&zoomWindow);
    view->setAnswerUnits(QStringLiteral("km"));
    view->setRouteInspectorTableView(&table);
    click(10, 10);

    const std::unique_ptr<WandrelTracingView> copy = view->clone();
    EXPECT_EQ(copy->geometry(), view->geometry());
    EXPECT_EQ(copy->getZoomSlider(), &zoom);
    EXPECT_EQ(copy->getZoomWindow(), &zoomWindow);
    EXPECT_EQ(copy->getDragmodeMenuItem(), &dragMode);
    EXPECT_EQ(copy->getAnswerUnits(), QStringLiteral("km"));
    EXPECT_EQ(copy->getPointDataSource().getRouteInspectorTableView(), &table);
    EXPECT_EQ(copy->getPointDataSource().count(), 0);
    EXPECT_EQ(copy->getController(), nullptr);
}

TEST_F(Editing, ForwardsTheScaleAndSavesTheRouteStyle) {
    EXPECT_FLOAT_EQ(view->convertUsingScale(100), 25);
    EXPECT_EQ(view->getPointDataSource().getOwner(), view);

    view->setLowLightColour(QColor::fromRgbF(0.25f, 0.5f, 0.75f, 1));
    view->setLineWidth(3.5f);
    QTemporaryDir dir;
    Defaults defaults(dir.filePath(QStringLiteral("prefs.ini")));
    view->saveDefaults(defaults);
    EXPECT_NEAR(defaults.floatForKey(QStringLiteral("WandrelLowLightColourR")), 0.25f, 1e-4);
    EXPECT_NEAR(defaults.floatForKey(QStringLiteral("WandrelLowLightColourB")), 0.75f, 1e-4);
    EXPECT_NEAR(defaults.floatForKey(QStringLiteral("WandrelLowLightColourA")), 1, 1e-4);
    EXPECT_NEAR(defaults.floatForKey(QStringLiteral("WandrelHighLightColourG")), 0.75f, 1e-4);
    EXPECT_NEAR(defaults.floatForKey(QStringLiteral("WandrelHighLightColourA")), 0.85f, 1e-4);
    EXPECT_FLOAT_EQ(defaults.floatForKey(QStringLiteral("WandrelLineWidthSliderVaule")), 3.5f);
}

TEST_F(Editing, ReplacingTheRouteDropsTheOldSelection) {
    click(10, 10);
    auto other = std::make_unique<PointDataSource>();
    other->add(5, 5);
    view->setDataSource(std::move(other));
    EXPECT_EQ(view->getCurrentPoint(), nullptr);
    EXPECT_EQ(route().count(), 1);
    EXPECT_EQ(route().getOwner(), view);
    view->setDataSource(nullptr);
    EXPECT_EQ(route().count(), 1);
}

TEST_F(Editing, TheRouteIsDrawnUpright) {
    click(20, 20);
    click(120, 20);
    key(Qt::Key_Escape);
    QImage image(view->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    view->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(image.pixelColor(70, view->height() - 20), QColor(0, 0, 255))
        << "the controller's low-light core, 20 pixels above the bottom";
    EXPECT_EQ(image.pixelColor(70, 20).alpha(), 0);
}

} // namespace
