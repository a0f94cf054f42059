#pragma once

#include "model/MyPoint.h"
#include "model/PointDataSource.h"
#include "tracing/LineStyle.h"

#include <QPainter>
#include <QSizeF>

// Everything one drawing pass of the tracing view reads.
struct RouteScene {
    const PointDataSource* route = nullptr;
    bool finished = false;
    bool within = false;
    float mouseX = 0, mouseY = 0;
    const MyPoint* currentPoint = nullptr;
    // A point being dragged in modify mode, which a cached picture leaves out.
    const MyPoint* draggedPoint = nullptr;
    bool modifyMode = false;
    bool shadeArea = false;
    QSizeF viewSize;
    LineStyle style;

    // A line runs from the newest point to the pointer.
    bool tracingToPointer() const { return within && !finished && route && route->count() >= 1; }
};

// Draws the route, its glyphs and the acetate's frame at full detail: every
// point, every glyph. The tracing view draws through RouteLayer instead,
// which matches this picture at a fraction of the work.
class RoutePainter {
public:
    enum class Glyph { None, Start, Way, Mid };

    // The painter already maps view coordinates (origin bottom-left, y up);
    // antialiasing is on.
    static void paint(QPainter& painter, const RouteScene& scene);
    static void drawRoute(QPainter& painter, const RouteScene& scene);
    static void drawPoints(QPainter& painter, const RouteScene& scene);
    // Every glyph the point at `index` gets, in drawing order.
    static void drawGlyphsOf(QPainter& painter, const RouteScene& scene, int64_t index);
    // The glyph a point gets in the walk over the route; the finished
    // route's last point gets the end glyph after it.
    static Glyph glyphOf(const RouteScene& scene, const MyPoint& point, int64_t index);
    static void drawGlyph(QPainter& painter, Glyph glyph, const MyPoint& point, bool fill);
    // The route's two strokes: a full-width band shifted by (1, 1) under a
    // half-width core.
    static QPen bandPen(const LineStyle& style);
    static QPen corePen(const LineStyle& style);
    static QColor shadingColour();
    static QPointF shifted(const MyPoint& point);
    static void drawStartPoint(QPainter& painter, float x, float y, bool fill);
    static void drawEndPoint(QPainter& painter, float x, float y, bool fill);
    static void drawMidPoint(QPainter& painter, float x, float y, bool fill);
    static void drawWayPoint(QPainter& painter, float x, float y, bool fill);
    static void drawAcetateBox(QPainter& painter, QSizeF frameSize);

private:
    static void drawCircle(QPainter& painter, float x, float y, bool fill, const QColor& colour);
};
