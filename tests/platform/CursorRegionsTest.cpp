#include "platform/CursorRegions.h"

#include <gtest/gtest.h>

TEST(CursorRegions, HalfOpenEdgesAndLaterRectanglesWin) {
    CursorRegions regions;
    const auto shape = [&](double x, double y) { return regions.cursorAt(QPointF(x, y)).shape(); };
    regions.add(QRectF(10, 20, 30, 40), QCursor(Qt::CrossCursor));
    regions.add(QRectF(5, 5, 0, 10), QCursor(Qt::WaitCursor));  // empty: holds nothing
    regions.add(QRectF(5, 5, -4, -4), QCursor(Qt::WaitCursor)); // inverted: likewise
    EXPECT_EQ(shape(10, 20), Qt::CrossCursor);
    EXPECT_EQ(shape(39.99, 59.99), Qt::CrossCursor);
    for (auto [x, y] : {std::pair{40.0, 30.0}, {20, 60}, {9.99, 30}, {5, 5}, {3, 3}})
        EXPECT_EQ(shape(x, y), Qt::ArrowCursor) << x << "," << y;

    regions.add(QRectF(30, 50, 10, 10), QCursor(Qt::OpenHandCursor));
    EXPECT_EQ(shape(35, 55), Qt::OpenHandCursor);
    regions.add(QRectF(-10, -10, 200, 200), QCursor(Qt::IBeamCursor));
    EXPECT_EQ(shape(35, 55), Qt::IBeamCursor);
    regions.clear();
    EXPECT_EQ(shape(35, 55), Qt::ArrowCursor);
}
