#include "tracing/DenseStrokes.h"

#include "tracing/BothAtOnce.h"
#include "tracing/CapsuleRaster.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace {

// Qt strokes a long self-crossing line in time that grows faster than its
// length; pieces of this many segments stay in the linear range.
constexpr qsizetype pieceSegments = 256;

QImage blankLike(const QPaintDevice* device) {
    QImage image(device->width(), device->height(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(device->devicePixelRatioF());
    image.fill(Qt::transparent);
    return image;
}

} // namespace

void DenseStrokes::layOver(QPainter& painter, const QImage& image, qreal opacity) {
    painter.save();
    painter.resetTransform();
    painter.setOpacity(opacity);
    painter.drawImage(QPointF(0, 0), image);
    painter.restore();
}

std::vector<DenseStrokes::Span> DenseStrokes::whole(const std::vector<QPolygonF>& lines) {
    std::vector<Span> spans;
    spans.reserve(lines.size());
    for (const QPolygonF& line : lines)
        spans.push_back({line.constData(), line.size()});
    return spans;
}

std::vector<DenseStrokes::Span> DenseStrokes::half(const std::vector<QPolygonF>& lines, int which) {
    qsizetype total = 0;
    for (const QPolygonF& line : lines)
        total += std::max<qsizetype>(0, line.size() - 1);
    // Segments before the cut belong to the first half.
    const qsizetype cut = total / 2;
    std::vector<Span> spans;
    qsizetype before = 0;
    for (const QPolygonF& line : lines) {
        const qsizetype segments = std::max<qsizetype>(0, line.size() - 1);
        const qsizetype from = which == 0 ? 0 : std::clamp<qsizetype>(cut - before, 0, segments);
        const qsizetype to =
            which == 0 ? std::clamp<qsizetype>(cut - before, 0, segments) : segments;
        if (to > from)
            spans.push_back({line.constData() + from, to - from + 1});
        before += segments;
    }
    return spans;
}

void DenseStrokes::drawPieces(QPainter& painter, const std::vector<Span>& spans) {
    for (const Span& span : spans)
        for (qsizetype from = 0; from + 1 < span.count; from += pieceSegments)
            painter.drawPolyline(span.points + from,
                                 int(std::min(pieceSegments + 1, span.count - from)));
}

void DenseStrokes::strokeWide(QPainter& painter, const std::vector<QPolygonF>& lines,
                              const QPen& pen) {
    const QPaintDevice* device = painter.device();
    const qreal ratio = device->devicePixelRatioF();
    const QSize pixels(device->width(), device->height());
    const QTransform toDevice = painter.deviceTransform();
    CapsuleRaster first(pixels, pen.widthF() * ratio);
    CapsuleRaster second(pixels, pen.widthF() * ratio);
    const auto add = [&](CapsuleRaster& raster, int which) {
        for (const Span& span : half(lines, which))
            raster.addLine(span.points, span.count, toDevice);
    };
    bothAtOnce([&] { add(first, 0); }, [&] { add(second, 1); });
    first.merge(second);
    QImage mask = first.toImage(pen.color());
    mask.setDevicePixelRatio(ratio);
    layOver(painter, mask, pen.color().alphaF());
}

void DenseStrokes::strokeThin(QPainter& painter, const std::vector<QPolygonF>& lines,
                              const QPen& pen) {
    QImage layers[2] = {blankLike(painter.device()), blankLike(painter.device())};
    const auto draw = [&](int which) {
        QPainter layerPainter(&layers[which]);
        layerPainter.setRenderHints(painter.renderHints());
        layerPainter.setTransform(painter.worldTransform());
        layerPainter.setPen(pen);
        drawPieces(layerPainter, half(lines, which));
    };
    bothAtOnce([&] { draw(0); }, [&] { draw(1); });
    layOver(painter, layers[0], 1);
    layOver(painter, layers[1], 1);
}
