#include "SessionFixture.h"

#include "app/WaypointDetails.h"

namespace {

// A 200-pixel bar for 1 km, and a straight route of 300 pixels.
class MarkerCommands : public Session {
protected:
    void SetUp() override {
        start();
        setBarLength(200);
        choose(d().unitViews.scaleUnits2, "km");
        choose(d().unitViews.answerUnits2, "km");
        click({100, 300});
        doubleClick({400, 300});
        window->setWindowModified(false);
        Alerts::scriptAnswers({});
    }
    QAction* removeItem() { return d().acetate.markerRemoveMenuItem; }
};

TEST_F(MarkerCommands, TenPixelsIsTheSmallestIntervalAndRemovingTakesOnlyTheMarkers) {
    EXPECT_FALSE(removeItem()->isEnabled());
    placeMarkers("50", "m");
    // Every 10 pixels along 300; the 30th would fall on the last point.
    EXPECT_EQ(markerCount(), 29);
    EXPECT_FLOAT_EQ(route().getnthItem(1)->getX(), 110.0f);
    EXPECT_FLOAT_EQ(route().getnthItem(1)->getY(), 300.0f);
    EXPECT_EQ(length(), "1.500") << "markers lie on the line";
    view()->showInfo();
    EXPECT_EQ(legRows(), 2) << "markers are no waypoints";
    EXPECT_FALSE(d().distanceMarkers.window()->isVisible());
    EXPECT_TRUE(removeItem()->isEnabled());
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(Alerts::answered().isEmpty());

    placeMarkers("40", "m");
    ASSERT_EQ(Alerts::answered().size(), 1);
    EXPECT_EQ(Alerts::answered()[0].title, "Place Distance Markers");
    EXPECT_EQ(Alerts::answered()[0].message,
              "Scale unit is km. You can't place markers every 40 m");
    EXPECT_TRUE(d().distanceMarkers.window()->isVisible()) << "to try another interval";
    EXPECT_EQ(markerCount(), 29);
    d().distanceMarkers.window()->reject();

    const MyPoint* first = route().getFirstItem();
    window->setWindowModified(false);
    removeItem()->trigger();
    EXPECT_EQ(route().count(), 2);
    EXPECT_EQ(route().getFirstItem(), first);
    EXPECT_FALSE(removeItem()->isEnabled());
    EXPECT_FALSE(window->isWindowModified());
}

TEST_F(MarkerCommands, WaypointDetailsLetGoOfAPointTheRouteRemoved) {
    WaypointDetails details(d(), controller());
    QWidget* detailsWindow = d().waypointDetails.window();
    details.showPointInspector(nullptr);
    EXPECT_FALSE(detailsWindow->isVisible());

    MyPoint* last = route().getLastPoint();
    details.showPointInspector(last);
    ASSERT_TRUE(detailsWindow->isVisible());
    EXPECT_EQ(details.getCurrentWaypoint(), last);
    QTest::keyClicks(d().waypointDetails.ui().waypointNameField, "Summit");
    route().deleteLastItem();
    EXPECT_EQ(details.getCurrentWaypoint(), nullptr);
    QTest::mouseClick(d().waypointDetails.ui().waypointButtons->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
    EXPECT_FALSE(detailsWindow->isVisible());
    EXPECT_TRUE(window->isWindowModified());
}

} // namespace
