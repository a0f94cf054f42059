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
    bool modifyMode = false;
    bool shadeArea = false;
    QSizeF viewSize;
    LineStyle style;
};

// Draws the route, its glyphs and the acetate's frame. Nothing is cached:
// each pass rebuilds everything from the route's points.
class RoutePainter {
public:
    // The painter already maps view coordinates (origin bottom-left, y up);
    // antialiasing is on.
    static void paint(QPainter& painter, const RouteScene& scene);
    static void drawRoute(QPainter& painter, const RouteScene& scene);
    static void drawPoints(QPainter& painter, const RouteScene& scene);
    static void drawStartPoint(QPainter& painter, float x, float y, bool fill);
    static void drawEndPoint(QPainter& painter, float x, float y, bool fill);
    static void drawMidPoint(QPainter& painter, float x, float y, bool fill);
    static void drawWayPoint(QPainter& painter, float x, float y, bool fill);
    static void drawAcetateBox(QPainter& painter, QSizeF frameSize);

private:
    static void drawCircle(QPainter& painter, float x, float y, bool fill, const QColor& colour);
};
