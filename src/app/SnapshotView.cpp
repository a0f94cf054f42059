#include "app/SnapshotView.h"

#include "platform/UiText.h"

#include <QPainter>

SnapshotView::SnapshotView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(wandrelTr("Acetate picture"));
}

void SnapshotView::setImage(const QImage& image) {
    picture = image;
    update();
}

void SnapshotView::paintEvent(QPaintEvent* /*event*/) {
    if (picture.isNull())
        return;
    QSizeF shown = picture.size();
    if (shown.width() > width() || shown.height() > height())
        shown.scale(size(), Qt::KeepAspectRatio);
    QRectF target(QPointF(), shown);
    target.moveCenter(QRectF(rect()).center());
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
}
