#include "tracing/GlyphLayer.h"

#include <QPainter>

#include <algorithm>

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

GlyphLayer::GlyphLayer(QSize pixels, qreal pixelRatio)
    : layer(pixels.expandedTo(QSize(0, 0)), QImage::Format_ARGB32_Premultiplied) {
    layer.fill(Qt::transparent);
    layer.setDevicePixelRatio(pixelRatio);
    bits = reinterpret_cast<uint32_t*>(layer.bits());
    tilesAcross = (layer.width() + tileSize - 1) / tileSize;
    const int tilesDown = (layer.height() + tileSize - 1) / tileSize;
    opaqueInTile.assign(size_t(tilesAcross) * size_t(tilesDown), 0);
}

void GlyphLayer::addUnder(const QImage& sprite, const QRect& ink, QPoint at) {
    const QRect area = (ink.translated(at)) & layer.rect();
    if (area.isEmpty())
        return;
    if (coveredWhole(area)) {
        ++hidden;
        return;
    }
    blendUnder(sprite, ink, at);
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

void GlyphLayer::blendUnder(const QImage& sprite, const QRect& ink, QPoint at) {
    const QRect area = ink.translated(at) & layer.rect();
    const qsizetype stride = layer.bytesPerLine() / 4;
    const qsizetype spriteStride = sprite.bytesPerLine() / 4;
    const auto* spriteBits = reinterpret_cast<const uint32_t*>(sprite.constBits());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        uint32_t* out = bits + y * stride;
        const uint32_t* in = spriteBits + (y - at.y()) * spriteStride - at.x();
        uint16_t* tiles = opaqueInTile.data() + size_t(y / tileSize) * size_t(tilesAcross);
        for (int x = area.left(); x <= area.right(); ++x) {
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

void GlyphLayer::paintOver(QPainter& painter) const {
    if (blended == 0)
        return;
    painter.save();
    painter.resetTransform();
    painter.setOpacity(1);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QPointF(0, 0), layer);
    painter.restore();
}
