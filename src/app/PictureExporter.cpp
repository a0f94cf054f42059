#include "app/PictureExporter.h"

#include "app/SnapshotView.h"
#include "platform/UiText.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QSaveFile>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int legendMargin = 10;
constexpr int legendPadding = 6;

QByteArray formatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"png")
        return "png";
    if (suffix == u"jpg" || suffix == u"jpeg")
        return "jpeg";
    return {};
}

} // namespace

QImage PictureExporter::render(const AcetatePicture& picture) {
    if (picture.size.isEmpty())
        return {};
    const qreal ratio = picture.pixelRatio > 0 ? picture.pixelRatio : 1;
    // Opaque, so PNG and JPEG show the same picture.
    QImage image(picture.size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!picture.snapshot.isNull())
        painter.drawImage(SnapshotView::placement(picture.snapshot.size(), picture.size),
                          picture.snapshot);
    painter.save();
    painter.translate(0, picture.size.height());
    painter.scale(1, -1);
    RoutePainter::drawRoute(painter, picture.route);
    RoutePainter::drawPoints(painter, picture.route);
    painter.restore();
    for (const AcetatePicture::Layer& layer : picture.layers)
        painter.drawImage(layer.at, layer.image);
    drawLegend(painter, picture.legend, QRect(QPoint(), picture.size));
    painter.end();
    // Written files carry no ratio of their own.
    image.setDevicePixelRatio(1);
    return image;
}

QImage PictureExporter::layerOf(QWidget& widget, qreal pixelRatio) {
    QImage layer(widget.size().expandedTo(QSize(1, 1)) * pixelRatio,
                 QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(pixelRatio);
    layer.fill(Qt::transparent);
    widget.render(&layer, QPoint(), QRegion(), QWidget::DrawChildren);
    return layer;
}

void PictureExporter::drawLegend(QPainter& painter, const QStringList& lines, const QRect& bounds) {
    if (lines.isEmpty())
        return;
    const QFontMetrics metrics(painter.font());
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const QSize box(width + 2 * legendPadding,
                    int(lines.size()) * metrics.lineSpacing() + 2 * legendPadding);
    const QRect frame(bounds.bottomRight() - QPoint(legendMargin, legendMargin) -
                          QPoint(box.width(), box.height()) + QPoint(1, 1),
                      box);
    QPainterPath backing;
    backing.addRoundedRect(QRectF(frame).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    painter.fillPath(backing, QColor(255, 255, 255, 230));
    painter.strokePath(backing, QPen(QColor(90, 90, 90), 1));
    painter.setPen(Qt::black);
    QPoint baseline = frame.topLeft() + QPoint(legendPadding, legendPadding + metrics.ascent());
    for (const QString& line : lines) {
        painter.drawText(baseline, line);
        baseline.ry() += metrics.lineSpacing();
    }
}

bool PictureExporter::isWritableName(const QString& path) {
    return !formatOf(path).isEmpty();
}

bool PictureExporter::write(const QImage& image, const QString& path, int jpegQuality,
                            QString& error) {
    const QByteArray format = formatOf(path);
    if (format.isEmpty()) {
        error = Wandrel::tr("Wandrel writes PNG and JPEG pictures only.");
        return false;
    }
    if (image.isNull()) {
        error = Wandrel::tr("The acetate has no picture to write.");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    QImageWriter writer(&file, format);
    if (format == "jpeg")
        writer.setQuality(jpegQuality);
    if (!writer.write(image)) {
        error = writer.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

QRect PictureExporter::fitted(const QSize& picture, const QRect& page) {
    if (picture.isEmpty() || page.isEmpty())
        return {};
    QRect target(QPoint(), picture.scaled(page.size(), Qt::KeepAspectRatio));
    target.moveCenter(page.center());
    return target;
}

bool PictureExporter::print(const QImage& image, QPrinter& printer) {
    if (image.isNull())
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(fitted(image.size(), painter.viewport()), image);
    return painter.end();
}
