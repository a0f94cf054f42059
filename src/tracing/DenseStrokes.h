#pragma once

#include <QPen>
#include <QPolygonF>

#include <vector>

class QImage;
class QPainter;

// Strokes lines with more segments than the screen has pixels, split in two
// halves that are drawn at once on two threads and then put together as
// one stroke of the whole would look.
class DenseStrokes {
public:
    // Wide pens: the union of round-capped segments (CapsuleRaster), so
    // overlaps blend once.
    static void strokeWide(QPainter& painter, const std::vector<QPolygonF>& lines, const QPen& pen);
    // Pens a device pixel wide or less: Qt's own stroke, each half into a
    // layer of its own, the second laid over the first.
    static void strokeThin(QPainter& painter, const std::vector<QPolygonF>& lines, const QPen& pen);

    // A run of points of one of the lines.
    struct Span {
        const QPointF* points = nullptr;
        qsizetype count = 0;
    };
    // The lines' segments in two halves of about the same number; a line
    // cut in two shares the point at the cut.
    static std::vector<Span> half(const std::vector<QPolygonF>& lines, int which);
    // Every line whole.
    static std::vector<Span> whole(const std::vector<QPolygonF>& lines);
    // Draws spans as polylines in pieces Qt strokes in linear time.
    static void drawPieces(QPainter& painter, const std::vector<Span>& spans);
    // Lays an image made pixel for pixel for the painter's device over it.
    static void layOver(QPainter& painter, const QImage& image, qreal opacity);
};
