#pragma once

#include <QCursor>
#include <QList>
#include <QPointF>
#include <QRectF>

// Cursor rectangles of one view, in the view's own coordinates. A rectangle
// holds the points with left <= x < left + width and top <= y < top + height
// (whichever way y runs), so neighbours never both claim a shared edge and
// an empty rectangle holds nothing. Where rectangles overlap, the one added
// last wins.
class CursorRegions {
public:
    void add(const QRectF& rect, const QCursor& cursor);
    void clear();
    // The arrow cursor where no rectangle holds the point, so a view can
    // always call setCursor(regions.cursorAt(p)).
    QCursor cursorAt(const QPointF& point) const;
    // Whether any rectangle holds the point.
    bool contains(const QPointF& point) const;
    qsizetype size() const { return regions.size(); }

private:
    struct Region {
        QRectF rect;
        QCursor cursor;
    };
    const Region* regionAt(const QPointF& point) const;

    QList<Region> regions;
};
