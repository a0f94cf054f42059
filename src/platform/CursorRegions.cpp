#include "platform/CursorRegions.h"

namespace {

bool holds(const QRectF& rect, const QPointF& point) {
    return point.x() >= rect.x() && point.x() < rect.x() + rect.width() && point.y() >= rect.y() &&
           point.y() < rect.y() + rect.height();
}

} // namespace

void CursorRegions::add(const QRectF& rect, const QCursor& cursor) {
    regions.append(Region{rect, cursor});
}

void CursorRegions::clear() {
    regions.clear();
}

QCursor CursorRegions::cursorAt(const QPointF& point) const {
    const Region* region = regionAt(point);
    return region ? region->cursor : QCursor(Qt::ArrowCursor);
}

bool CursorRegions::contains(const QPointF& point) const {
    return regionAt(point) != nullptr;
}

const CursorRegions::Region* CursorRegions::regionAt(const QPointF& point) const {
    for (auto it = regions.crbegin(); it != regions.crend(); ++it) {
        if (holds(it->rect, point))
            return &*it;
    }
    return nullptr;
}
