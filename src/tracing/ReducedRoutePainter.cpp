#include "tracing/ReducedRoutePainter.h"

#include "tracing/BothAtOnce.h"
#include "tracing/DenseStrokes.h"
#include "tracing/GlyphLayer.h"
#include "tracing/GlyphSprites.h"
#include "tracing/LineSimplifier.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// A dropped point lies within this much of a device pixel of the line
// drawn. At a quarter pixel, 0.5 to 1 % of a dense route's pixels moved by
// more than 16 levels; at a tenth, under 0.35 %.
constexpr double thinning = 0.1;

// Glyphs are told apart on a grid of half device pixels: on whole pixels,
// glyphs of a walk with sub-pixel steps merged visibly at their edges.
constexpr int glyphCellsPerPixel = 2;

int64_t segmentsOf(const std::vector<QPolygonF>& lines) {
    int64_t segments = 0;
    for (const QPolygonF& line : lines)
        segments += std::max<qsizetype>(0, line.size() - 1);
    return segments;
}

} // namespace

ReducedRoutePainter::ReducedRoutePainter(QPainter& painter, const RouteScene& scene,
                                         const RouteParts& parts)
    : painter(painter), scene(scene), parts(parts), count(scene.route ? scene.route->count() : 0),
      pixels(painter.device()->width(), painter.device()->height()),
      toDevice(painter.deviceTransform()) {
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
    const QPen bandPen = RoutePainter::bandPen(scene.style);
    const QPen corePen = RoutePainter::corePen(scene.style);
    if (segmentsOf(band) >= parts.denseFrom && segmentsOf(core) >= parts.denseFrom) {
        // Band and core stroked at once, each on a thread of its own.
        const DenseStrokes::Target target(painter);
        DenseStrokes::Layer under, over;
        bothAtOnce([&] { under = DenseStrokes::stroke(target, band, bandPen); },
                   [&] { over = DenseStrokes::stroke(target, core, corePen); });
        DenseStrokes::layOver(painter, under);
        DenseStrokes::layOver(painter, over);
    } else {
        strokeInPieces(painter, band, bandPen, parts.denseFrom);
        strokeInPieces(painter, core, corePen, parts.denseFrom);
    }
    drawGlyphs();
    RoutePainter::drawAcetateBox(painter, scene.viewSize);
}

void ReducedRoutePainter::thin() {
    std::vector<Run> runs;
    if (leftOut < 0) {
        runs = {{0, count}};
    } else {
        runs = {{0, leftOut}, {leftOut + 1, count}};
    }
    if (count >= parts.denseFrom) {
        // Two halves at once, sharing their middle point.
        const int64_t middle = count / 2;
        std::vector<Run> first, second;
        for (const Run& run : runs) {
            if (run.from < middle)
                first.push_back({run.from, std::min(run.to, middle + 1)});
            if (run.to > middle + 1)
                second.push_back({std::max(run.from, middle), run.to});
        }
        Lines later;
        bothAtOnce([&] { addRuns(first, core, band); },
                   [&] { addRuns(second, later.core, later.band); });
        std::move(later.core.begin(), later.core.end(), std::back_inserter(core));
        std::move(later.band.begin(), later.band.end(), std::back_inserter(band));
    } else {
        addRuns(runs, core, band);
    }
    const bool toPointer =
        parts.pointerLine && scene.tracingToPointer() && !core.empty() && leftOut != count - 1;
    if (toPointer) {
        core.back().append(QPointF(scene.mouseX, scene.mouseY));
        band.back().append(QPointF(scene.mouseX + 1.0f, scene.mouseY + 1.0f));
    }
}

void ReducedRoutePainter::addRuns(const std::vector<Run>& runs, std::vector<QPolygonF>& coreLines,
                                  std::vector<QPolygonF>& bandLines) const {
    for (const Run& run : runs) {
        if (run.from >= run.to)
            continue;
        LineSimplifier simplifier(thinning);
        for (int64_t i = run.from; i < run.to; ++i)
            simplifier.add(onDevice(*scene.route->getnthItem(i)), i);
        const std::vector<int64_t> kept = simplifier.finish();
        QPolygonF coreLine, bandLine;
        coreLine.reserve(qsizetype(kept.size()));
        bandLine.reserve(qsizetype(kept.size()));
        for (int64_t i : kept) {
            const MyPoint* p = scene.route->getnthItem(i);
            coreLine.append(QPointF(p->getX(), p->getY()));
            bandLine.append(RoutePainter::shifted(*p));
        }
        coreLines.push_back(std::move(coreLine));
        bandLines.push_back(std::move(bandLine));
    }
}

void ReducedRoutePainter::drawGlyphs() {
    if (count >= parts.denseFrom) {
        layGlyphs();
        return;
    }
    // The grid of drawn glyphs is made at the first glyph that asks.
    glyphCells.clear();
    for (int64_t i = 0; i < count; ++i) {
        if (i == leftOut)
            continue;
        const MyPoint* point = scene.route->getnthItem(i);
        const RoutePainter::Glyph glyph = RoutePainter::glyphOf(scene, *point, i);
        if (glyph == RoutePainter::Glyph::None || alreadyDrawn(glyph, *point))
            continue;
        RoutePainter::drawGlyph(painter, glyph, *point, point == scene.currentPoint);
    }
    if (scene.finished && count > 0 && leftOut != count - 1) {
        const MyPoint* last = scene.route->getnthItem(count - 1);
        RoutePainter::drawEndPoint(painter, last->getX(), last->getY(), last == scene.currentPoint);
    }
}

// The view's transform only scales and moves: worked out here, not through
// a call per point.
QPointF ReducedRoutePainter::onDevice(const MyPoint& point) const {
    const QPointF at(point.getX(), point.getY());
    if (toDevice.type() > QTransform::TxScale)
        return toDevice.map(at);
    return {toDevice.m11() * at.x() + toDevice.dx(), toDevice.m22() * at.y() + toDevice.dy()};
}

// Two layers at once, one for the upper half of the device and one for the
// lower: each passes over the glyphs hidden in its half as one layer would.
void ReducedRoutePainter::layGlyphs() {
    const qreal ratio = painter.device()->devicePixelRatioF();
    const int split = pixels.height() / 2 / 8 * 8;
    GlyphLayer upper(pixels, ratio, QRect(0, 0, pixels.width(), split));
    GlyphLayer lower(pixels, ratio, QRect(0, split, pixels.width(), pixels.height() - split));
    bothAtOnce([&] { layGlyphs(upper); }, [&] { layGlyphs(lower); });
    upper.paintOver(painter);
    lower.paintOver(painter);
}

// Topmost first: the end glyph, then the points from last to first.
void ReducedRoutePainter::layGlyphs(GlyphLayer& layer) const {
    GlyphSprites sprites(painter.device()->devicePixelRatioF());
    const auto lay = [&](GlyphSprites::Kind kind, const MyPoint& point) {
        const GlyphSprites::Placed placed =
            sprites.place(kind, &point == scene.currentPoint, onDevice(point), layer.region());
        if (placed.sprite)
            layer.addUnder(*placed.sprite, placed.ink, placed.at);
    };
    if (scene.finished && count > 0 && leftOut != count - 1)
        lay(GlyphSprites::Kind::End, *scene.route->getnthItem(count - 1));
    for (int64_t i = count - 1; i >= 0; --i) {
        const MyPoint* point = scene.route->getnthItem(i);
        const RoutePainter::Glyph glyph = RoutePainter::glyphOf(scene, *point, i);
        if (i != leftOut && glyph != RoutePainter::Glyph::None)
            lay(GlyphSprites::kindOf(glyph), *point);
    }
}

// Plain way and mid glyphs only: the ends and the current point are few
// and drawn filled or in colours of their own.
bool ReducedRoutePainter::alreadyDrawn(RoutePainter::Glyph glyph, const MyPoint& point) {
    if (&point == scene.currentPoint || glyph == RoutePainter::Glyph::Start)
        return false;
    const QPointF at = onDevice(point);
    const QSize cells = pixels * glyphCellsPerPixel;
    const int x = int(std::floor(at.x() * glyphCellsPerPixel));
    const int y = int(std::floor(at.y() * glyphCellsPerPixel));
    if (x < 0 || y < 0 || x >= cells.width() || y >= cells.height())
        return false;
    if (glyphCells.empty())
        glyphCells.assign(size_t(cells.width()) * size_t(cells.height()), 0);
    uint8_t& drawn = glyphCells[size_t(y) * size_t(cells.width()) + size_t(x)];
    const uint8_t bit = glyph == RoutePainter::Glyph::Way ? 1 : 2;
    const bool seen = drawn & bit;
    drawn |= bit;
    return seen;
}

void ReducedRoutePainter::strokeInPieces(QPainter& painter, const std::vector<QPolygonF>& lines,
                                         const QPen& pen, int64_t denseFrom) {
    const int64_t segments = segmentsOf(lines);
    if (segments == 0)
        return;
    if (segments >= denseFrom) {
        DenseStrokes::layOver(painter,
                              DenseStrokes::stroke(DenseStrokes::Target(painter), lines, pen));
        return;
    }
    const bool thin = DenseStrokes::isThin(pen, painter.device()->devicePixelRatioF());
    if (thin || pen.color().alpha() == 255) {
        painter.setPen(pen);
        DenseStrokes::drawPieces(painter, lines);
        return;
    }
    // An opaque mask at the pen's opacity: pieces that overlap blend once.
    QPen opaque = pen;
    QColor colour = pen.color();
    colour.setAlpha(255);
    opaque.setColor(colour);
    DenseStrokes::Layer mask =
        DenseStrokes::strokeWithQt(DenseStrokes::Target(painter), lines, opaque);
    mask.opacity = pen.color().alphaF();
    DenseStrokes::layOver(painter, mask);
}
