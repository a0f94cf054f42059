#include "SessionFixture.h"

#include "app/AcetateController.h"
#include "app/SnapshotView.h"
#include "app/ToolbarItems.h"
#include "platform/Toolbar.h"
#include "platform/ToolbarItem.h"

namespace {

class Acetate : public Session {
protected:
    void SetUp() override {
        start();
        // A saved toolbar that shows the snapshot item.
        controller().getToolbarItems().mainToolbar()->setConfiguration(
            {QStringLiteral("snapshotItemIdentifier")});
    }
    ToolbarItem* snapshotItem() { return controller().getAcetate().getSnapshotButton(); }
    SnapshotView* picture() { return d().acetate.snapshotView; }
};

TEST_F(Acetate, APictureLiesUnderTheRouteAndOnlyAPictureFileShowsOne) {
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(appData.file("map.png")));
    writeBytes(appData.file("notes.png"), "not a picture");
    for (const char* file : {"missing.png", "notes.png", ""}) {
        controller().setImageForSnapshotView(nullptr, file, appData.path());
        EXPECT_FALSE(picture()->hasImage()) << file;
        EXPECT_EQ(snapshotItem()->text(), "Snapshot") << file;
    }

    controller().setImageForSnapshotView(nullptr, "map.png", appData.path());
    ASSERT_TRUE(picture()->hasImage());
    EXPECT_EQ(snapshotItem()->text(), "Clear Acetate");
    QCoreApplication::processEvents();
    const QPoint middle = picture()->rect().center();
    EXPECT_EQ(d().acetate.acetateSheet->grab().toImage().pixelColor(middle), QColor(Qt::red));
    EXPECT_EQ(d().acetate.acetateSheet->childAt(middle), view()) << "the route takes the clicks";
    click({double(middle.x()), double(view()->height() - middle.y())});
    EXPECT_EQ(route().count(), 1);

    // Only the user's clearing is an edit.
    window->setWindowModified(false);
    controller().clearImageView(view());
    EXPECT_FALSE(picture()->hasImage());
    EXPECT_FALSE(window->isWindowModified());
}

// The sheet is made only when first asked for, and then works as designed.
TEST_F(Acetate, TheSaveSheetIsMadeWhenFirstShown) {
    EXPECT_FALSE(d().save.isBuilt());
    controller().showSaveAsSheet();
    QDialog* sheet = d().save.window();
    ASSERT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->parentWidget(), window.get());
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    d().save.ui().saveButtons->button(QDialogButtonBox::Ok)->click();
    EXPECT_FALSE(sheet->isVisible());
}

} // namespace
