#include "tracing/DenseStrokes.h"

#include "tracing/CapsuleRaster.h"

#include <algorithm>

namespace {

// Qt strokes a long self-crossing line in time that grows faster than its
// length; pieces of this many segments stay in the linear range.
constexpr qsizetype pieceSegments = 256;

} // namespace

DenseStrokes::Target::Target(const QPainter& painter)
    : pixels(painter.device()->width(), painter.device()->height()),
      ratio(painter.device()->devicePixelRatioF()), world(painter.worldTransform()),
      toDevice(painter.deviceTransform()), hints(painter.renderHints()) {}

QImage DenseStrokes::blank(const Target& target) {
    QImage image(target.pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(target.ratio);
    image.fill(Qt::transparent);
    return image;
}

void DenseStrokes::layOver(QPainter& painter, const Layer& layer) {
    painter.save();
    painter.resetTransform();
    painter.setOpacity(layer.opacity);
    painter.drawImage(QPointF(0, 0), layer.image);
    painter.restore();
}

void DenseStrokes::drawPieces(QPainter& painter, const std::vector<QPolygonF>& lines) {
    for (const QPolygonF& line : lines)
        for (qsizetype from = 0; from + 1 < line.size(); from += pieceSegments)
            painter.drawPolyline(line.constData() + from,
                                 int(std::min(pieceSegments + 1, line.size() - from)));
}

DenseStrokes::Layer DenseStrokes::strokeWithQt(const Target& target,
                                               const std::vector<QPolygonF>& lines,
                                               const QPen& pen) {
    Layer layer{blank(target), 1};
    QPainter painter(&layer.image);
    painter.setRenderHints(target.hints);
    painter.setTransform(target.world);
    painter.setPen(pen);
    drawPieces(painter, lines);
    return layer;
}

DenseStrokes::Layer DenseStrokes::stroke(const Target& target, const std::vector<QPolygonF>& lines,
                                         const QPen& pen) {
    if (isThin(pen, target.ratio))
        return strokeWithQt(target, lines, pen);
    CapsuleRaster raster(target.pixels, pen.widthF() * target.ratio);
    for (const QPolygonF& line : lines)
        raster.addLine(line.constData(), line.size(), target.toDevice);
    Layer layer{raster.toImage(pen.color()), pen.color().alphaF()};
    layer.image.setDevicePixelRatio(target.ratio);
    return layer;
}
