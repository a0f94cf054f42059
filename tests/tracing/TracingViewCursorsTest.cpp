#include "TracingViewFixture.h"

#include "platform/Resources.h"

#include <QTemporaryDir>

namespace {

using Cursors = TracingViewTest;

Qt::CursorShape shapeAt(const WandrelTracingView& view, double x, double y) {
    return view.cursorRegions().cursorAt(QPointF(x, y)).shape();
}

TEST(TracingViewCursorImages, ComeFromTheNamedImagesWithTheirHotSpots) {
    WandrelTracingView view;
    const QCursor pin = view.getPinCursor();
    ASSERT_EQ(pin.shape(), Qt::BitmapCursor) << "the tif images are compiled in";
    EXPECT_EQ(pin.hotSpot(), QPoint(15, 15));
    EXPECT_EQ(pin.pixmap().size(), QSize(16, 16));
    EXPECT_EQ(view.getXyzCursor().hotSpot(), QPoint(0, 0));
    EXPECT_EQ(view.getWaypointCursor().hotSpot(), QPoint(0, 0));
    EXPECT_EQ(view.getCircleCursor().hotSpot(), QPoint(8, 8));
    EXPECT_EQ(view.getMoveCursor().hotSpot(), QPoint(8, 8));
    EXPECT_TRUE(pin.pixmap().hasAlphaChannel());
}

TEST(TracingViewCursorImages, AMissingImageBorrowsThePreviousOne) {
    const QString savedRoot = Resources::root();
    QTemporaryDir dir;
    QImage cross(12, 12, QImage::Format_ARGB32);
    cross.fill(Qt::blue);
    QImage ring(10, 10, QImage::Format_ARGB32);
    ring.fill(Qt::green);
    ASSERT_TRUE(cross.save(dir.filePath(QStringLiteral("xyzCursor.tif"))));
    ASSERT_TRUE(ring.save(dir.filePath(QStringLiteral("circleCursor.tif"))));
    Resources::setRoot(dir.path());
    WandrelTracingView view;
    Resources::setRoot(savedRoot);

    EXPECT_EQ(view.getWaypointCursor().pixmap().size(), QSize(12, 12));
    EXPECT_EQ(view.getPinCursor().pixmap().size(), QSize(12, 12));
    EXPECT_EQ(view.getPinCursor().hotSpot(), QPoint(15, 15)) << "its own hot spot";
    EXPECT_EQ(view.getMoveCursor().pixmap().size(), QSize(10, 10));
    EXPECT_EQ(view.getMoveCursor().hotSpot(), QPoint(8, 8));
}

TEST(TracingViewCursorImages, WithNoImagesAtAllTheArrowStandsIn) {
    const QString savedRoot = Resources::root();
    QTemporaryDir dir;
    Resources::setRoot(dir.path());
    WandrelTracingView view;
    Resources::setRoot(savedRoot);
    EXPECT_EQ(view.getXyzCursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(view.getMoveCursor().shape(), Qt::ArrowCursor);
}

TEST_F(Cursors, TracingShowsTheCrosshairExceptOverTheScaleBarAndTheCorner) {
    auto* bar = new SwinginSlider(view); // owned by the view
    bar->setGeometry(60, 200, 140, 40);  // y-up frame (60, 60, 140, 40)
    client.scaleBar = bar;
    view->resetCursorRects();
    EXPECT_EQ(shapeAt(*view, 200, 150), Qt::CrossCursor);
    EXPECT_EQ(shapeAt(*view, 100, 80), Qt::ArrowCursor) << "over the scale bar";
    EXPECT_EQ(shapeAt(*view, 395, 5), Qt::ArrowCursor) << "the corner square";
    EXPECT_EQ(shapeAt(*view, 385, 5), Qt::CrossCursor);
    EXPECT_EQ(shapeAt(*view, 395, 15), Qt::CrossCursor);

    bar->toggleVisible();
    view->resetCursorRects();
    EXPECT_EQ(shapeAt(*view, 100, 80), Qt::CrossCursor) << "a hidden bar has no arrow";
}

TEST_F(Cursors, FinishingShowsTheArrowAndTheHandOrThePointSquares) {
    click(50, 50);
    click(150, 50);
    key(Qt::Key_Escape);
    EXPECT_EQ(shapeAt(*view, 200, 150), Qt::OpenHandCursor) << "lock mode";

    dragMode.setChecked(true);
    view->resetCursorRects();
    EXPECT_EQ(shapeAt(*view, 200, 150), Qt::ArrowCursor);
    const QCursor onPoint = view->cursorRegions().cursorAt(QPointF(154, 46));
    EXPECT_EQ(onPoint.hotSpot(), view->getMoveCursor().hotSpot());
    EXPECT_EQ(onPoint.shape(), Qt::BitmapCursor);
    EXPECT_EQ(shapeAt(*view, 155, 50), Qt::ArrowCursor) << "the square is 10 wide";

    view->undoPoint();
    EXPECT_EQ(shapeAt(*view, 200, 150), Qt::CrossCursor) << "reopened, the route is traced";
}

TEST_F(Cursors, APlacingStateCoversTheViewWithItsCursor) {
    view->setPlacingState(WandrelTracingView::Image);
    EXPECT_EQ(view->cursorRegions().cursorAt(QPointF(200, 150)).hotSpot(), QPoint(15, 15));
    click(200, 150);
    EXPECT_EQ(shapeAt(*view, 200, 150), Qt::CrossCursor);
}

TEST_F(Cursors, WithoutAControllerOnlyThePointSquaresRemain) {
    traceFinished({{50, 50}, {150, 50}});
    view->setController(nullptr);
    view->resetCursorRects();
    EXPECT_EQ(view->cursorRegions().size(), 0);
    dragMode.setChecked(true);
    view->resetCursorRects();
    EXPECT_EQ(view->cursorRegions().size(), 2);
}

TEST_F(Cursors, TheViewShowsTheCursorOfTheRectangleUnderThePointer) {
    click(50, 50);
    hover(100, 100);
    EXPECT_EQ(view->cursor().shape(), Qt::CrossCursor);
    hover(395, 5);
    EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
