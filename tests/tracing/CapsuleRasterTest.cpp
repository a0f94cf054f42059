#include "tracing/CapsuleRaster.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

// A horizontal line two pixels wide, centred on a pixel boundary, covers
// the two rows either side whole and nothing else; its round ends reach
// one pixel past its points.
TEST(CapsuleRaster, CoversWhatTheLineCoversAndNoMore) {
    CapsuleRaster raster(QSize(20, 10), 2);
    raster.addSegment(QPointF(5, 5), QPointF(15, 5));
    for (int x = 5; x < 15; ++x) {
        EXPECT_EQ(raster.coverageAt(x, 4), 255) << x;
        EXPECT_EQ(raster.coverageAt(x, 5), 255) << x;
        EXPECT_EQ(raster.coverageAt(x, 3), 0) << x;
        EXPECT_EQ(raster.coverageAt(x, 6), 0) << x;
    }
    EXPECT_GT(raster.coverageAt(4, 4), 100) << "the round cap";
    EXPECT_EQ(raster.coverageAt(2, 4), 0);
    // Half a pixel off its row, a line one pixel wide splits its ink.
    CapsuleRaster half(QSize(20, 10), 1);
    half.addSegment(QPointF(2, 5), QPointF(18, 5));
    EXPECT_NEAR(half.coverageAt(9, 4), 128, 1);
    EXPECT_NEAR(half.coverageAt(9, 5), 128, 1);
}

TEST(CapsuleRaster, OverlapsBlendOnceAndHostileCoordinatesDrawNothingOrClip) {
    CapsuleRaster raster(QSize(20, 10), 1);
    raster.addSegment(QPointF(2, 5.25), QPointF(18, 5.25));
    const uint8_t once = raster.coverageAt(9, 5);
    EXPECT_GT(once, 128);
    raster.addSegment(QPointF(2, 5.25), QPointF(18, 5.25));
    raster.addSegment(QPointF(9.5, 1), QPointF(9.5, 9)); // crosses it
    EXPECT_EQ(raster.coverageAt(9, 5), 255);
    EXPECT_EQ(raster.coverageAt(12, 5), once);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double huge = 1e300;
    CapsuleRaster hostile(QSize(20, 10), 2);
    hostile.addSegment(QPointF(nan, 1), QPointF(3, 3));
    hostile.addSegment(QPointF(huge, huge), QPointF(huge * 2, -huge));
    hostile.addSegment(QPointF(-huge, 5), QPointF(huge, 5)); // across the whole view
    for (int x = 0; x < 20; ++x)
        EXPECT_EQ(hostile.coverageAt(x, 4), 255) << x;
    EXPECT_EQ(hostile.coverageAt(10, 1), 0);
    for (const double width : {0.0, -1.0, nan, double(std::numeric_limits<float>::infinity())}) {
        CapsuleRaster inert(QSize(20, 10), width);
        inert.addSegment(QPointF(1, 1), QPointF(2, 2));
        EXPECT_EQ(inert.toImage(Qt::red).width(), 0) << width;
    }
}
