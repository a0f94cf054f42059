#pragma once

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QTransform>

#include <vector>

// Strokes lines with more segments than the screen has pixels into layers
// made apart from the painter, so that the band and the core of a route
// can be stroked at once on two threads, then laid over the device in
// their order.
class DenseStrokes {
public:
    // What a stroke needs of the painter it is meant for.
    struct Target {
        explicit Target(const QPainter& painter);
        QSize pixels;
        qreal ratio = 1;
        QTransform world;
        QTransform toDevice;
        QPainter::RenderHints hints;
    };
    // An image made pixel for pixel for the target, and the opacity to lay
    // it at.
    struct Layer {
        QImage image;
        qreal opacity = 1;
    };

    // Wide pens: the union of round-capped segments (CapsuleRaster), so
    // overlaps blend once. Pens a device pixel wide or less: Qt's own
    // stroke, which blends each segment on its own.
    static Layer stroke(const Target& target, const std::vector<QPolygonF>& lines, const QPen& pen);
    // Qt's own stroke, in pieces, into a layer of its own.
    static Layer strokeWithQt(const Target& target, const std::vector<QPolygonF>& lines,
                              const QPen& pen);
    static void layOver(QPainter& painter, const Layer& layer);

    // Pens Qt strokes with its cosmetic stroker.
    static bool isThin(const QPen& pen, qreal ratio) { return pen.widthF() * ratio <= 1; }

    // Draws the lines in pieces Qt strokes in linear time.
    static void drawPieces(QPainter& painter, const std::vector<QPolygonF>& lines);

private:
    static QImage blank(const Target& target);
};
