#include "platform/CursorRegions.h"

#include <QPixmap>
#include <gtest/gtest.h>

TEST(CursorRegions, EdgesFollowHalfOpenRectangles) {
    CursorRegions regions;
    EXPECT_EQ(regions.cursorAt(QPointF(0, 0)).shape(), Qt::ArrowCursor);
    regions.add(QRectF(10, 20, 30, 40), QCursor(Qt::CrossCursor));
    EXPECT_TRUE(regions.contains(QPointF(10, 20)));
    EXPECT_TRUE(regions.contains(QPointF(39.99, 59.99)));
    EXPECT_FALSE(regions.contains(QPointF(40, 30)));
    EXPECT_FALSE(regions.contains(QPointF(20, 60)));
    EXPECT_FALSE(regions.contains(QPointF(9.99, 30)));
    EXPECT_EQ(regions.cursorAt(QPointF(10, 20)).shape(), Qt::CrossCursor);
    EXPECT_EQ(regions.cursorAt(QPointF(40, 20)).shape(), Qt::ArrowCursor);
}

TEST(CursorRegions, LaterRectanglesWinWhereTheyOverlap) {
    CursorRegions regions;
    regions.add(QRectF(0, 0, 100, 100), QCursor(Qt::CrossCursor));
    QPixmap picture(16, 16);
    picture.fill(Qt::black);
    regions.add(QRectF(50, 50, 10, 10), QCursor(picture, 3, 4));
    EXPECT_EQ(regions.cursorAt(QPointF(5, 5)).shape(), Qt::CrossCursor);
    const QCursor inner = regions.cursorAt(QPointF(55, 55));
    EXPECT_EQ(inner.shape(), Qt::BitmapCursor);
    EXPECT_EQ(inner.hotSpot(), QPoint(3, 4));

    regions.add(QRectF(-10, -10, 200, 200), QCursor(Qt::OpenHandCursor));
    EXPECT_EQ(regions.cursorAt(QPointF(55, 55)).shape(), Qt::OpenHandCursor);
    EXPECT_EQ(regions.size(), 3);
    regions.clear();
    EXPECT_FALSE(regions.contains(QPointF(55, 55)));
}

TEST(CursorRegions, EmptyAndInvertedRectanglesHoldNothing) {
    CursorRegions regions;
    regions.add(QRectF(5, 5, 0, 10), QCursor(Qt::CrossCursor));
    regions.add(QRectF(5, 5, -4, -4), QCursor(Qt::CrossCursor));
    EXPECT_FALSE(regions.contains(QPointF(5, 5)));
    EXPECT_FALSE(regions.contains(QPointF(3, 3)));
}
