#include "FakeTableView.h"
#include "model/PointDataSource.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

class RouteHooksTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 4; ++i)
            held.push_back(route.add(float(i * 10), float(i)));
        route.setRouteInspectorTableView(&table);
        // Reading the point proves it is still alive when we are told.
        route.setRemovalObserver([this](const MyPoint* p) {
            told.push_back(p);
            toldX.push_back(p->getX());
            toldCount.push_back(route.count());
        });
    }

    PointDataSource route;
    FakeTableView table;
    std::vector<MyPoint*> held;
    std::vector<const MyPoint*> told;
    std::vector<float> toldX;
    std::vector<int64_t> toldCount;
};

} // namespace

TEST_F(RouteHooksTest, TableIsReloadedAfterAddAndSuccessfulInsert) {
    route.add(40, 0);
    EXPECT_EQ(table.reloads, 1);
    route.add(std::make_unique<MyPoint>(50.0f, 0.0f));
    EXPECT_EQ(table.reloads, 2);
    ASSERT_NE(route.insertPointatX(5, 0.5f), nullptr);
    EXPECT_EQ(table.reloads, 3);

    EXPECT_EQ(route.insertPointatX(5, 50), nullptr);
    EXPECT_EQ(table.reloads, 3);
}

TEST_F(RouteHooksTest, RemovalsLeaveReloadingToTheCaller) {
    route.deleteItem(held[1]);
    route.deleteLastItem();
    route.clear();
    EXPECT_EQ(table.reloads, 0);
}

TEST_F(RouteHooksTest, TableRowsAreWaypoints) {
    EXPECT_EQ(route.numberOfRowsInTableView(&table), 0);
    held[0]->setWaypoint(true);
    held[3]->setWaypoint(true);
    held[2]->setDistanceMarker();
    EXPECT_EQ(route.numberOfRowsInTableView(&table), 2);
    EXPECT_EQ(route.numberOfRowsInTableView(nullptr), 4);
}

TEST_F(RouteHooksTest, FrameGoesThroughTheAttachedTable) {
    const Rect frame{1, 2, 300, 400};
    route.setTableViewFrame(frame);
    EXPECT_EQ(table.frame, frame);
    EXPECT_EQ(route.tableViewFrame(), frame);

    PointDataSource bare;
    EXPECT_EQ(bare.getRouteInspectorTableView(), nullptr);
    bare.setTableViewFrame(frame);
    EXPECT_EQ(bare.tableViewFrame(), Rect{});
    // Without a table, adding and inserting still work.
    bare.add(0, 0);
    bare.add(2, 2);
    EXPECT_NE(bare.insertPointatX(1, 1), nullptr);
}

TEST_F(RouteHooksTest, ObserverHearsOfEachPointBeforeItGoes) {
    route.deleteItem(held[1]);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], held[1]);
    EXPECT_EQ(toldX[0], 10.0f);
    EXPECT_EQ(toldCount[0], 4);

    route.deleteLastItem();
    ASSERT_EQ(told.size(), 2u);
    EXPECT_EQ(told[1], held[3]);
    EXPECT_EQ(toldX[1], 30.0f);

    route.clear();
    EXPECT_EQ(told, (std::vector<const MyPoint*>{held[1], held[3], held[0], held[2]}));
    EXPECT_EQ(toldX, (std::vector<float>{10, 30, 0, 20}));
    EXPECT_EQ(route.count(), 0);
}

TEST_F(RouteHooksTest, ObserverIsNotToldOfWhatIsNotHeld) {
    const MyPoint stranger;
    route.deleteItem(&stranger);
    route.deleteItem(nullptr);
    PointDataSource other;
    other.deleteLastItem();
    other.clear();
    EXPECT_TRUE(told.empty());

    route.clear();
    told.clear();
    route.clear();
    route.deleteLastItem();
    EXPECT_TRUE(told.empty());
}

TEST_F(RouteHooksTest, ObserverIsToldThroughTheBaseCollection) {
    rtDataSource<MyPoint>& base = route;
    base.deleteItem(held[2]);
    base.deleteLastItem();
    EXPECT_EQ(told, (std::vector<const MyPoint*>{held[2], held[3]}));
}

TEST_F(RouteHooksTest, ObserverCanBeDetached) {
    route.setRemovalObserver({});
    route.deleteLastItem();
    route.clear();
    EXPECT_TRUE(told.empty());
}

TEST_F(RouteHooksTest, InsertedPointsAreToldOnRemovalToo) {
    MyPoint* inserted = route.insertPointatX(15, 1.5f);
    ASSERT_NE(inserted, nullptr);
    EXPECT_EQ(route.indexOf(inserted), 2);
    route.deleteItem(inserted);
    EXPECT_EQ(told, (std::vector<const MyPoint*>{inserted}));
    EXPECT_EQ(route.count(), 4);
}

TEST_F(RouteHooksTest, ReleasingPointsKeepsThemAndTheirNames) {
    route.releasePoints();
    EXPECT_EQ(route.count(), 4);
    EXPECT_EQ(route.getFirstItem()->getPointName(), "");
    EXPECT_TRUE(told.empty());
}
