#include "scale/SwinginSlider.h"
#include "scale/ScaleBarClient.h"

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <cmath>

struct RecordingClient : ScaleBarClient {
    void scaleHasChanged(QObject* sender) override { senders.push_back(sender); }
    void setScaleTextVisible(bool visible) override { textVisible.push_back(visible); }
    void invalidateCursorRectsForTracingView() override { ++invalidations; }
    std::vector<QObject*> senders;
    std::vector<bool> textVisible;
    int invalidations = 0;
};

// The view beneath the bar: it takes every click that reaches it.
struct Backdrop : QWidget {
    void mousePressEvent(QMouseEvent* event) override { event->accept(), ++presses; }
    int presses = 0;
};

// A fitted bar: ends at (20, 20) and (120, 20) in a 140 x 40 frame.
class ScaleBar : public ::testing::Test {
protected:
    ScaleBar() {
        backdrop.setGeometry(0, 0, 400, 300);
        bar->setGeometry(60, 60, 140, 40);
        bar->setClient(&client);
        bar->resize();
        backdrop.show();
    }
    // Where a point of the bar is in the backdrop, measured y-up like the frame.
    QPointF onScreen(QPointF p) const { return bar->frame().topLeft() + p; }
    QLineF ends() const { return QLineF(onScreen(bar->getThisEnd()), onScreen(bar->getThatEnd())); }
    // Press, move and release as real events, at points y-up in the backdrop.
    void drag(QPointF from, QPointF to) {
        for (auto [type, up] : {std::pair{QEvent::MouseButtonPress, from},
                                {QEvent::MouseMove, to},
                                {QEvent::MouseButtonRelease, to}}) {
            const QPointF at = QPointF(up.x(), backdrop.height() - up.y()) - QPointF(bar->pos());
            const auto button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, at, bar->mapToGlobal(at), button, Qt::LeftButton, {});
            QCoreApplication::sendEvent(bar, &event);
        }
    }
    // The colour a fresh drawing gives pixel (x, y), y-up.
    QColor painted(int x, int y) const {
        QImage image(bar->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        bar->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        return image.pixelColor(x, image.height() - 1 - y);
    }

    Backdrop backdrop;
    SwinginSlider* bar = new SwinginSlider(&backdrop);
    RecordingClient client;
};

TEST_F(ScaleBar, FreshBarIsAHundredPixelsEndsGrabTenOutDragsClamp) {
    const SwinginSlider fresh;
    EXPECT_EQ(QLineF(fresh.getThisEnd(), fresh.getThatEnd()), QLineF(15, 15, 115, 15));
    EXPECT_FLOAT_EQ(fresh.floatValue(), 100.0f);

    // Exactly 10 out in x and y: the end comes along, keeping its offset.
    const QLineF before = ends();
    drag(before.p1() + QPointF(10, 10), before.p1() + QPointF(50, 35));
    EXPECT_EQ(ends(), QLineF(before.p1() + QPointF(40, 25), before.p2()));

    // Half a pixel further out: the whole bar moves, the grabbed point with the pointer,
    // which stays within the backdrop.
    const QPointF origin = bar->frame().topLeft(), grab = before.p1() + QPointF(50.5, 25);
    drag(grab, grab + QPointF(30, 5));
    EXPECT_EQ(bar->frame().topLeft(), origin + QPointF(30, 5));
    drag(onScreen({50, 5}), {900, 700}); // beyond the right and top edges
    EXPECT_EQ(bar->frame().topLeft(), QPointF(400 - 50, 300 - 5));
    drag(onScreen({50, 5}), {-50, -80}); // beyond the left and bottom edges
    EXPECT_EQ(bar->frame().topLeft(), QPointF(-50, -5));
}

TEST_F(ScaleBar, WhenBothEndsAreInReachThatEndIsDragged) {
    bar->moveThatEndToX(35, 30);
    const QLineF before = ends();
    drag(before.p1() + QPointF(5, 2), before.p1() + QPointF(105, 2));
    EXPECT_EQ(ends(), QLineF(before.p1(), before.p2() + QPointF(100, 0)));
}

TEST_F(ScaleBar, DraggingAnEndPastTheOtherRefitsTheFrame) {
    const QPointF thisEnd = onScreen(bar->getThisEnd()), pointer = thisEnd - QPointF(50, 30);
    drag(onScreen(bar->getThatEnd()) + QPointF(1, -2), pointer);
    EXPECT_EQ(client.senders, std::vector<QObject*>{bar});
    EXPECT_EQ(client.invalidations, 1);

    // Smaller coordinates 20, frame the larger ones plus 20.
    const QPointF a = bar->getThisEnd(), b = bar->getThatEnd();
    const QSizeF size = bar->frame().size();
    EXPECT_EQ(QRectF(a, b).normalized(), QRectF(20, 20, size.width() - 40, size.height() - 40));
    EXPECT_EQ(ends(), QLineF(thisEnd, pointer + QPointF(-1, 2)));
}

TEST_F(ScaleBar, HorizontalLockAndLevellingKeepEndsLevel) {
    QObject lock; // anything with a "checked" property
    lock.setProperty("checked", true);
    bar->setHorizontalLock(&lock);
    const QPointF thatEnd = onScreen(bar->getThatEnd());
    drag(thatEnd, thatEnd + QPointF(60, 45));
    EXPECT_EQ(onScreen(bar->getThatEnd()), thatEnd + QPointF(60, 0));

    bar->moveThatEndToX(100, 70);
    bar->lockHorizontal(); // the figures must follow the levelled bar, as after the drag
    EXPECT_EQ(bar->getThatEnd(), QPointF(100, bar->getThisEnd().y()));
    EXPECT_EQ(client.senders.size(), 2u);
}

TEST_F(ScaleBar, HiddenBarDrawsNothingAndLetsClicksThrough) {
    QAction menuItem, toolbarItem;
    bar->setScaleMenuItem(&menuItem);
    bar->setShowhideButton(&toolbarItem);
    menuItem.trigger(); // the user unchecks the menu item
    EXPECT_EQ(toolbarItem.text(), "Show Scale");
    EXPECT_EQ(painted(70, 20).alpha(), 0);
    drag(onScreen({70, 20}), onScreen({150, 50}));
    EXPECT_EQ(backdrop.presses, 1);

    bar->toggleVisible(); // the toolbar item
    EXPECT_EQ(toolbarItem.text(), "Hide Scale");
    EXPECT_EQ(client.textVisible, (std::vector<bool>{false, true}));
    EXPECT_GT(painted(70, 20).alpha(), 0);
}

TEST_F(ScaleBar, CoincidingEndsDrawOnlyTheEndMarksAndNonFiniteEndsAreRefused) {
    bar->moveThisEndToX(NAN, 40);
    bar->moveThatEndToX(INFINITY);
    EXPECT_EQ(QLineF(bar->getThisEnd(), bar->getThatEnd()), QLineF(20, 20, 120, 20));
    bar->moveThatEndToX(20, 20);
    EXPECT_EQ(bar->floatValue(), 0.0f);
    EXPECT_GT(painted(19, 25).red(), 200); // the cross's upper arm
    EXPECT_EQ(painted(20, 20).alpha(), 0); // its clear centre: no stray bar

    bar->moveThatEndToX(1e30f, 1e30f);
    bar->resize(); // far beyond any widget: clamped, no overflow
    EXPECT_EQ(bar->getThisEnd(), QPointF(20, 20));
}
