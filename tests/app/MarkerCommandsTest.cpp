#include "AcetateFixture.h"

#include "app/WaypointDetails.h"
#include "platform/Alerts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

namespace {

QStringList logged;

void capture(QtMsgType, const QMessageLogContext&, const QString& line) {
    logged << line;
}

// Counts the paints a widget receives.
struct PaintCounter : QObject {
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    // Lets every pending repaint happen, so that later paints have a cause.
    void settle() {
        for (int before = -1; before != paints;) {
            before = paints;
            QCoreApplication::processEvents();
        }
        paints = 0;
    }
    int paints = 0;
};

// A 200-pixel bar for 1 km, and a straight route of 300 pixels.
class MarkerCommands : public AcetateTest {
protected:
    MarkerCommands() {
        setBarLength(200);
        choose(designs.unitViews.scaleUnits2, "km");
        click(100, 300);
        click(400, 300);
        doubleClick(400, 300);
        window.setWindowModified(false);
    }
    ~MarkerCommands() override { Alerts::reset(); }

    // Asks for markers the way a user does: menu, typing, OK.
    void placeEvery(const QString& number, const QString& unit) {
        designs.acetate.placeMarkersMenuItem->trigger();
        ASSERT_TRUE(dialog()->isVisible());
        QLineEdit* field = markers().markerNumber;
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, number);
        choose(markers().markerUnits, unit);
        QTest::mouseClick(markers().markerButtons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    }

    int64_t markerCount() {
        int64_t n = 0;
        for (int64_t i = 0; i < route().count(); ++i)
            n += route().getnthItem(i)->isDistanceMarker() ? 1 : 0;
        return n;
    }

    Ui::DistanceMarkerDialog& markers() { return designs.distanceMarkers; }
    QDialog* dialog() { return designs.distanceMarkerDialog; }
    QAction* removeItem() { return designs.acetate.markerRemoveMenuItem; }
};

TEST_F(MarkerCommands, TenPixelsIsTheSmallestIntervalAndNonNumbersAreRefused) {
    const QList<QAction*> routeMenu = designs.acetate.menuRoute->actions();
    EXPECT_TRUE(routeMenu.contains(designs.acetate.placeMarkersMenuItem));
    EXPECT_TRUE(routeMenu.contains(removeItem()));
    EXPECT_FALSE(removeItem()->isEnabled());
    Alerts::scriptAnswers({});

    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    placeEvery("50", "m");
    qInstallMessageHandler(previous);
    EXPECT_TRUE(logged.contains("intervalInPixels is 10.000000 calculated from 50.000000 and m"));
    EXPECT_TRUE(logged.contains("passed interval: 10.000000"));
    // Every 10 pixels along 300; the 30th would fall on the last point.
    EXPECT_EQ(markerCount(), 29);
    EXPECT_FLOAT_EQ(route().getnthItem(1)->getX(), 110.0f);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_TRUE(removeItem()->isEnabled());
    EXPECT_TRUE(window.isWindowModified());
    EXPECT_TRUE(Alerts::answered().isEmpty());

    placeEvery("40", "m");
    ASSERT_EQ(Alerts::answered().size(), 1);
    EXPECT_EQ(Alerts::answered()[0].title, "Place Distance Markers");
    EXPECT_EQ(Alerts::answered()[0].message,
              "Scale unit is km. You can't place markers every 40 m");
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(markerCount(), 29);

    // A scale bar that stands for nothing makes every interval infinite.
    typeNumber("0");
    placeEvery("50", "m");
    EXPECT_EQ(Alerts::answered().size(), 2);
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_EQ(markerCount(), 29);
    dialog()->reject();
}

TEST_F(MarkerCommands, RemovingClearsTheMarkersAtOnceAndDisablesItself) {
    placeEvery("100", "m");
    ASSERT_EQ(markerCount(), 14);
    const MyPoint* start = route().getFirstItem();
    window.setWindowModified(false);
    PaintCounter counter;
    view->installEventFilter(&counter);
    counter.settle();

    removeItem()->trigger();
    QCoreApplication::processEvents();
    view->removeEventFilter(&counter);
    EXPECT_EQ(markerCount(), 0);
    EXPECT_EQ(route().count(), 2);
    EXPECT_EQ(route().getFirstItem(), start);
    EXPECT_GT(counter.paints, 0);
    EXPECT_FALSE(removeItem()->isEnabled());
    EXPECT_FALSE(window.isWindowModified());
}

TEST_F(MarkerCommands, EveryDialogControlIsNamedByItsVisibleLabel) {
    const auto labelOf = [this](QWidget* control) {
        for (QLabel* label : dialog()->findChildren<QLabel*>())
            if (label->buddy() == control)
                return label->text();
        return QString();
    };
    EXPECT_EQ(markers().markerNumber->accessibleName(), labelOf(markers().markerNumber));
    EXPECT_EQ(markers().markerUnits->accessibleName(), labelOf(markers().markerUnits));
    EXPECT_FALSE(markers().markerUnits->accessibleName().isEmpty());
    for (QAbstractButton* button : dialog()->findChildren<QAbstractButton*>())
        EXPECT_EQ(button->accessibleName(), button->text());
}

TEST_F(MarkerCommands, WaypointDetailsLetGoOfAPointTheRouteRemoved) {
    WaypointDetails details(designs, controller);
    QWidget* detailsWindow = designs.waypointDetailsWindow;
    details.showPointInspector(nullptr);
    EXPECT_FALSE(detailsWindow->isVisible());

    MyPoint* last = route().getLastPoint();
    details.showPointInspector(last);
    ASSERT_TRUE(detailsWindow->isVisible());
    EXPECT_EQ(details.getCurrentWaypoint(), last);
    EXPECT_EQ(designs.waypointDetails.waypointNameField->text(), "");
    QTest::keyClicks(designs.waypointDetails.waypointNameField, "Summit");
    route().deleteLastItem();
    EXPECT_EQ(details.getCurrentWaypoint(), nullptr);
    QTest::mouseClick(designs.waypointDetails.waypointButtons->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
    EXPECT_FALSE(detailsWindow->isVisible());
    EXPECT_TRUE(window.isWindowModified());
}

} // namespace
