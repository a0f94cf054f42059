#include "app/ResizeImage.h"

#include "platform/Log.h"

#include <QPainter>

#include <cmath>

QImage resizeImage(const QImage& image, float maxDimension) {
    const double w = image.width();
    const double h = image.height();
    if (w == 0 || h == 0) {
        wlog(QStringLiteral("returning from resizeImage: - one dimension is zero"));
        return image;
    }
    const double m = maxDimension;
    if (w <= m && h <= m)
        return image;
    // The longer side decides, so both sides end within the maximum.
    const float ratio = static_cast<float>(w / h);
    double newWidth = w >= h ? m : m * ratio;
    double newHeight = w >= h ? m / ratio : m;
    if (!(newWidth >= 0.5) || !(newHeight >= 0.5)) {
        wlog(QStringLiteral("returning - one dimension is zero"));
        // A sliver keeps one pixel rather than vanishing.
        newWidth = std::isfinite(newWidth) ? std::max(newWidth, 1.0) : 1.0;
        newHeight = std::isfinite(newHeight) ? std::max(newHeight, 1.0) : 1.0;
    }
    QImage fitted(static_cast<int>(std::lround(newWidth)), static_cast<int>(std::lround(newHeight)),
                  QImage::Format_ARGB32_Premultiplied);
    fitted.fill(Qt::transparent);
    QPainter painter(&fitted);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(QRectF(fitted.rect()), image);
    painter.end();
    wlog(QStringLiteral("successful - returning"));
    return fitted;
}
