#include "SessionFixture.h"

#include "app/PictureCommands.h"
#include "app/PictureExporter.h"
#include "app/SnapshotView.h"
#include "app/ToolbarItems.h"
#include "platform/Toolbar.h"
#include "platform/ToolbarItem.h"

#include <QImageReader>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

const QColor band(255, 0, 0);
const QColor core(0, 0, 255);

class PictureExport : public Session {
protected:
    void SetUp() override {
        start();
        Alerts::scriptAnswers({});
        commands().setFileChooser([this](QWidget*, const QString&) { return chosen; });
        controller().setHighLightColour(band);
        controller().setLowLightColour(core);
        controller().setLineWidth(12);
        choose(d().unitViews.scaleUnits2, "km");
        choose(d().unitViews.answerUnits2, "km");
        choose(d().unitViews.areaUnits, "km");
        // A level route 350 pixels long, 100 pixels above the bottom edge.
        route().add(250, 100);
        route().add(600, 100);
        view()->setFinished(true);
        controller().displayAnswer();
    }

    PictureCommands& commands() { return controller().getPictureCommands(); }
    QString exportAs(const QString& name) {
        chosen = folder.filePath(name);
        d().acetate.exportJpg->trigger();
        return chosen;
    }
    // A pixel of `image` at view coordinates (y up).
    QColor pixel(const QImage& image, int x, int y) const {
        return image.pixelColor(x, image.height() - 1 - y);
    }
    template <typename Test> static int count(const QImage& image, const QRect& area, Test test) {
        int found = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                found += test(image.pixelColor(x, y));
        return found;
    }

    QTemporaryDir folder;
    QString chosen;
};

TEST_F(PictureExport, PngShowsTheRouteInItsStyleTheScaleBarAndTheFigures) {
    const QString path = exportAs("route.png");
    const QImage picture(path);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), view()->size());
    EXPECT_TRUE(Alerts::answered().isEmpty());

    // The core on the points, the band beside it (shifted up by one), white away.
    EXPECT_EQ(pixel(picture, 400, 100), core);
    EXPECT_EQ(pixel(picture, 400, 105), band);
    EXPECT_EQ(pixel(picture, 400, 300), QColor(Qt::white));
    // The start glyph's green ring.
    const QRect start(244, picture.height() - 107, 13, 13);
    EXPECT_GT(count(picture, start, [](QColor c) { return c.green() > 150 && c.red() < 100; }), 0);

    // 350 pixels at 100 pixels a km.
    EXPECT_EQ(commands().legend(), QStringList({"Length: 3.500 km", "Area: 0.000 sq km"}));
    const QRect corner(picture.width() - 200, picture.height() - 60, 190, 50);
    EXPECT_GT(count(picture, corner, [](QColor c) { return c.lightness() < 100; }), 30);
    // The scale bar, drawn in black and white.
    const QRect scaleBar = d().acetate.scaleSlider->geometry();
    EXPECT_GT(count(picture, scaleBar, [](QColor c) { return c != Qt::white; }), 100);
}

TEST_F(PictureExport, TheSnapshotLiesUnderTheRouteButTheLineToThePointerIsLeftOut) {
    QImage map(60, 60, QImage::Format_RGB32);
    map.fill(Qt::darkGreen);
    d().acetate.snapshotView->setImage(map);
    // Tracing goes on: the view draws a line from the last point to the pointer.
    view()->cont();
    for (QPointF p : {QPointF(590, 390), QPointF(600, 400)}) // a move even from where it lay
        QTest::mouseMove(view(), at(p));
    const QImage shown = view()->grab().toImage();
    ASSERT_NE(pixel(shown, 600, 250), pixel(shown, 650, 250));

    const QImage picture(exportAs("route.png"));
    const QPoint centre(picture.width() / 2, picture.height() / 2);
    EXPECT_EQ(picture.pixelColor(centre), QColor(Qt::darkGreen));
    EXPECT_EQ(pixel(picture, 600, 250), QColor(Qt::white));
    EXPECT_EQ(pixel(picture, 400, 100), core);
}

TEST_F(PictureExport, TheToolbarItemWritesAJpegAtTheAcetatesSize) {
    Toolbar& bar = *controller().getToolbarItems().mainToolbar();
    bar.setConfiguration({QStringLiteral("exportJPEGItemIdentifier")});
    chosen = folder.filePath("route.jpeg");
    QTest::mouseClick(bar.widgetForAction(bar.item("exportJPEGItemIdentifier")), Qt::LeftButton);
    QImageReader reader(chosen);
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size(), view()->size());
    const QColor coreThere = pixel(reader.read(), 400, 100);
    EXPECT_GT(coreThere.blue(), 200);
    EXPECT_LT(coreThere.red(), 60);
}

TEST_F(PictureExport, UnwritableNamesAndFoldersSayWhyAndWriteNothing) {
    exportAs("route.gif");
    exportAs("missing/route.png");
    chosen.clear(); // cancelled
    d().acetate.exportJpg->trigger();
    const auto alerts = Alerts::answered();
    ASSERT_EQ(alerts.size(), 2);
    EXPECT_EQ(alerts[0].message, "“route.gif” is not a PNG or JPEG file name. Choose a name "
                                 "ending in .png or .jpg.");
    EXPECT_TRUE(alerts[1].message.startsWith("The picture could not be saved as “" +
                                             folder.filePath("missing/route.png") + "”: "));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

TEST_F(PictureExport, PrintsToAPdfPageTurnedToThePicture) {
    const QString pdf = folder.filePath("route.pdf");
    QPageLayout::Orientation offered = QPageLayout::Portrait;
    commands().setPrinterChooser([&](QWidget*, QPrinter& printer) {
        offered = printer.pageLayout().orientation();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    d().acetate.printMenuItem->trigger();
    EXPECT_EQ(offered, QPageLayout::Landscape);
    const QByteArray bytes = contents(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/Subtype /Image"));
    EXPECT_TRUE(Alerts::answered().isEmpty());

    // A printer that cannot start says so; a cancelled one does nothing.
    commands().setPrinterChooser([&](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath("missing/route.pdf"));
        return true;
    });
    d().acetate.printMenuItem->trigger();
    commands().setPrinterChooser([](QWidget*, QPrinter&) { return false; });
    d().acetate.printMenuItem->trigger();
    ASSERT_EQ(Alerts::answered().size(), 1);
    EXPECT_EQ(Alerts::answered().first().message, "The picture could not be printed.");
}

TEST(PictureExporter, FitsThePictureWholeAndCentredOnThePage) {
    EXPECT_EQ(PictureExporter::fitted(QSize(200, 100), QRect(0, 0, 1000, 1000)),
              QRect(0, 250, 1000, 500));
    EXPECT_EQ(PictureExporter::fitted(QSize(100, 400), QRect(50, 50, 1000, 1000)),
              QRect(425, 50, 250, 1000));
    EXPECT_TRUE(PictureExporter::fitted(QSize(), QRect(0, 0, 10, 10)).isEmpty());
    EXPECT_TRUE(PictureExporter::render(AcetatePicture{}).isNull());
}

TEST(PictureExporter, DrawsAtTheScreensPixelDensity) {
    PointDataSource route;
    route.add(10, 25);
    route.add(90, 25);
    AcetatePicture picture;
    picture.size = QSize(100, 50);
    picture.pixelRatio = 2;
    picture.route.route = &route;
    picture.route.viewSize = QSizeF(100, 50);
    picture.route.style = LineStyle{band, core, 4};
    const QImage image = PictureExporter::render(picture);
    EXPECT_EQ(image.size(), QSize(200, 100));
    EXPECT_EQ(image.devicePixelRatio(), 1);
    // y 25 of 50, counted from the bottom, is the middle row.
    EXPECT_EQ(image.pixelColor(100, 49), core);
    EXPECT_EQ(image.pixelColor(100, 10), QColor(Qt::white));
}

} // namespace
