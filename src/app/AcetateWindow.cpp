#include "app/AcetateWindow.h"

#include "app/FatController.h"
#include "app/MeasurementDocument.h"
#include "app/WindowDesigns.h"
#include "units/UnitDataSource.h"

#include <QCloseEvent>
#include <QPainter>

namespace {
// A pale blue sheet, faint enough to read the map through.
const QColor defaultTint = QColor::fromRgbF(0.85f, 0.9f, 1.0f, 0.15f);
} // namespace

AcetateWindow::AcetateWindow(QWidget* parent)
    : QMainWindow(parent), tintColour(defaultTint), designs(std::make_unique<WindowDesigns>(*this)),
      unitDataSource(std::make_unique<UnitDataSource>()),
      controller(std::make_unique<FatController>(*designs, *unitDataSource)) {
    setAttribute(Qt::WA_TranslucentBackground);
    controller->awakeFromNib();
}

AcetateWindow::~AcetateWindow() = default;

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

void AcetateWindow::closeEvent(QCloseEvent* event) {
    if (controller->getDocument().maySetAside())
        event->accept();
    else
        event->ignore();
}
