#include "app/ResizeImage.h"

#include <QImage>
#include <gtest/gtest.h>

// Fits by the longer side; an image already within the limit, or with a
// side of zero, comes back as it is.
TEST(ResizeImage, FitsTheLongerSideAndLeavesFittingImagesAlone) {
    const auto fitted = [](int w, int h, float max) {
        // Scaling reads every pixel; an unfilled image is uninitialised memory.
        QImage image(w, h, QImage::Format_ARGB32);
        image.fill(Qt::red);
        const QImage out = resizeImage(image, max);
        EXPECT_EQ(out.pixelColor(out.width() / 2, out.height() / 2), QColor(Qt::red));
        return out.size();
    };
    EXPECT_EQ(fitted(2000, 1000, 500), QSize(500, 250));
    EXPECT_EQ(fitted(1000, 2000, 500), QSize(250, 500));
    EXPECT_EQ(fitted(5000, 1, 500), QSize(500, 1)); // a sliver keeps a pixel

    QImage small(300, 200, QImage::Format_ARGB32);
    QImage narrow(300, 500, QImage::Format_ARGB32);
    const QImage empty(0, 100, QImage::Format_ARGB32);
    EXPECT_EQ(resizeImage(small, 500).cacheKey(), small.cacheKey());
    EXPECT_EQ(resizeImage(narrow, 500).cacheKey(), narrow.cacheKey());
    EXPECT_EQ(resizeImage(empty, 500).size(), empty.size());
}
