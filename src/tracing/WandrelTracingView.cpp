#include "tracing/WandrelTracingView.h"

#include <QResizeEvent>

WandrelTracingView::WandrelTracingView(QWidget* parent) : QWidget(parent), placedHeight(height()) {}

float WandrelTracingView::totalDistance() const {
    return pointDataSource.totalDistance();
}

float WandrelTracingView::totalArea() const {
    return pointDataSource.totalArea();
}

// Views on the acetate are placed from its bottom edge (y up), so they keep
// their distance to it when the window's height changes.
void WandrelTracingView::resizeEvent(QResizeEvent* event) {
    const int dy = event->size().height() - placedHeight;
    placedHeight = event->size().height();
    if (dy != 0)
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            child->move(child->x(), child->y() + dy);
    QWidget::resizeEvent(event);
}
