#include "scale/SwinginSlider.h"
#include "scale/ScaleBarClient.h"

#include <QAction>
#include <QImage>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <limits>

namespace {

struct RecordingClient : ScaleBarClient {
    void scaleHasChanged(QObject* sender) override {
        ++changes;
        lastSender = sender;
    }
    void setScaleTextVisible(bool visible) override { textVisible.push_back(visible); }
    void invalidateCursorRectsForTracingView() override { ++invalidations; }

    int changes = 0;
    QObject* lastSender = nullptr;
    std::vector<bool> textVisible;
    int invalidations = 0;
};

// The view beneath the bar: it takes every click that reaches it.
struct Backdrop : QWidget {
    void mousePressEvent(QMouseEvent* event) override {
        ++presses;
        event->accept();
    }
    int presses = 0;
};

class ScaleBar : public ::testing::Test {
protected:
    ScaleBar() {
        backdrop.setGeometry(0, 0, 400, 300);
        bar = new SwinginSlider(&backdrop);
        bar->setGeometry(60, 60, 140, 40);
        bar->setClient(&client);
        backdrop.show();
    }

    // Fitted state: ends at (20, 20) and (120, 20) in a 140 x 40 frame.
    void fit() {
        bar->resize();
        ASSERT_EQ(bar->getThisEnd(), QPointF(20, 20));
    }

    QPointF onScreen(QPointF end) const { return bar->frame().topLeft() + end; }
    // Widget positions, from the bar's y-up view or from the backdrop's y-up space.
    QPointF fromView(QPointF v) const { return QPointF(v.x(), bar->height() - v.y()); }
    QPointF fromScreen(QPointF up) const {
        return QPointF(up.x(), backdrop.height() - up.y()) - QPointF(bar->pos());
    }

    void press(QPointF view) {
        QTest::mousePress(bar, Qt::LeftButton, {}, fromView(view).toPoint());
    }
    void dragTo(QPointF up) { QTest::mouseMove(bar, fromScreen(up).toPoint()); }
    void release() { QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(1, 1)); }
    // For positions between pixels, which QTest cannot express.
    void send(QEvent::Type type, QPointF local) {
        const auto button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, bar->mapToGlobal(local), button, Qt::LeftButton, {});
        QCoreApplication::sendEvent(bar, &event);
    }

    QImage paint() const {
        QImage image(bar->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        bar->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        return image;
    }
    // The pixel covering [x, x+1] x [y, y+1] in the bar's y-up coordinates.
    static QColor pixel(const QImage& image, int x, int y) {
        return image.pixelColor(x, image.height() - 1 - y);
    }

    Backdrop backdrop;
    SwinginSlider* bar = nullptr;
    RecordingClient client;
};

TEST_F(ScaleBar, FreshBarIsAHundredPixelsLongAndNamed) {
    EXPECT_EQ(bar->getThisEnd(), QPointF(15, 15));
    EXPECT_EQ(bar->getThatEnd(), QPointF(115, 15));
    EXPECT_FLOAT_EQ(bar->floatValue(), 100.0f);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_EQ(bar->accessibleName(), "Scale bar");
    bar->moveThatEndToX(18, 19);
    EXPECT_FLOAT_EQ(bar->floatValue(), 5.0f);
}

TEST_F(ScaleBar, GrabReachIsTenPixelsEdgesIncluded) {
    fit();
    EXPECT_TRUE(bar->thisEndIsCloseTo({30, 30}));
    EXPECT_TRUE(bar->thisEndIsCloseTo({10, 10}));
    EXPECT_FALSE(bar->thisEndIsCloseTo({30.5, 20}));
    EXPECT_FALSE(bar->thatEndIsCloseTo({120, 9.5}));

    // Exactly 10 out in x and y: the end comes along, keeping its offset.
    const QPointF thisBefore = onScreen(bar->getThisEnd());
    const QPointF thatBefore = onScreen(bar->getThatEnd());
    press({30, 30});
    dragTo(onScreen({30, 30}) + QPointF(40, 25));
    release();
    EXPECT_EQ(onScreen(bar->getThisEnd()), thisBefore + QPointF(40, 25));
    EXPECT_EQ(onScreen(bar->getThatEnd()), thatBefore);

    // Half a pixel further out: the whole bar moves, the ends stay put within it.
    const QRectF before = bar->frame();
    send(QEvent::MouseButtonPress, fromView({30.5, 20}));
    send(QEvent::MouseMove, fromScreen(before.topLeft() + QPointF(70.5, 45)));
    EXPECT_EQ(bar->frame().topLeft(), before.topLeft() + QPointF(40, 25));
    EXPECT_EQ(onScreen(bar->getThisEnd()), thisBefore + QPointF(80, 50));
}

TEST_F(ScaleBar, WhenBothEndsAreInReachThatEndIsDragged) {
    bar->moveThatEndToX(30, 25);
    fit();
    const QPointF thisBefore = onScreen(bar->getThisEnd());
    const QPointF thatBefore = onScreen(bar->getThatEnd());
    press({25, 22});
    dragTo(onScreen({25, 22}) + QPointF(100, 0));
    release();
    EXPECT_EQ(onScreen(bar->getThisEnd()), thisBefore);
    EXPECT_EQ(onScreen(bar->getThatEnd()), thatBefore + QPointF(100, 0));
}

TEST_F(ScaleBar, DraggingAnEndPastTheOtherRefitsTheFrame) {
    fit();
    const QPointF thisBefore = onScreen(bar->getThisEnd());
    press({121, 18}); // offset (-1, 2) from that end
    const QPointF pointer = thisBefore - QPointF(50, 30);
    dragTo(pointer);
    EXPECT_EQ(client.changes, 1);
    EXPECT_EQ(client.lastSender, bar);
    release();
    EXPECT_EQ(client.invalidations, 1);

    const QPointF a = bar->getThisEnd(), b = bar->getThatEnd();
    EXPECT_EQ(std::min(a.x(), b.x()), 20);
    EXPECT_EQ(std::min(a.y(), b.y()), 20);
    EXPECT_EQ(bar->frame().size(),
              QSizeF(std::max(a.x(), b.x()) + 20, std::max(a.y(), b.y()) + 20));
    EXPECT_EQ(onScreen(a), thisBefore);
    EXPECT_EQ(onScreen(b), pointer + QPointF(-1, 2));
    EXPECT_FLOAT_EQ(bar->floatValue(), QLineF(thisBefore, pointer + QPointF(-1, 2)).length());
}

TEST_F(ScaleBar, FractionalPointerLeavesTheOtherEndStill) {
    fit();
    const QPointF thatBefore = onScreen(bar->getThatEnd());
    send(QEvent::MouseButtonPress, fromView({20, 20}));
    QPointF pointer = onScreen({20, 20});
    for (int step = 0; step < 6; ++step) {
        pointer -= QPointF(3.3, 1.7); // the dragged end stays the lower left one
        send(QEvent::MouseMove, fromScreen(pointer));
    }
    EXPECT_EQ(onScreen(bar->getThatEnd()), thatBefore);
    EXPECT_NEAR(QLineF(onScreen(bar->getThisEnd()), pointer).length(), 0, 1e-4);
    EXPECT_GE(bar->getThisEnd().x(), 20);
    EXPECT_LT(bar->getThisEnd().x(), 21);
}

TEST_F(ScaleBar, WholeBarDragKeepsTheGrabbedPointAndClampsThePointer) {
    fit();
    const QPointF grabbed = onScreen({70, 25});
    press({70, 25});
    dragTo(grabbed + QPointF(-30, 40));
    EXPECT_EQ(onScreen({70, 25}), grabbed + QPointF(-30, 40));

    dragTo({900, 700}); // beyond the right and top edges
    EXPECT_EQ(bar->frame().topLeft(), QPointF(400 - 70, 300 - 25));
    dragTo({-50, -80}); // beyond the left and bottom edges
    EXPECT_EQ(bar->frame().topLeft(), QPointF(-70, -25));
    release();
    EXPECT_EQ(bar->getThisEnd(), QPointF(20, 20));
    EXPECT_EQ(bar->getThatEnd(), QPointF(120, 20));
    EXPECT_EQ(client.changes, 3);
}

TEST_F(ScaleBar, HorizontalLockKeepsEndsLevel) {
    fit();
    QAction lock;
    lock.setCheckable(true);
    lock.setChecked(true);
    bar->setHorizontalLock(&lock);
    const QPointF thatBefore = onScreen(bar->getThatEnd());
    press({120, 20});
    dragTo(thatBefore + QPointF(60, 45));
    release();
    EXPECT_EQ(onScreen(bar->getThatEnd()), thatBefore + QPointF(60, 0));
    EXPECT_FLOAT_EQ(bar->floatValue(), 160.0f);

    lock.setChecked(false);
    bar->moveThatEndToX(100, 70);
    const int changes = client.changes;
    bar->lockHorizontal();
    EXPECT_EQ(bar->getThatEnd(), QPointF(100, bar->getThisEnd().y()));
    EXPECT_EQ(client.changes, changes + 1);
}

TEST_F(ScaleBar, HidingAndShowingFollowTheMenuItem) {
    fit();
    QAction menuItem, toolbarItem;
    bar->setScaleMenuItem(&menuItem);
    bar->setShowhideButton(&toolbarItem);
    EXPECT_TRUE(menuItem.isChecked());
    EXPECT_EQ(toolbarItem.text(), "Hide Scale");
    const QPoint overBar = bar->geometry().center();
    EXPECT_EQ(backdrop.childAt(overBar), bar);

    menuItem.trigger(); // the user unchecks the menu item
    EXPECT_TRUE(bar->isHidden());
    EXPECT_FALSE(menuItem.isChecked());
    EXPECT_EQ(toolbarItem.text(), "Show Scale");
    EXPECT_EQ(client.textVisible, std::vector<bool>{false});
    EXPECT_EQ(backdrop.childAt(overBar), nullptr);
    QImage blank = paint();
    blank.fill(Qt::transparent);
    EXPECT_EQ(paint(), blank);

    const QRectF frameBefore = bar->frame();
    press({120, 20});
    dragTo(onScreen({150, 50}));
    release();
    EXPECT_EQ(backdrop.presses, 1);
    EXPECT_EQ(bar->frame(), frameBefore);
    EXPECT_EQ(client.changes, 0);

    bar->toggleVisible(); // the toolbar item
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(menuItem.isChecked());
    EXPECT_EQ(toolbarItem.text(), "Hide Scale");
    EXPECT_EQ(client.textVisible, (std::vector<bool>{false, true}));
    EXPECT_EQ(backdrop.childAt(overBar), bar);
    EXPECT_GT(pixel(paint(), 70, 20).alpha(), 0);
}

TEST_F(ScaleBar, TogglesWithoutMenuItemOrClient) {
    bar->setClient(nullptr);
    bar->toggleVisible();
    EXPECT_TRUE(bar->isHidden());
    bar->toggleVisible();
    EXPECT_FALSE(bar->isHidden());
}

TEST_F(ScaleBar, DrawsABlackEdgedBarAndShadowedCrosses) {
    fit();
    const QImage image = paint();
    EXPECT_EQ(pixel(image, 70, 20).alpha(), 255);
    EXPECT_NEAR(pixel(image, 70, 20).red(), 128, 8) << "white core over the black edge";
    EXPECT_EQ(pixel(image, 70, 21).red(), 0);
    EXPECT_GT(pixel(image, 70, 21).alpha(), 100);
    EXPECT_EQ(pixel(image, 70, 24).alpha(), 0);
    EXPECT_EQ(pixel(image, 25, 18).alpha(), 0) << "the bar starts 10 pixels in";

    EXPECT_EQ(pixel(image, 19, 25).name(), "#ffffff") << "upper arm";
    EXPECT_EQ(pixel(image, 21, 25).name(), "#000000") << "its shadow, one pixel right";
    EXPECT_EQ(pixel(image, 20, 20).alpha(), 0) << "the centre stays clear";
    EXPECT_EQ(pixel(image, 119, 15).name(), "#ffffff") << "the other end's lower arm";
}

TEST_F(ScaleBar, CoincidingEndsDrawOnlyTheEndMarks) {
    bar->moveThatEndToX(15, 15);
    fit();
    EXPECT_EQ(bar->floatValue(), 0.0f);
    const QImage image = paint();
    EXPECT_GT(pixel(image, 19, 25).red(), 200);
    EXPECT_EQ(pixel(image, 20, 20).alpha(), 0);
    EXPECT_EQ(pixel(image, 23, 23).alpha(), 0);
}

TEST_F(ScaleBar, NonFiniteEndsAreRefused) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    bar->moveThisEndToX(nan, 40);
    bar->moveThatEndToX(std::numeric_limits<float>::infinity());
    EXPECT_EQ(bar->getThisEnd(), QPointF(15, 15));
    EXPECT_EQ(bar->getThatEnd(), QPointF(115, 15));
    bar->moveThatEndToX(1e30f, 1e30f);
    bar->resize(); // far beyond any widget: clamped, no overflow
    EXPECT_EQ(bar->getThisEnd(), QPointF(20, 20));
}

} // namespace
