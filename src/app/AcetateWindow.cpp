#include "app/AcetateWindow.h"

#include <QPainter>

namespace {
// A pale blue sheet, faint enough to read the map through.
const QColor defaultTint = QColor::fromRgbF(0.85f, 0.9f, 1.0f, 0.15f);
} // namespace

AcetateWindow::AcetateWindow(QWidget* parent) : QMainWindow(parent), tintColour(defaultTint) {
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(QStringLiteral("Wandrel[*]"));
    resize(800, 600);
}

void AcetateWindow::setTint(const QColor& colour) {
    tintColour = colour;
    update();
}

void AcetateWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), tintColour);
    QMainWindow::paintEvent(event);
}
