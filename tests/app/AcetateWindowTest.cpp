#include "AcetateFixture.h"

#include "app/AcetateController.h"
#include "app/ResizeImage.h"
#include "app/SnapshotView.h"
#include "app/ToolbarItems.h"
#include "platform/Alerts.h"
#include "platform/ColourWell.h"
#include "platform/PropertyList.h"
#include "platform/Resources.h"
#include "platform/Toolbar.h"
#include "platform/ToolbarItem.h"

#include <QTemporaryDir>

namespace {

QStringList logged;

void capture(QtMsgType, const QMessageLogContext&, const QString& line) {
    logged << line;
}

class Acetate : public AcetateTest {
protected:
    Acetate() {
        window.resize(1200, 640);
        // A saved toolbar that shows the snapshot item.
        controller.getToolbarItems().mainToolbar()->setConfiguration(
            {QStringLiteral("snapshotItemIdentifier")});
    }
    ToolbarItem* snapshot() { return controller.getAcetate().getSnapshotButton(); }
    QWidget* snapshotButton() {
        return controller.getToolbarItems().mainToolbar()->widgetForAction(snapshot());
    }
    SnapshotView* picture() { return designs.acetate.snapshotView; }

    // A 40 × 30 red picture in a folder of its own.
    QString writePicture() {
        QImage red(40, 30, QImage::Format_RGB32);
        red.fill(Qt::red);
        EXPECT_TRUE(red.save(folder.filePath(QStringLiteral("map.png"))));
        return folder.path();
    }

    QTemporaryDir folder;
};

TEST_F(Acetate, TintNeverFallsBelowATraceButTheWellKeepsTheChoice) {
    ColourWell* well = designs.preferences.mainWindowColour;
    // Before any preference, the well shows the designed tint, not an opaque white.
    EXPECT_EQ(well->color(), window.tint());
    EXPECT_LT(well->color().alphaF(), 0.5f);

    well->setColor(QColor::fromRgbF(0.2f, 0.4f, 0.6f, 0.01f));
    emit well->colorChanged(well->color());
    EXPECT_NEAR(window.tint().alphaF(), 0.05, 0.001);
    EXPECT_NEAR(window.tint().blueF(), 0.6, 0.001);
    EXPECT_NEAR(well->color().alphaF(), 0.01, 0.001);

    well->setColor(QColor::fromRgbF(0.2f, 0.4f, 0.6f, 0.5f));
    controller.makeWindowTransparent();
    EXPECT_NEAR(window.tint().alphaF(), 0.5, 0.001);
}

TEST_F(Acetate, PictureLiesUnderTheRouteAndSwitchesTheSnapshotItem) {
    ASSERT_NE(snapshot(), nullptr);
    EXPECT_EQ(snapshot()->text(), "Snapshot");
    // Both faces act: one takes a snapshot, the other clears it.
    EXPECT_TRUE(snapshotButton()->isEnabled());

    controller.setImageForSnapshotView(picture(), "map.png", writePicture());
    ASSERT_TRUE(picture()->hasImage());
    EXPECT_EQ(snapshot()->text(), "Clear Acetate");
    EXPECT_TRUE(snapshotButton()->isEnabled());

    // The picture is seen; the tracing view above it still gets the clicks.
    QCoreApplication::processEvents();
    const QPoint middle = picture()->rect().center();
    EXPECT_EQ(designs.acetate.acetateSheet->childAt(middle), view);
    EXPECT_EQ(designs.acetate.acetateSheet->grab().toImage().pixelColor(middle), QColor(Qt::red));
    click(middle.x(), view->height() - middle.y());
    EXPECT_EQ(route().count(), 1);

    // The tracing view's reset clears the picture but not the edited mark.
    window.setWindowModified(false);
    controller.clearImageView(view);
    EXPECT_FALSE(picture()->hasImage());
    EXPECT_EQ(snapshot()->text(), "Snapshot");
    EXPECT_FALSE(window.isWindowModified());

    // The user's "Clear Acetate" sets it.
    controller.setImageForSnapshotView(nullptr, "map.png", folder.path());
    QTest::mouseClick(snapshotButton(), Qt::LeftButton);
    EXPECT_FALSE(picture()->hasImage());
    EXPECT_TRUE(window.isWindowModified());
    EXPECT_EQ(snapshot()->text(), "Snapshot");
}

TEST_F(Acetate, NoPictureOrAMissingFaceImageLeavesTheItemAlone) {
    writePicture();
    QFile notAPicture(folder.filePath(QStringLiteral("notes.png")));
    ASSERT_TRUE(notAPicture.open(QIODevice::WriteOnly));
    notAPicture.write("not a picture");
    notAPicture.close();
    for (const char* file : {"missing.png", "notes.png", ""}) {
        controller.setImageForSnapshotView(nullptr, file, folder.path());
        EXPECT_FALSE(picture()->hasImage()) << file;
        EXPECT_EQ(snapshot()->text(), "Snapshot") << file;
    }

    const QString savedRoot = Resources::root();
    QTemporaryDir empty;
    Resources::setRoot(empty.path());
    controller.setImageForSnapshotView(nullptr, "map.png", folder.path());
    Resources::setRoot(savedRoot);
    EXPECT_TRUE(picture()->hasImage());
    EXPECT_EQ(snapshot()->text(), "Snapshot");
}

TEST(ResizeImage, FittedImagesFitByTheirLongerSide) {
    const auto fitted = [](int w, int h, float max) {
        // Scaling reads every pixel; an unfilled image is uninitialised memory.
        QImage image(w, h, QImage::Format_ARGB32);
        image.fill(Qt::white);
        return resizeImage(image, max).size();
    };
    EXPECT_EQ(fitted(1000, 400, 500), QSize(500, 200));
    EXPECT_EQ(fitted(400, 1000, 500), QSize(200, 500));
    EXPECT_EQ(fitted(2000, 1000, 500), QSize(500, 250));
    EXPECT_EQ(fitted(1000, 2000, 500), QSize(250, 500));
    EXPECT_EQ(fitted(5000, 1, 500), QSize(500, 1)); // a sliver keeps a pixel

    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    QImage red(1000, 500, QImage::Format_ARGB32);
    red.fill(Qt::red);
    const QImage smaller = resizeImage(red, 100);
    QImage small(300, 200, QImage::Format_ARGB32);
    QImage fits(300, 500, QImage::Format_ARGB32);
    const QImage empty(0, 100, QImage::Format_ARGB32);
    const bool unchanged = resizeImage(small, 500).cacheKey() == small.cacheKey() &&
                           resizeImage(fits, 500).cacheKey() == fits.cacheKey();
    const QImage emptyBack = resizeImage(empty, 500);
    qInstallMessageHandler(previous);
    EXPECT_EQ(smaller.pixelColor(50, 25), QColor(Qt::red));
    EXPECT_TRUE(unchanged);
    EXPECT_EQ(emptyBack.size(), empty.size());
    EXPECT_EQ(logged, QStringList({"successful - returning",
                                   "returning from resizeImage: - one dimension is zero"}));
}

TEST_F(Acetate, StatsFileHoldsTheLengthAsShownAndItsUnit) {
    setBarLength(200);
    choose(designs.unitViews.scaleUnits2, "km");
    choose(designs.unitViews.answerUnits2, "km");
    route().add(0, 0);
    route().add(2469.12f, 0); // 12.3456 bars of 1 km
    controller.displayAnswer();
    controller.saveRouteStats(folder.path());
    const auto stats = PropertyList::read(folder.filePath(QStringLiteral("stats.plist")));
    ASSERT_TRUE(stats);
    EXPECT_EQ(stats->value("answer"), QVariant("12.346"));
    EXPECT_EQ(stats->value("answerunits"), QVariant("km"));
    EXPECT_EQ(stats->value("WandrelVersion"), QVariant("2"));
    EXPECT_EQ(stats->size(), 3);
}

TEST_F(Acetate, ClosingClearsTheRouteHidesTheWindowAndQuits) {
    int quits = 0;
    controller.getAcetate().setQuit([&quits] { ++quits; });
    click(100, 100);
    click(200, 100);
    ASSERT_TRUE(window.isWindowModified());
    // The unsaved route is let go ("Don't Save").
    Alerts::scriptAnswers({Alerts::Answer::Other});
    designs.acetate.actionCloseAcetate->trigger();
    EXPECT_EQ(Alerts::answered().size(), 1);
    Alerts::reset();
    EXPECT_EQ(route().count(), 0);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.isWindowModified());
#ifdef Q_OS_MACOS
    EXPECT_EQ(quits, 0);
#else
    EXPECT_EQ(quits, 1);
#endif
    // Tinting brings the acetate back.
    controller.makeWindowTransparent();
    EXPECT_TRUE(window.isVisible());

    controller.showSaveAsSheet();
    ASSERT_TRUE(designs.saveSheet->isVisible());
    QTest::keyClick(designs.saveSheet, Qt::Key_Return);
    EXPECT_FALSE(designs.saveSheet->isVisible());
}

} // namespace
