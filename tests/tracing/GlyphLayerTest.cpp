#include "tracing/GlyphLayer.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

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

// Rings of every width, piled at random over the edges of two layers that
// share the picture. Every pixel is what laying each glyph under the pile
// one pixel at a time gives (skipping pixels already all but opaque), and
// near what drawing them bottom first gives.
TEST(GlyphLayer, PilesOfRingsAcrossRegionsMatchLayingPixelByPixel) {
    const auto ring = [](int width, QColor colour) {
        QImage image(width + 3, 12, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(colour, 1.5));
        painter.drawEllipse(QRectF(1.3, 1.3, width - 2.6, 9.4));
        return image;
    };
    const std::vector<QImage> sprites = {
        ring(9, QColor(200, 40, 0, 160)), ring(13, QColor(0, 0, 0)),
        ring(40, QColor(0, 90, 200, 90)), ring(70, QColor(20, 160, 20, 200))};
    const QSize pixels(150, 60);
    GlyphLayer upper(pixels, 1, QRect(0, 0, 150, 27));
    GlyphLayer lower(pixels, 1, QRect(0, 27, 150, 33));
    QImage expected(pixels, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::transparent);
    QImage drawn = expected;
    uint32_t seed = 7;
    const auto next = [&seed](int range) {
        seed = seed * 1664525u + 1013904223u;
        return int((seed >> 8) % uint32_t(range));
    };
    std::vector<std::pair<const QImage*, QPoint>> laid;
    for (int i = 0; i < 3000; ++i) {
        const QImage& sprite = sprites[size_t(next(4))];
        const QPoint at(next(240) - 80, next(90) - 20);
        // The ring's ink stops short of the three spare columns.
        const QRect ink(0, 0, sprite.width() - 3, sprite.height());
        upper.addUnder(sprite, ink, at);
        lower.addUnder(sprite, ink, at);
        laid.emplace_back(&sprite, at);
        for (int y = std::max(0, at.y()); y < std::min(60, at.y() + 12); ++y)
            for (int x = std::max(0, at.x()); x < std::min(150, at.x() + sprite.width()); ++x) {
                const QRgb s = sprite.pixel(x - at.x(), y - at.y());
                const QRgb d = expected.pixel(x, y);
                const int inverse = 255 - qAlpha(d);
                const auto under = [inverse](int dc, int sc) {
                    const int t = sc * inverse + 128;
                    return dc + ((t + (t >> 8)) >> 8);
                };
                if (s != 0 && qAlpha(d) < 252)
                    expected.setPixel(x, y,
                                      qRgba(under(qRed(d), qRed(s)), under(qGreen(d), qGreen(s)),
                                            under(qBlue(d), qBlue(s)),
                                            under(qAlpha(d), qAlpha(s))));
            }
    }
    EXPECT_GT(upper.hiddenCount() + lower.hiddenCount(), 100) << "much of the pile is hidden";
    EXPECT_GT(upper.blendedCount() + lower.blendedCount(), 200);

    QImage result(pixels, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    {
        QPainter painter(&result);
        upper.paintOver(painter);
        lower.paintOver(painter);
    }
    {
        QPainter painter(&drawn);
        for (auto glyph = laid.rbegin(); glyph != laid.rend(); ++glyph)
            painter.drawImage(glyph->second, *glyph->first);
    }
    int mismatches = 0, worst = 0;
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) {
            mismatches += result.pixel(x, y) != expected.pixel(x, y);
            worst = std::max(worst, channelGap(result.pixel(x, y), drawn.pixel(x, y)));
        }
    EXPECT_EQ(mismatches, 0);
    EXPECT_LE(worst, 6);
}
