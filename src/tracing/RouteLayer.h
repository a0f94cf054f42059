#pragma once

#include "tracing/RoutePainter.h"

#include <QImage>
#include <QPolygonF>
#include <QRect>

#include <cstdint>
#include <vector>

// The tracing view's drawing: a cached picture of everything that does not
// follow the pointer, at the device's pixel ratio, with the line to the
// pointer (and a dragged point's two segments and glyph) drawn live over
// it. The picture is keyed on everything it shows, the route's points
// through MyPoint::changeCount(), so a stale one is never used. A route
// without points needs no picture: its frame is drawn straight.
class RouteLayer {
public:
    // `painter` paints the view's widget or an image of it, untransformed;
    // only `dirty` (widget coordinates) needs painting.
    void paint(QPainter& painter, const RouteScene& scene, const QRect& dirty);
    // The view moved its dragged point itself, and nothing else changed
    // since the count was `before`: a picture that leaves that point out
    // stays good.
    void draggedPointMoved(const MyPoint* point, uint64_t before);
    // The view appended one point to the route it traces, and nothing else
    // changed since the count was `before`: the next picture only adds the
    // previous point's segment and glyph to this one.
    void pointAppended(uint64_t before);
    void forget() { valid = false; }
    // Pictures drawn so far.
    int64_t pictureCount() const { return pictures; }

    // The widget area the pointer line covers at the scene's pointer and at
    // `before`, shading included.
    static QRect pointerDamage(const RouteScene& scene, QPointF before);

private:
    struct Key {
        const PointDataSource* route = nullptr;
        int64_t count = 0;
        uint64_t changes = 0;
        bool finished = false;
        // Shading follows the pointer while tracing, so is drawn live.
        bool shadingLive = false;
        bool modifyMode = false;
        bool shadeArea = false;
        const MyPoint* currentPoint = nullptr;
        // Drawn live over the picture: the dragged point, or the newest
        // point while tracing.
        const MyPoint* leftOut = nullptr;
        QColor highLight, lowLight;
        float lineWidth = 0;
        QSizeF viewSize;
        qreal pixelRatio = 1;
        bool operator==(const Key&) const = default;
    };

    static Key keyFor(const RouteScene& scene, qreal pixelRatio);
    void draw(const RouteScene& scene);
    bool extends(const RouteScene& scene, const Key& wanted) const;
    bool extend(const RouteScene& scene, const Key& wanted);
    void paintPointerShading(QPainter& painter, const RouteScene& scene) const;
    void paintLive(QPainter& painter, const RouteScene& scene) const;

    bool valid = false;
    Key key;
    QImage picture;
    int64_t pictures = 0;
    // What the live drawing needs of the picture's making.
    std::vector<QPolygonF> bandLines;
    int64_t draggedIndex = -1;
    bool appendPending = false;
    uint64_t appendedChanges = 0;
};
