#include "tracing/CapsuleRaster.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

// A horizontal line two pixels wide, centred on a pixel boundary, covers
// the two rows either side whole and nothing else; its round ends reach
// one pixel past its points.
TEST(CapsuleRaster, CoversWhatTheLineCoversAndNoMore) {
    CapsuleRaster raster(QSize(20, 10));
    raster.addSegment(QPointF(5, 5), QPointF(15, 5), 1);
    for (int x = 5; x < 15; ++x) {
        EXPECT_EQ(raster.coverageAt(x, 4), 255) << x;
        EXPECT_EQ(raster.coverageAt(x, 5), 255) << x;
        EXPECT_EQ(raster.coverageAt(x, 3), 0) << x;
        EXPECT_EQ(raster.coverageAt(x, 6), 0) << x;
    }
    EXPECT_GT(raster.coverageAt(4, 4), 100) << "the round cap";
    EXPECT_EQ(raster.coverageAt(2, 4), 0);
    // Half a pixel off its row, a line one pixel wide splits its ink.
    CapsuleRaster half(QSize(20, 10));
    half.addSegment(QPointF(2, 5), QPointF(18, 5), 0.5f);
    EXPECT_NEAR(half.coverageAt(9, 4), 128, 1);
    EXPECT_NEAR(half.coverageAt(9, 5), 128, 1);
}

TEST(CapsuleRaster, OverlapsBlendOnceAndHostileCoordinatesDrawNothingOrClip) {
    CapsuleRaster raster(QSize(20, 10));
    raster.addSegment(QPointF(2, 5.25), QPointF(18, 5.25), 0.5f);
    const uint8_t once = raster.coverageAt(9, 5);
    raster.addSegment(QPointF(2, 5.25), QPointF(18, 5.25), 0.5f);
    EXPECT_EQ(raster.coverageAt(9, 5), once);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double huge = 1e300;
    CapsuleRaster hostile(QSize(20, 10));
    hostile.addSegment(QPointF(nan, 1), QPointF(3, 3), 1);
    hostile.addSegment(QPointF(huge, huge), QPointF(-huge, -huge), 1);
    hostile.addSegment(QPointF(1, 1), QPointF(2, 2), std::numeric_limits<float>::infinity());
    hostile.addSegment(QPointF(-huge, 5), QPointF(huge, 5), 1); // across the whole view
    EXPECT_EQ(hostile.coverageAt(10, 4), 255);
    CapsuleRaster empty(QSize(0, 0));
    empty.addSegment(QPointF(0, 0), QPointF(1, 1), 1);
    EXPECT_TRUE(empty.toImage(Qt::red).isNull() || empty.toImage(Qt::red).width() == 0);
}
