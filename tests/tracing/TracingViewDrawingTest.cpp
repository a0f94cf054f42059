#include "tracing/TracingViewClient.h"
#include "tracing/WandrelTracingView.h"

#include "PictureDifference.h"

#include <QAction>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Drags come back to the one view; the line style can be changed.
struct StyleClient : TracingViewClient {
    explicit StyleClient(WandrelTracingView& v) : view(v) {}
    WandrelTracingView* me(bool yes) { return yes ? &view : nullptr; }
    WandrelTracingView* tracingViewBeingDragged() override { return me(view.isBeingDragged()); }
    WandrelTracingView* tracingViewWithPointBeingDragged() override {
        return me(view.isPointBeingDragged());
    }
    void findHitAndPassDragEvent(const TracingEvent& e) override {
        if (view.routeHitTest(e))
            view.mouseDraggedStep2(e);
    }
    bool findHitPointAndPassDragEvent(const TracingEvent& e) override {
        if (!view.pointHitTest(e))
            return false;
        view.mouseDraggedStep2(e);
        return true;
    }
    bool allTracingViewsFinished() override { return view.isFinished(); }
    float convertUsingScale(float pixels) const override { return pixels; }
    QColor getHighLightColour() const override { return high; }
    QColor getLowLightColour() const override { return low; }
    float getLineWidth() const override { return width; }

    WandrelTracingView& view;
    QColor high = QColor(255, 0, 0, 200);
    QColor low = QColor(0, 0, 255, 200);
    float width = 4;
};

// A shown 400 x 300 view. Each change must show in the next paint: what
// the view paints with its cached picture equals what it paints afresh.
class DrawingFollowsChanges : public ::testing::Test {
protected:
    DrawingFollowsChanges() : client(view) {
        view.resize(400, 300);
        view.setController(&client);
        dragMode.setCheckable(true);
        view.setDragmodeMenuItem(&dragMode);
        shading.setCheckable(true);
        view.setShadeAreaButton(&shading);
        view.show();
        view.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&view));
    }

    QImage shot(qreal ratio = 1) {
        QImage image(view.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        view.render(&image);
        return image;
    }
    void expectShown(const std::function<void()>& change, qreal ratio = 1, qreal ratioAfter = 1) {
        const QImage before = shot(ratio);
        change();
        const QImage cached = shot(ratioAfter);
        view.forgetDrawing();
        const QImage fresh = shot(ratioAfter);
        EXPECT_NE(before, fresh) << "the change shows";
        EXPECT_EQ(cached, fresh) << "no stale picture";
    }
    // A traced point is added to the picture, not drawn afresh: the two
    // differ only where the new segment meets the line's translucent caps.
    void expectAdded(const std::function<void()>& click) {
        const QImage before = shot();
        click();
        const QImage cached = shot();
        view.forgetDrawing();
        const QImage fresh = shot();
        EXPECT_NE(before, fresh) << "the segment shows";
        const Difference d(cached, fresh);
        EXPECT_LT(d.share, 0.0002)
            << d.box.x() << "," << d.box.y() << " " << d.box.width() << "x" << d.box.height();
    }
    QPoint at(int x, int y) const { return {x, view.height() - y}; }
    void click(int x, int y, Qt::KeyboardModifiers keys = {}) {
        QTest::mouseClick(&view, Qt::LeftButton, keys, at(x, y));
    }
    void drag(QPoint from, QPoint to) {
        QTest::mousePress(&view, Qt::LeftButton, {}, at(from.x(), from.y()));
        QTest::mouseMove(&view, at(from.x() + 2, from.y() + 3));
        QTest::mouseMove(&view, at(to.x(), to.y()));
        QTest::mouseRelease(&view, Qt::LeftButton, {}, at(to.x(), to.y()));
    }
    PointDataSource& route() { return view.getPointDataSource(); }

    WandrelTracingView view;
    StyleClient client;
    QAction dragMode;
    QAction shading;
};

TEST_F(DrawingFollowsChanges, TracingAndFinishing) {
    click(50, 50);
    click(150, 60);
    expectAdded([&] { click(200, 200); });
    expectAdded([&] { click(100, 250, Qt::AltModifier); });
    expectAdded([&] { click(110, 240); });
    expectShown([&] { QTest::mouseMove(&view, at(300, 40)); });
    expectShown([&] { view.undoPoint(); });
    expectShown([&] { QTest::keyClick(&view, Qt::Key_Escape); });
}

TEST_F(DrawingFollowsChanges, EditingInModifyMode) {
    for (QPoint p : {QPoint(50, 50), QPoint(250, 50), QPoint(250, 250)})
        click(p.x(), p.y());
    QTest::keyClick(&view, Qt::Key_Escape);
    expectShown([&] { dragMode.setChecked(true); });
    expectShown([&] { click(250, 50); }); // selects
    expectShown([&] { view.makeWaypoint(); });
    expectShown([&] { click(150, 50); }); // inserts
    expectShown([&] { drag({150, 50}, {150, 120}); });
    expectShown([&] { QTest::keyClick(&view, Qt::Key_Delete); });
    expectShown([&] { route().getnthItem(1)->setY(10); });
}

TEST_F(DrawingFollowsChanges, WholeRouteChanges) {
    for (QPoint p : {QPoint(50, 50), QPoint(250, 50), QPoint(250, 250)})
        click(p.x(), p.y());
    QTest::keyClick(&view, Qt::Key_Escape);
    expectShown([&] { drag({200, 100}, {220, 90}); }); // lock mode moves it all
    expectShown([&] { view.translateX(-10, 20); });
    expectShown([&] { view.addMarkersAt(60, QStringLiteral("px"), 1); });
    expectShown([&] { view.removeDistanceMarkers(); });
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("route.wandrel"));
    view.writeToFileAsFragment(file);
    expectShown([&] { view.reset(); });
    expectShown([&] { view.readFromFragmentFile(file); });
    expectShown([&] { view.setDataSource(std::make_unique<PointDataSource>()); });
}

TEST_F(DrawingFollowsChanges, SettingsSizeAndPixelRatio) {
    for (QPoint p : {QPoint(50, 50), QPoint(250, 50), QPoint(250, 250)})
        click(p.x(), p.y());
    QTest::keyClick(&view, Qt::Key_Escape);
    expectShown([&] { shading.setChecked(true); });
    expectShown([&] { client.high = Qt::green; });
    expectShown([&] { client.low = Qt::black; });
    expectShown([&] { client.width = 8; });
    expectShown([&] { view.resize(350, 280); });
    expectShown([] {}, 1, 2);
}

} // namespace
