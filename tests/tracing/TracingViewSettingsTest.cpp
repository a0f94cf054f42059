#include "inspector/WandrelRouteInfoInspector.h"
#include "tracing/TracingViewClient.h"
#include "tracing/WandrelTracingView.h"

#include "QStringPrinter.h"

#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Only what these tests ask of the controller; the rest does nothing.
struct Client : TracingViewClient {
    QString getAnswerUnits() const override { return QStringLiteral("km"); }
    void displayAnswer() override { ++answers; }
    int answers = 0;
};

class Settings : public ::testing::Test {
protected:
    Settings() {
        view.resize(400, 300);
        view.show();
    }

    // Sends a drag and its drop at a widget position; answers whether the
    // drag was taken on entry.
    bool drop(QMimeData& mime, QPoint at) {
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&view, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&view, &dropped);
        return dropped.isAccepted();
    }

    WandrelTracingView view;
    Client client;
};

TEST_F(Settings, OnlyFileListsAreTakenAndTheFirstFileReachesTheHook) {
    QSignalSpy dropped(&view, &WandrelTracingView::fileDropped);
    QMimeData text;
    text.setText(QStringLiteral("/tmp/route.plist"));
    EXPECT_FALSE(drop(text, {10, 10}));

    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/tmp/a.plist"), QUrl::fromLocalFile("/tmp/b.png"),
                   QUrl::fromLocalFile("/tmp/c.txt")});
    EXPECT_TRUE(drop(files, {30, 100}));
    ASSERT_EQ(dropped.count(), 1);
    EXPECT_EQ(dropped[0][0].toString(), "/tmp/a.plist");
    EXPECT_EQ(dropped[0][1].toPointF(), QPointF(30, 200)) << "in the view's y-up coordinates";

    QMimeData web;
    web.setUrls({QUrl("https://example.org/map.png")});
    EXPECT_FALSE(drop(web, {10, 10}));
}

TEST_F(Settings, ZoomWindowOpensOnceAndAlwaysClosesWithTheSliderAtOne) {
    QWidget zoomWindow(nullptr, Qt::Tool);
    QSlider slider(&zoomWindow);
    slider.setRange(1, 8);
    view.setZoomWindow(&zoomWindow);
    view.setZoomSlider(&slider);

    view.hideSlider(); // not open: still fine
    EXPECT_FALSE(zoomWindow.isVisible());
    EXPECT_EQ(slider.value(), 1);

    view.showSlider();
    EXPECT_TRUE(zoomWindow.isVisible());
    slider.setValue(5);
    const QPoint placed = zoomWindow.pos();
    zoomWindow.move(placed + QPoint(40, 40));
    view.showSlider(); // already open: nothing moves
    EXPECT_EQ(slider.value(), 5);
    EXPECT_EQ(zoomWindow.pos(), placed + QPoint(40, 40));

    view.hideSlider();
    EXPECT_FALSE(zoomWindow.isVisible());
    EXPECT_EQ(slider.value(), 1);
}

TEST_F(Settings, AnswerUnitFallsBackToTheMainWindowsAndTerrainResets) {
    EXPECT_EQ(view.getAnswerUnits(), "") << "no controller: the inspector's, even empty";
    view.setController(&client);
    EXPECT_EQ(view.getAnswerUnits(), "km");
    view.setAnswerUnits("ft");
    EXPECT_EQ(view.getAnswerUnits(), "ft") << "the route's own unit first";

    EXPECT_EQ(view.getTerrainFactor(), 0) << "no slider";
    view.resetTerrainFactor();
    EXPECT_EQ(view.getTerrainFactor(), 0) << "nothing to reset";
    view.setTerrainFactor(112);
    EXPECT_EQ(view.getTerrainFactor(), 112);
    EXPECT_EQ(client.answers, 1) << "a change refigures the answer";
    QSlider terrain;
    terrain.setRange(100, 125);
    view.setTerrainSlider(&terrain);
    EXPECT_EQ(terrain.value(), 112) << "the slider shows the kept factor";
    terrain.setValue(117);
    EXPECT_EQ(view.getTerrainFactor(), 117);
    view.resetTerrainFactor();
    EXPECT_EQ(view.getTerrainFactor(), 100);
    EXPECT_EQ(terrain.value(), 100);
    EXPECT_EQ(client.answers, 3);
}

} // namespace
