#pragma once

#include "tracing/RoutePainter.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QStringList>

class QPrinter;
class QWidget;

// Everything the acetate's picture shows, gathered from the window.
struct AcetatePicture {
    // A picture drawn by a view of its own, placed at its top-left corner.
    struct Layer {
        QImage image;
        QPoint at;
    };

    // The acetate's drawing area, in logical pixels, and the device pixels
    // to a logical one, so the file is as sharp as the screen.
    QSize size;
    qreal pixelRatio = 1;
    // Placed as the snapshot view places it; null for none.
    QImage snapshot;
    // Drawn without the line to the pointer or a selected point.
    RouteScene route;
    // The scale bar and its caption.
    QList<Layer> layers;
    // Lines of the small box of figures in the bottom right corner.
    QStringList legend;
};

// The acetate's picture as a file or on paper: the snapshot on white, the
// route, the scale bar and caption, and the legend.
class PictureExporter {
public:
    // The picture at the acetate's own size in device pixels; a null image
    // for no size.
    static QImage render(const AcetatePicture& picture);
    // What `widget` itself draws (its children too) on a transparent image.
    static QImage layerOf(QWidget& widget, qreal pixelRatio);

    // The formats written, by file suffix; anything else is refused.
    static bool isWritableName(const QString& path);
    // Writes PNG or JPEG by the file's suffix, all at once or not at all;
    // on failure `error` says why.
    static bool write(const QImage& image, const QString& path, int jpegQuality, QString& error);

    // The picture as large as it fits, centred on the page.
    static QRect fitted(const QSize& picture, const QRect& page);
    // False when the printer could not be started or finished.
    static bool print(const QImage& image, QPrinter& printer);

private:
    static void drawLegend(QPainter& painter, const QStringList& lines, const QRect& bounds);
};
