#include "tracing/GlyphLayer.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QImage square(QColor colour) {
    QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

QImage blank() {
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

int channelGap(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

} // namespace

// Laid topmost first, glyphs give what drawing them bottom first gives; one
// that falls only on opaque pixels is not blended at all.
TEST(GlyphLayer, LaysUnderAsDrawingOverWouldAndPassesOverHiddenGlyphs) {
    const QImage bottom = square(QColor(0, 200, 0));
    const QImage middle = square(QColor(0, 0, 255, 128));
    const QImage top = square(QColor(255, 0, 0, 64));
    const QRect ink(0, 0, 8, 8);
    GlyphLayer layer(QSize(16, 16), 1);
    layer.addUnder(top, ink, QPoint(3, 2));
    layer.addUnder(middle, ink, QPoint(0, 0));
    layer.addUnder(bottom, ink, QPoint(0, 0));
    layer.addUnder(middle, ink, QPoint(0, 0)); // under an opaque square: hidden
    EXPECT_EQ(layer.blendedCount(), 3);
    EXPECT_EQ(layer.hiddenCount(), 1);

    QImage laid = blank();
    {
        QPainter painter(&laid);
        layer.paintOver(painter);
    }
    QImage drawn = blank();
    {
        QPainter painter(&drawn);
        painter.drawImage(QPoint(0, 0), bottom);
        painter.drawImage(QPoint(0, 0), middle);
        painter.drawImage(QPoint(3, 2), top);
    }
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_LE(channelGap(laid.pixel(x, y), drawn.pixel(x, y)), 2) << x << "," << y;
    // Off the layer, nothing is laid and nothing breaks.
    layer.addUnder(bottom, ink, QPoint(40, -30));
    EXPECT_EQ(layer.blendedCount() + layer.hiddenCount(), 4);
}
