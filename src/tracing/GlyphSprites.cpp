#include "tracing/GlyphSprites.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Glyphs reach 3.5 units from their centre, 4.5 with the waypoint's pen.
constexpr qreal glyphReach = 5.5;

// In the order of GlyphSprites::Kind.
using GlyphDrawing = void (*)(QPainter&, float, float, bool);
constexpr GlyphDrawing drawings[] = {&RoutePainter::drawStartPoint, &RoutePainter::drawWayPoint,
                                     &RoutePainter::drawMidPoint, &RoutePainter::drawEndPoint};

} // namespace

GlyphSprites::GlyphSprites(qreal pixelRatio)
    : ratio(pixelRatio), size(2 * int(std::ceil(glyphReach * pixelRatio)) + 2) {}

GlyphSprites::Kind GlyphSprites::kindOf(RoutePainter::Glyph glyph) {
    switch (glyph) {
    case RoutePainter::Glyph::Start:
        return Kind::Start;
    case RoutePainter::Glyph::Way:
        return Kind::Way;
    default:
        return Kind::Mid;
    }
}

GlyphSprites::Placed GlyphSprites::place(Kind kind, bool fill, QPointF device,
                                         const QRect& region) {
    // Compared as numbers: this runs for every point of a dense route.
    if (!(device.x() >= region.left() - size && device.x() <= region.right() + 1 + size &&
          device.y() >= region.top() - size && device.y() <= region.bottom() + 1 + size))
        return {};
    const double x = std::floor(device.x());
    const double y = std::floor(device.y());
    const int phaseX = std::clamp(int((device.x() - x) * phases), 0, phases - 1);
    const int phaseY = std::clamp(int((device.y() - y) * phases), 0, phases - 1);
    const size_t at = slot(kind, fill, phaseX, phaseY);
    if (sprites[at].isNull())
        makeSprite(at, kind, fill, phaseX, phaseY);
    const int half = size / 2;
    return {&sprites[at], inks[at], QPoint(int(x) - half, int(y) - half)};
}

size_t GlyphSprites::slot(Kind kind, bool fill, int phaseX, int phaseY) const {
    return size_t(((int(kind) * 2 + int(fill)) * phases + phaseX) * phases + phaseY);
}

void GlyphSprites::makeSprite(size_t at, Kind kind, bool fill, int phaseX, int phaseY) {
    QImage& image = sprites[at];
    // Three transparent columns more, for the glyph layer's groups of four.
    image = QImage(size + 3, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal half = size / 2;
        painter.translate(half + (phaseX + 0.5) / phases, half + (phaseY + 0.5) / phases);
        // View coordinates: y up.
        painter.scale(ratio, -ratio);
        drawings[size_t(kind)](painter, 0, 0, fill);
    }
    QRect ink;
    for (int y = 0; y < size; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < size; ++x)
            if (row[x] != 0)
                ink |= QRect(x, y, 1, 1);
    }
    inks[at] = ink;
    image.setDevicePixelRatio(ratio);
}
