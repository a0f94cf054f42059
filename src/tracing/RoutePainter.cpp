#include "tracing/RoutePainter.h"

#include <QPainterPath>
#include <QPen>

namespace {

const QColor shading = QColor::fromRgbF(0.75f, 0.75f, 0.75f, 0.5f);
const QColor startColour = QColor::fromRgbF(0, 1, 0, 1);
const QColor endColour = QColor::fromRgbF(1, 0, 0, 1);
const QColor midColour = QColor::fromRgbF(1, 0.5f, 0, 1);
const QColor wayColour = QColor::fromRgbF(1, 1, 0, 1);
const QColor wayShadowColour = QColor::fromRgbF(0.3f, 0.3f, 0.3f, 0.5f);
const QColor frameColour = QColor::fromRgbF(1.0f / 3, 1.0f / 3, 1.0f / 3, 1);

// Qt's own pen defaults are square caps and bevel joins; lines that set no
// style of their own are butt-capped and mitred.
QPen plainPen(const QColor& colour, qreal width) {
    return QPen(QBrush(colour), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

QPen roundPen(const QColor& colour, qreal width) {
    return QPen(QBrush(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A triangle drawn as lines back to its start rather than a closed subpath,
// so its first corner is butt-capped, not mitred. Qt strokes a subpath that
// ends exactly on its start as closed; the last line stops a hair short.
QPainterPath openOutline(QPointF a, QPointF b, QPointF c) {
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    path.lineTo(c);
    path.lineTo(a + (c - a) * 1e-6);
    return path;
}

} // namespace

void RoutePainter::paint(QPainter& painter, const RouteScene& scene) {
    drawRoute(painter, scene);
    drawPoints(painter, scene);
    drawAcetateBox(painter, scene.viewSize);
}

void RoutePainter::drawRoute(QPainter& painter, const RouteScene& scene) {
    QPainterPath inner;
    QPainterPath outer;
    const int64_t n = scene.route ? scene.route->count() : 0;
    for (int64_t i = 0; i < n; ++i) {
        const MyPoint* point = scene.route->getnthItem(i);
        if (!point)
            continue;
        const QPointF at(point->getX(), point->getY());
        if (inner.elementCount() == 0) {
            inner.moveTo(at);
            outer.moveTo(shifted(*point));
        } else {
            inner.lineTo(at);
            outer.lineTo(shifted(*point));
        }
    }
    if (scene.tracingToPointer() && inner.elementCount() > 0) {
        inner.lineTo(scene.mouseX, scene.mouseY);
        outer.lineTo(scene.mouseX + 1.0f, scene.mouseY + 1.0f);
    }
    if (scene.shadeArea) {
        outer.setFillRule(Qt::WindingFill);
        painter.fillPath(outer, shading);
    }
    painter.strokePath(outer, bandPen(scene.style));
    painter.strokePath(inner, corePen(scene.style));
}

void RoutePainter::drawPoints(QPainter& painter, const RouteScene& scene) {
    const int64_t n = scene.route ? scene.route->count() : 0;
    for (int64_t i = 0; i < n; ++i)
        drawGlyphsOf(painter, scene, i);
}

void RoutePainter::drawGlyphsOf(QPainter& painter, const RouteScene& scene, int64_t index) {
    const MyPoint* point = scene.route ? scene.route->getnthItem(index) : nullptr;
    if (!point)
        return;
    const bool current = point == scene.currentPoint;
    drawGlyph(painter, glyphOf(scene, *point, index), *point, current);
    if (scene.finished && index == scene.route->count() - 1)
        drawEndPoint(painter, point->getX(), point->getY(), current);
}

RoutePainter::Glyph RoutePainter::glyphOf(const RouteScene& scene, const MyPoint& point,
                                          int64_t index) {
    if (index == 0)
        return Glyph::Start;
    const bool marked = point.isWaypoint() || point.isDistanceMarker();
    // A finished route's last point gets the end glyph instead.
    if (marked && !(scene.finished && index == scene.route->count() - 1))
        return Glyph::Way;
    return scene.modifyMode ? Glyph::Mid : Glyph::None;
}

void RoutePainter::drawGlyph(QPainter& painter, Glyph glyph, const MyPoint& point, bool fill) {
    switch (glyph) {
    case Glyph::Start:
        drawStartPoint(painter, point.getX(), point.getY(), fill);
        break;
    case Glyph::Way:
        drawWayPoint(painter, point.getX(), point.getY(), fill);
        break;
    case Glyph::Mid:
        drawMidPoint(painter, point.getX(), point.getY(), fill);
        break;
    case Glyph::None:
        break;
    }
}

QPen RoutePainter::bandPen(const LineStyle& style) {
    return roundPen(style.highLight, style.lineWidth);
}

QPen RoutePainter::corePen(const LineStyle& style) {
    return roundPen(style.lowLight, style.lineWidth / 2.0f);
}

QColor RoutePainter::shadingColour() {
    return shading;
}

// The band's offset is taken in floats, as the points are stored.
QPointF RoutePainter::shifted(const MyPoint& point) {
    return {point.getX() + 1.0f, point.getY() + 1.0f};
}

void RoutePainter::drawStartPoint(QPainter& painter, float x, float y, bool fill) {
    drawCircle(painter, x, y, fill, startColour);
}

void RoutePainter::drawEndPoint(QPainter& painter, float x, float y, bool fill) {
    drawCircle(painter, x, y, fill, endColour);
}

void RoutePainter::drawMidPoint(QPainter& painter, float x, float y, bool fill) {
    drawCircle(painter, x, y, fill, midColour);
}

void RoutePainter::drawCircle(QPainter& painter, float x, float y, bool fill,
                              const QColor& colour) {
    QPainterPath circle;
    circle.addEllipse(QRectF(qreal(x) - 3, qreal(y) - 3, 6, 6));
    if (fill)
        painter.fillPath(circle, colour);
    painter.strokePath(circle, plainPen(colour, 1));
}

void RoutePainter::drawWayPoint(QPainter& painter, float x, float y, bool fill) {
    const QPainterPath triangle =
        openOutline(QPointF(x, y + 3.0f), QPointF(x + 3.0f, y - 3.0f), QPointF(x - 3.0f, y - 3.0f));
    const qreal dx = x;
    const qreal dy = y;
    const QPainterPath shadow = openOutline(
        QPointF(dx + 0.5, dy + 2.5), QPointF(dx + 3.5, dy - 3.5), QPointF(dx - 3.5, dy - 3.5));
    painter.strokePath(shadow, plainPen(wayShadowColour, 2));
    if (fill)
        painter.fillPath(triangle, wayColour);
    painter.strokePath(triangle, plainPen(wayColour, 2));
}

void RoutePainter::drawAcetateBox(QPainter& painter, QSizeF frameSize) {
    const qreal w = frameSize.width();
    const qreal h = frameSize.height();
    QPainterPath frame;
    frame.moveTo(0, h);
    frame.lineTo(0, 0);
    frame.lineTo(w, 0);
    frame.lineTo(w, h);
    painter.strokePath(frame, plainPen(frameColour, 1));
}
