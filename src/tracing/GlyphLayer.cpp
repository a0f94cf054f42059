#include "tracing/GlyphLayer.h"

#include <QPainter>

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr int tileSize = 8;
// Over a pixel this opaque, a glyph laid under shifts no channel by more
// than 255 - 252 = 3 levels.
constexpr uint32_t allButOpaque = 252;

// d + s * (255 - alpha(d)) / 255 per channel: s laid under d.
uint32_t under(uint32_t d, uint32_t s) {
    const uint32_t inverse = 255 - (d >> 24);
    const auto times = [inverse](uint32_t x) {
        // Two channels at once, each rounded as x * inverse / 255.
        uint32_t t = (x & 0xff00ff) * inverse + 0x800080;
        t = ((t + ((t >> 8) & 0xff00ff)) >> 8) & 0xff00ff;
        return t;
    };
    return d + (times(s) | (times(s >> 8) << 8));
}

} // namespace

// The layer holds the region's pixels only; glyphs are laid in its own
// coordinates, from the region's top-left corner.
GlyphLayer::GlyphLayer(QSize pixels, qreal pixelRatio, const QRect& region) {
    const QRect whole(QPoint(0, 0), pixels.expandedTo(QSize(0, 0)));
    bounds = region.isNull() ? whole : whole & region;
    layer = QImage(bounds.size().expandedTo(QSize(0, 0)), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    layer.setDevicePixelRatio(pixelRatio);
    bits = reinterpret_cast<uint32_t*>(layer.bits());
    tilesAcross = (layer.width() + tileSize - 1) / tileSize;
    const int tilesDown = (layer.height() + tileSize - 1) / tileSize;
    opaqueInTile.assign(size_t(tilesAcross) * size_t(tilesDown), 0);
}

void GlyphLayer::addUnder(const QImage& sprite, const QRect& ink, QPoint at) {
    const QRect area = ink.translated(at) & bounds;
    if (area.isEmpty())
        return;
    const QPoint origin = bounds.topLeft();
    if (coveredWhole(area.translated(-origin))) {
        ++hidden;
        return;
    }
    blendUnder(sprite, area.translated(-origin), at - origin);
    ++blended;
}

// Tiles at the layer's right and bottom edges are never full, so a glyph
// there is always blended: rare, and still right.
bool GlyphLayer::coveredWhole(const QRect& area) const {
    for (int ty = area.top() / tileSize; ty <= area.bottom() / tileSize; ++ty)
        for (int tx = area.left() / tileSize; tx <= area.right() / tileSize; ++tx)
            if (opaqueInTile[size_t(ty) * size_t(tilesAcross) + size_t(tx)] != tileSize * tileSize)
                return false;
    return true;
}

void GlyphLayer::blendUnder(const QImage& sprite, const QRect& area, QPoint at) {
    const qsizetype stride = layer.bytesPerLine() / 4;
    const qsizetype spriteStride = sprite.bytesPerLine() / 4;
    const auto* spriteBits = reinterpret_cast<const uint32_t*>(sprite.constBits());
    const int lastGroup = std::min(layer.width() - 1, at.x() + sprite.width() - 1) - 3;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        uint32_t* out = bits + y * stride;
        const uint32_t* in = spriteBits + (y - at.y()) * spriteStride - at.x();
        uint16_t* tiles = opaqueInTile.data() + size_t(y / tileSize) * size_t(tilesAcross);
        int x = area.left();
#if defined(__SSE2__)
        // A group may run past the ink as long as it stays on the sprite's
        // row and the layer's.
        for (; x <= area.right() && x <= lastGroup; x += 4)
            blendFour(in + x, out + x, tiles, x);
#endif
        for (; x <= area.right(); ++x) {
            const uint32_t s = in[x];
            const uint32_t d = out[x];
            if (s == 0 || (d >> 24) >= allButOpaque)
                continue;
            const uint32_t laid = under(d, s);
            out[x] = laid;
            if ((laid >> 24) >= allButOpaque)
                ++tiles[x / tileSize];
        }
    }
}

#if defined(__SSE2__)
// `under` on four pixels at once; pixels already all but opaque, and
// sprite pixels without paint, are left as they are.
void GlyphLayer::blendFour(const uint32_t* in, uint32_t* out, uint16_t* tiles, int x) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out));
    const __m128i zero = _mm_setzero_si128();
    const __m128i alpha = _mm_srli_epi32(d, 24);
    const __m128i limit = _mm_set1_epi32(int(allButOpaque));
    const __m128i active =
        _mm_andnot_si128(_mm_cmpeq_epi32(s, zero), _mm_cmplt_epi32(alpha, limit));
    if (_mm_movemask_epi8(active) == 0)
        return;
    // 255 - alpha in every 16-bit lane of its pixel.
    __m128i inverse = _mm_sub_epi32(_mm_set1_epi32(255), alpha);
    inverse = _mm_or_si128(inverse, _mm_slli_epi32(inverse, 16));
    const auto times = [&](__m128i pixels, __m128i factor) {
        __m128i t = _mm_add_epi16(_mm_mullo_epi16(pixels, factor), _mm_set1_epi16(128));
        return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
    };
    const __m128i low = times(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi32(inverse, inverse));
    const __m128i high = times(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi32(inverse, inverse));
    const __m128i laid = _mm_add_epi8(d, _mm_packus_epi16(low, high));
    const __m128i result = _mm_or_si128(_mm_and_si128(active, laid), _mm_andnot_si128(active, d));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), result);
    const __m128i nowOpaque = _mm_and_si128(
        active, _mm_cmpgt_epi32(_mm_srli_epi32(result, 24), _mm_set1_epi32(int(allButOpaque) - 1)));
    int mask = _mm_movemask_ps(_mm_castsi128_ps(nowOpaque));
    for (int k = 0; mask != 0; ++k, mask >>= 1)
        if (mask & 1)
            ++tiles[(x + k) / tileSize];
}
#endif

void GlyphLayer::paintOver(QPainter& painter) const {
    if (blended == 0)
        return;
    painter.save();
    painter.resetTransform();
    painter.setOpacity(1);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const qreal ratio = layer.devicePixelRatio();
    painter.drawImage(QRectF(QPointF(bounds.topLeft()) / ratio, QSizeF(bounds.size()) / ratio),
                      layer, QRectF(layer.rect()));
    painter.restore();
}
