#include "tracing/ReducedRoutePainter.h"

#include "tracing/CapsuleRaster.h"
#include "tracing/GlyphSprites.h"
#include "tracing/LineSimplifier.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// A dropped point lies within this much of a device pixel of the line
// drawn. At a quarter pixel, 0.5 to 1 % of a dense route's pixels moved by
// more than 16 levels; at a tenth, under 0.35 %.
constexpr double thinning = 0.1;

// Glyphs are told apart on a grid of half device pixels: on whole pixels,
// glyphs of a walk with sub-pixel steps merged visibly at their edges.
constexpr int glyphCellsPerPixel = 2;

// Qt strokes a long self-crossing line in time that grows faster than its
// length; pieces of this many segments stay in the linear range.
constexpr qsizetype pieceSegments = 256;

// Qt draws pens this thin with its cosmetic stroker, which blends each
// segment on its own; one stroke or many pieces look the same.
bool blendsPerSegment(const QPainter& painter, const QPen& pen) {
    return pen.widthF() * painter.device()->devicePixelRatioF() <= 1;
}

int64_t segmentsOf(const std::vector<QPolygonF>& lines) {
    int64_t segments = 0;
    for (const QPolygonF& line : lines)
        segments += std::max<qsizetype>(0, line.size() - 1);
    return segments;
}

// Paints an opaque mask of the lines at the pen's opacity.
void paintMask(QPainter& painter, const QImage& mask, qreal opacity) {
    painter.save();
    painter.resetTransform();
    painter.setOpacity(opacity);
    painter.drawImage(QPointF(0, 0), mask);
    painter.restore();
}

void drawPieces(QPainter& painter, const std::vector<QPolygonF>& lines) {
    for (const QPolygonF& line : lines)
        for (qsizetype from = 0; from + 1 < line.size(); from += pieceSegments)
            painter.drawPolyline(line.constData() + from,
                                 int(std::min(pieceSegments + 1, line.size() - from)));
}

} // namespace

ReducedRoutePainter::ReducedRoutePainter(QPainter& painter, const RouteScene& scene,
                                         const RouteParts& parts)
    : painter(painter), scene(scene), parts(parts), count(scene.route ? scene.route->count() : 0),
      pixels(painter.device()->width(), painter.device()->height()) {
    if (parts.leftOut && scene.route)
        leftOut = scene.route->indexOf(parts.leftOut);
    thin();
}

void ReducedRoutePainter::paint() {
    if (parts.shading && scene.shadeArea && !band.empty()) {
        QPolygonF outline;
        for (const QPolygonF& line : band)
            outline += line;
        painter.setPen(Qt::NoPen);
        painter.setBrush(RoutePainter::shadingColour());
        painter.drawPolygon(outline, Qt::WindingFill);
        painter.setBrush(Qt::NoBrush);
    }
    strokeInPieces(painter, band, RoutePainter::bandPen(scene.style), parts.denseFrom);
    strokeInPieces(painter, core, RoutePainter::corePen(scene.style), parts.denseFrom);
    drawGlyphs();
    RoutePainter::drawAcetateBox(painter, scene.viewSize);
}

void ReducedRoutePainter::thin() {
    if (leftOut < 0) {
        addRun(0, count);
    } else {
        addRun(0, leftOut);
        addRun(leftOut + 1, count);
    }
    const bool toPointer =
        parts.pointerLine && scene.tracingToPointer() && !core.empty() && leftOut != count - 1;
    if (toPointer) {
        core.back().append(QPointF(scene.mouseX, scene.mouseY));
        band.back().append(QPointF(scene.mouseX + 1.0f, scene.mouseY + 1.0f));
    }
}

void ReducedRoutePainter::addRun(int64_t from, int64_t to) {
    if (from >= to)
        return;
    const QTransform toDevice = painter.deviceTransform();
    LineSimplifier simplifier(thinning);
    for (int64_t i = from; i < to; ++i) {
        const MyPoint* p = scene.route->getnthItem(i);
        simplifier.add(toDevice.map(QPointF(p->getX(), p->getY())), i);
    }
    const std::vector<int64_t> kept = simplifier.finish();
    QPolygonF coreLine, bandLine;
    coreLine.reserve(qsizetype(kept.size()));
    bandLine.reserve(qsizetype(kept.size()));
    for (int64_t i : kept) {
        const MyPoint* p = scene.route->getnthItem(i);
        coreLine.append(QPointF(p->getX(), p->getY()));
        bandLine.append(RoutePainter::shifted(*p));
    }
    core.push_back(std::move(coreLine));
    band.push_back(std::move(bandLine));
}

void ReducedRoutePainter::drawGlyphs() {
    const QSize cells = pixels * glyphCellsPerPixel;
    glyphCells.assign(size_t(cells.width()) * size_t(cells.height()), 0);
    std::optional<GlyphSprites> sprites;
    const QTransform toDevice = painter.deviceTransform();
    if (count >= parts.denseFrom) {
        sprites.emplace(painter.device()->devicePixelRatioF());
        painter.save();
        painter.resetTransform();
    }
    const auto draw = [&](GlyphSprites::Kind kind, RoutePainter::Glyph glyph,
                          const MyPoint& point) {
        const bool fill = &point == scene.currentPoint;
        if (sprites)
            sprites->draw(painter, kind, fill, toDevice.map(QPointF(point.getX(), point.getY())));
        else if (kind == GlyphSprites::Kind::End)
            RoutePainter::drawEndPoint(painter, point.getX(), point.getY(), fill);
        else
            RoutePainter::drawGlyph(painter, glyph, point, fill);
    };
    for (int64_t i = 0; i < count; ++i) {
        if (i == leftOut)
            continue;
        const MyPoint* point = scene.route->getnthItem(i);
        const RoutePainter::Glyph glyph = RoutePainter::glyphOf(scene, *point, i);
        if (glyph == RoutePainter::Glyph::None || alreadyDrawn(glyph, *point))
            continue;
        draw(GlyphSprites::kindOf(glyph), glyph, *point);
    }
    if (scene.finished && count > 0 && leftOut != count - 1)
        draw(GlyphSprites::Kind::End, RoutePainter::Glyph::None,
             *scene.route->getnthItem(count - 1));
    if (sprites)
        painter.restore();
}

// Plain way and mid glyphs only: the ends and the current point are few
// and drawn filled or in colours of their own.
bool ReducedRoutePainter::alreadyDrawn(RoutePainter::Glyph glyph, const MyPoint& point) {
    if (&point == scene.currentPoint || glyph == RoutePainter::Glyph::Start)
        return false;
    const QPointF at = painter.deviceTransform().map(QPointF(point.getX(), point.getY()));
    const QSize cells = pixels * glyphCellsPerPixel;
    const int x = int(std::floor(at.x() * glyphCellsPerPixel));
    const int y = int(std::floor(at.y() * glyphCellsPerPixel));
    if (x < 0 || y < 0 || x >= cells.width() || y >= cells.height())
        return false;
    uint8_t& drawn = glyphCells[size_t(y) * size_t(cells.width()) + size_t(x)];
    const uint8_t bit = glyph == RoutePainter::Glyph::Way ? 1 : 2;
    const bool seen = drawn & bit;
    drawn |= bit;
    return seen;
}

void ReducedRoutePainter::strokeInPieces(QPainter& painter, const std::vector<QPolygonF>& lines,
                                         const QPen& pen, int64_t denseFrom) {
    // Qt strokes pens a pixel wide or less on a path of its own, which stays
    // fast and which the capsules do not imitate closely enough.
    if (!blendsPerSegment(painter, pen) && segmentsOf(lines) >= denseFrom) {
        strokeDense(painter, lines, pen);
        return;
    }
    if (blendsPerSegment(painter, pen) || pen.color().alpha() == 255) {
        painter.setPen(pen);
        drawPieces(painter, lines);
        return;
    }
    const QPaintDevice* device = painter.device();
    QImage mask(device->width(), device->height(), QImage::Format_ARGB32_Premultiplied);
    mask.setDevicePixelRatio(device->devicePixelRatioF());
    mask.fill(Qt::transparent);
    {
        QPainter maskPainter(&mask);
        maskPainter.setRenderHints(painter.renderHints());
        maskPainter.setTransform(painter.worldTransform());
        QPen opaque = pen;
        QColor colour = pen.color();
        colour.setAlpha(255);
        opaque.setColor(colour);
        maskPainter.setPen(opaque);
        drawPieces(maskPainter, lines);
    }
    paintMask(painter, mask, pen.color().alphaF());
}

void ReducedRoutePainter::strokeDense(QPainter& painter, const std::vector<QPolygonF>& lines,
                                      const QPen& pen) {
    const QPaintDevice* device = painter.device();
    const qreal ratio = device->devicePixelRatioF();
    CapsuleRaster raster(QSize(device->width(), device->height()), pen.widthF() * ratio);
    const QTransform toDevice = painter.deviceTransform();
    for (const QPolygonF& line : lines)
        raster.addLine(line, toDevice);
    QImage mask = raster.toImage(pen.color());
    mask.setDevicePixelRatio(ratio);
    paintMask(painter, mask, pen.color().alphaF());
}
