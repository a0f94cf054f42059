#include "platform/ColourWell.h"

#include <QColorDialog>
#include <QPainter>
#include <QStyleOptionButton>

ColourWell::ColourWell(QWidget* parent) : QPushButton(parent) {
    setMinimumSize(44, 24);
    connect(this, &QPushButton::clicked, this, &ColourWell::choose);
}

void ColourWell::setColor(const QColor& c) {
    colour = c;
    update();
}

void ColourWell::choose() {
    const QColor picked =
        QColorDialog::getColor(colour, this, accessibleName(), QColorDialog::ShowAlphaChannel);
    if (!picked.isValid())
        return;
    setColor(picked);
    emit colorChanged(colour);
}

void ColourWell::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    QPainter painter(this);
    const QRect swatch = rect().adjusted(6, 5, -6, -5);
    // A checkerboard under the swatch makes its opacity visible.
    painter.fillRect(swatch, QBrush(Qt::lightGray, Qt::Dense4Pattern));
    painter.fillRect(swatch, colour);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}
