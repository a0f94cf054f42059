#include "app/SnapshotView.h"

#include "platform/UiText.h"

#include <QPainter>

SnapshotView::SnapshotView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(Wandrel::tr("Acetate picture"));
}

void SnapshotView::setImage(const QImage& image) {
    picture = image;
    update();
}

void SnapshotView::paintEvent(QPaintEvent* /*event*/) {
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(placement(picture.size(), size()), picture);
}

QRectF SnapshotView::placement(const QSizeF& picture, const QSizeF& area) {
    QSizeF shown = picture;
    if (shown.width() > area.width() || shown.height() > area.height())
        shown.scale(area, Qt::KeepAspectRatio);
    QRectF target(QPointF(), shown);
    target.moveCenter(QRectF(QPointF(), area).center());
    return target;
}
