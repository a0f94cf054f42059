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

void GlyphSprites::draw(QPainter& painter, Kind kind, bool fill, QPointF device) {
    const QRectF near = QRectF(0, 0, painter.device()->width(), painter.device()->height())
                            .adjusted(-size, -size, size, size);
    if (!near.contains(device))
        return;
    const double x = std::floor(device.x());
    const double y = std::floor(device.y());
    const int phaseX = std::clamp(int((device.x() - x) * phases), 0, phases - 1);
    const int phaseY = std::clamp(int((device.y() - y) * phases), 0, phases - 1);
    const double half = size / 2;
    painter.drawImage(QPointF((x - half) / ratio, (y - half) / ratio),
                      sprite(kind, fill, phaseX, phaseY));
}

const QImage& GlyphSprites::sprite(Kind kind, bool fill, int phaseX, int phaseY) {
    QImage& image =
        sprites[size_t(((int(kind) * 2 + int(fill)) * phases + phaseX) * phases + phaseY)];
    if (!image.isNull())
        return image;
    image = QImage(size, size, QImage::Format_ARGB32_Premultiplied);
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
    image.setDevicePixelRatio(ratio);
    return image;
}
