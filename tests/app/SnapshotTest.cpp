#include "SessionFixture.h"

#include "app/AcetateController.h"
#include "app/PortalScreenGrabber.h"
#include "app/ScreenGrabber.h"
#include "app/SnapshotCommand.h"
#include "app/SnapshotView.h"
#include "app/ToolbarItems.h"
#include "platform/Toolbar.h"
#include "platform/ToolbarItem.h"

#include <QSignalSpy>

namespace {

// Answers with a set picture (or a failure) and notes what it was asked.
class StubGrabber : public ScreenGrabber {
public:
    StubGrabber(QImage picture, QWidget& window, QString failure = {})
        : picture(std::move(picture)), window(window), failure(std::move(failure)) {}
    void grab(const QRect& area, QScreen* /*screen*/, Done done) override {
        areas << area;
        windowShownAtGrab = window.isVisible();
        done(picture, failure);
    }
    QList<QRect> areas;
    bool windowShownAtGrab = true;

private:
    QImage picture;
    QWidget& window;
    QString failure;
};

class Snapshot : public Session {
protected:
    void SetUp() override {
        start();
        controller().getToolbarItems().mainToolbar()->setConfiguration(
            {QStringLiteral("snapshotItemIdentifier")});
        command().setTickInterval(0);
        map.fill(Qt::darkGreen);
        Alerts::scriptAnswers({});
    }

    SnapshotCommand& command() { return controller().getAcetate().getSnapshotCommand(); }
    StubGrabber& useGrabber(const QImage& picture, const QString& failure = {}) {
        auto stub = std::make_unique<StubGrabber>(picture, *window, failure);
        StubGrabber& kept = *stub;
        command().setGrabber(std::move(stub));
        return kept;
    }
    ToolbarItem* item() { return controller().getAcetate().getSnapshotButton(); }
    QWidget* itemButton() {
        return controller().getToolbarItems().mainToolbar()->widgetForAction(item());
    }
    QAction* menuItem() { return d().acetate.snapshotMenuItem; }
    SnapshotView* picture() { return d().acetate.snapshotView; }

    QImage map{320, 200, QImage::Format_RGB32};
};

TEST_F(Snapshot, CameraFaceHidesTheAcetateGrabsUnderItAndShowsThePicture) {
    StubGrabber& grabber = useGrabber(map);
    ASSERT_NE(item(), nullptr);
    EXPECT_TRUE(itemButton()->isEnabled());
    window->setWindowModified(false);

    QSignalSpy taken(&command(), &SnapshotCommand::taken);
    QTest::mouseClick(itemButton(), Qt::LeftButton);
    ASSERT_TRUE(taken.count() == 1 || taken.wait(5000));

    ASSERT_EQ(grabber.areas.size(), 1);
    EXPECT_FALSE(grabber.windowShownAtGrab);
    EXPECT_EQ(grabber.areas.first(),
              QRect(picture()->mapToGlobal(QPoint(0, 0)), picture()->size()));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(picture()->image(), map);
    EXPECT_EQ(item()->text(), "Clear Acetate");
    EXPECT_EQ(menuItem()->text(), "Clear Acetate");
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(Alerts::answered().isEmpty());

    // The menu item clears it as the toolbar item would.
    window->setWindowModified(false);
    menuItem()->trigger();
    EXPECT_FALSE(picture()->hasImage());
    EXPECT_EQ(item()->text(), "Snapshot");
    EXPECT_EQ(menuItem()->text(), "Take Snapshot");
    EXPECT_TRUE(window->isWindowModified());
}

TEST_F(Snapshot, WithoutAPictureOfTheScreenItSaysWhyAndTheAcetateComesBackEmpty) {
    command().setGrabber(nullptr);
    menuItem()->trigger();
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(Alerts::answered().size(), 1);
    EXPECT_EQ(Alerts::answered()[0].message, ScreenGrabber::unavailableMessage());

    useGrabber(QImage(), QStringLiteral("The X server gave no picture of the screen."));
    QSignalSpy failed(&command(), &SnapshotCommand::failed);
    menuItem()->trigger();
    ASSERT_TRUE(failed.count() == 1 || failed.wait(5000));
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(picture()->hasImage());
    EXPECT_EQ(item()->text(), "Snapshot");
    ASSERT_EQ(Alerts::answered().size(), 2);
    EXPECT_EQ(Alerts::answered()[1].message, "The X server gave no picture of the screen.");
    EXPECT_FALSE(command().isBusy());
}

TEST_F(Snapshot, ASecondRequestWhileHiddenIsIgnored) {
    StubGrabber& grabber = useGrabber(map);
    QSignalSpy taken(&command(), &SnapshotCommand::taken);
    command().start();
    command().start();
    EXPECT_FALSE(window->isVisible());
    ASSERT_TRUE(taken.wait(5000));
    EXPECT_EQ(grabber.areas.size(), 1);
    EXPECT_EQ(taken.count(), 1);
}

#ifdef WANDREL_HAVE_DBUS
// Which way the desktop offers to read its screen is asked once, and only
// when a snapshot is first wanted.
TEST(SnapshotGrabber, IsFoundAtTheFirstSnapshotOnly) {
    QWidget window;
    QWidget area(&window);
    int asked = 0;
    SnapshotCommand command(window, area, [&asked] {
        ++asked;
        return std::unique_ptr<ScreenGrabber>();
    });
    QSignalSpy failed(&command, &SnapshotCommand::failed);
    EXPECT_EQ(asked, 0);
    command.start();
    command.start();
    EXPECT_EQ(asked, 1);
    ASSERT_EQ(failed.count(), 2);
    EXPECT_EQ(failed[1][0].toString(), ScreenGrabber::unavailableMessage());
}

TEST(PortalScreenGrabber, AnswersComeOnThePathThePortalDerivesAndAreCutToTheAcetate) {
    EXPECT_EQ(PortalScreenGrabber::requestPath(":1.42", "wandrel1"),
              "/org/freedesktop/portal/desktop/request/1_42/wandrel1");
    // A desktop at twice the pixels, with a second screen to its left.
    const QRect desktop(-1920, 0, 3840, 1080);
    const QSize picture(7680, 2160);
    EXPECT_EQ(PortalScreenGrabber::cropArea(QRect(100, 50, 400, 300), desktop, picture),
              QRect(4040, 100, 800, 600));
    // Cut at the picture's edge; nothing where they do not meet.
    EXPECT_EQ(PortalScreenGrabber::cropArea(QRect(1800, 1000, 400, 300), desktop, picture),
              QRect(7440, 2000, 240, 160));
    EXPECT_TRUE(PortalScreenGrabber::cropArea(QRect(5000, 0, 10, 10), desktop, picture).isEmpty());
    EXPECT_TRUE(PortalScreenGrabber::cropArea(QRect(0, 0, 10, 10), QRect(), picture).isEmpty());
}
#endif

} // namespace
