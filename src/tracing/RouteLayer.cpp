#include "tracing/RouteLayer.h"

#include "tracing/ReducedRoutePainter.h"

#include <QPainterPath>

#include <cmath>

namespace {

// View coordinates have their origin bottom-left, y up.
void flipToView(QPainter& painter, const RouteScene& scene) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0, scene.viewSize.height());
    painter.scale(1, -1);
}

// A segment added to a drawn line: its start lies in the round cap the line
// already ends in, which a translucent pen must not darken again. Answers
// the area it painted.
QPainterPath strokeJoined(QPainter& painter, const QLineF& segment, const QPen& pen) {
    QPainterPath line;
    line.moveTo(segment.p1());
    line.lineTo(segment.p2());
    QPainterPathStroker stroker(pen);
    const QPainterPath painted = stroker.createStroke(line);
    QPainterPath cap;
    const qreal radius = pen.widthF() / 2;
    cap.addEllipse(segment.p1(), radius, radius);
    // A clip is not antialiased: it must not cut the line's soft edges.
    QPainterPath around;
    around.addRect(painted.boundingRect().adjusted(-2, -2, 2, 2));
    painter.save();
    if (pen.color().alpha() != 255)
        painter.setClipPath(around.subtracted(cap));
    painter.setPen(pen);
    painter.drawLine(segment);
    painter.restore();
    return painted;
}

void strokeLive(QPainter& painter, const QPolygonF& core, const QPolygonF& band,
                const LineStyle& style) {
    painter.setPen(RoutePainter::bandPen(style));
    painter.drawPolyline(band);
    painter.setPen(RoutePainter::corePen(style));
    painter.drawPolyline(core);
}

} // namespace

RouteLayer::Key RouteLayer::keyFor(const RouteScene& scene, qreal pixelRatio) {
    Key k;
    k.route = scene.route;
    k.count = scene.route ? scene.route->count() : 0;
    k.changes = MyPoint::changeCount();
    k.finished = scene.finished;
    k.shadingLive = scene.shadeArea && scene.tracingToPointer();
    k.modifyMode = scene.modifyMode;
    k.shadeArea = scene.shadeArea;
    k.currentPoint = scene.currentPoint;
    // Shading takes in the dragged point, so it is drawn with the picture.
    if (scene.modifyMode && !scene.shadeArea)
        k.leftOut = scene.draggedPoint;
    // While tracing, the newest point is drawn live, so that the next click
    // only adds to the picture.
    if (!k.leftOut && !scene.finished && k.count > 0 && (!scene.shadeArea || k.shadingLive))
        k.leftOut = scene.route->getnthItem(k.count - 1);
    k.highLight = scene.style.highLight;
    k.lowLight = scene.style.lowLight;
    k.lineWidth = scene.style.lineWidth;
    k.viewSize = scene.viewSize;
    k.pixelRatio = pixelRatio;
    return k;
}

void RouteLayer::paint(QPainter& painter, const RouteScene& scene, const QRect& dirty) {
    const qreal ratio = painter.device()->devicePixelRatioF();
    const Key wanted = keyFor(scene, ratio);
    // Without points there is only the frame: three lines need no
    // window-sized picture filled and copied, as at every start.
    if (wanted.count == 0) {
        valid = false;
        painter.save();
        flipToView(painter, scene);
        RoutePainter::drawAcetateBox(painter, scene.viewSize);
        painter.restore();
        return;
    }
    if (!valid || !(wanted == key)) {
        if (!(appendPending && extend(scene, wanted))) {
            key = wanted;
            draw(scene);
        }
        appendPending = false;
        valid = true;
    }
    painter.save();
    if (key.shadingLive)
        paintPointerShading(painter, scene);
    const QRectF area = QRectF(dirty) & QRectF(QPointF(0, 0), scene.viewSize);
    painter.drawImage(area, picture, QRectF(area.topLeft() * ratio, area.size() * ratio));
    painter.restore();
    painter.save();
    flipToView(painter, scene);
    paintLive(painter, scene);
    painter.restore();
}

void RouteLayer::draw(const RouteScene& scene) {
    const QSize size(int(std::ceil(scene.viewSize.width() * key.pixelRatio)),
                     int(std::ceil(scene.viewSize.height() * key.pixelRatio)));
    if (picture.size() != size)
        picture = QImage(size, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(key.pixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    flipToView(painter, scene);
    const RouteParts parts{
        .pointerLine = false, .shading = !key.shadingLive, .leftOut = key.leftOut};
    ReducedRoutePainter reduced(painter, scene, parts);
    reduced.paint();
    bandLines = reduced.bandLines();
    draggedIndex = reduced.leftOutIndex();
    ++pictures;
}

void RouteLayer::draggedPointMoved(const MyPoint* point, uint64_t before) {
    if (valid && point && key.leftOut == point && key.changes == before)
        key.changes = MyPoint::changeCount();
}

void RouteLayer::pointAppended(uint64_t before) {
    appendPending = valid && key.changes == before;
    appendedChanges = MyPoint::changeCount();
}

// Whether `wanted` is the kept picture plus the one point appended since,
// with both selections on the newest point, away from the frame (which lies
// over the line, so is simpler drawn afresh).
bool RouteLayer::extends(const RouteScene& scene, const Key& wanted) const {
    Key expected = key;
    expected.count = key.count + 1;
    expected.changes = appendedChanges;
    expected.currentPoint = wanted.currentPoint;
    expected.leftOut = wanted.leftOut;
    const int64_t added = wanted.count - 1;
    if (!(expected == wanted) || added < 1 || draggedIndex != added - 1 ||
        wanted.leftOut != scene.route->getnthItem(added) ||
        (key.currentPoint && key.currentPoint != key.leftOut) ||
        (wanted.currentPoint && wanted.currentPoint != wanted.leftOut))
        return false;
    const qreal reach = scene.style.lineWidth + 12;
    const QRectF inner =
        QRectF(QPointF(0, 0), scene.viewSize).adjusted(reach, reach, -reach, -reach);
    for (int64_t i = std::max<int64_t>(0, added - 2); i < added; ++i) {
        const MyPoint* p = scene.route->getnthItem(i);
        if (!inner.contains(QPointF(p->getX(), p->getY())))
            return false;
    }
    return true;
}

// Draws the previous newest point into the picture, now that a newer one is
// drawn live: its segment, its glyph, and the glyph before it where the
// segment covers it. The full picture would thin the line and blend
// crossings once; the difference lasts until the next redraw.
bool RouteLayer::extend(const RouteScene& scene, const Key& wanted) {
    if (!extends(scene, wanted))
        return false;
    const int64_t previous = wanted.count - 2;
    const MyPoint* point = scene.route->getnthItem(previous);
    QPainter painter(&picture);
    flipToView(painter, scene);
    if (previous > 0) {
        const MyPoint* before = scene.route->getnthItem(previous - 1);
        QPainterPath covered = strokeJoined(
            painter, QLineF(RoutePainter::shifted(*before), RoutePainter::shifted(*point)),
            RoutePainter::bandPen(scene.style));
        covered |= strokeJoined(
            painter, QLineF(before->getX(), before->getY(), point->getX(), point->getY()),
            RoutePainter::corePen(scene.style));
        painter.save();
        painter.setClipPath(covered);
        RoutePainter::drawGlyphsOf(painter, scene, previous - 1);
        painter.restore();
    }
    RoutePainter::drawGlyphsOf(painter, scene, previous);
    if (bandLines.empty())
        bandLines.emplace_back();
    bandLines.back().append(RoutePainter::shifted(*point));
    draggedIndex = previous + 1;
    key = wanted;
    return true;
}

// Under the picture, as shading lies under the lines.
void RouteLayer::paintPointerShading(QPainter& painter, const RouteScene& scene) const {
    QPolygonF outline;
    for (const QPolygonF& line : bandLines)
        outline += line;
    if (draggedIndex >= 0)
        outline.append(RoutePainter::shifted(*scene.route->getnthItem(draggedIndex)));
    outline.append(QPointF(scene.mouseX + 1.0f, scene.mouseY + 1.0f));
    painter.save();
    flipToView(painter, scene);
    painter.setPen(Qt::NoPen);
    painter.setBrush(RoutePainter::shadingColour());
    painter.drawPolygon(outline, Qt::WindingFill);
    painter.restore();
}

void RouteLayer::paintLive(QPainter& painter, const RouteScene& scene) const {
    if (scene.tracingToPointer()) {
        const MyPoint* last = scene.route->getnthItem(key.count - 1);
        const QPointF mouse(scene.mouseX, scene.mouseY);
        const QPointF shiftedMouse(scene.mouseX + 1.0f, scene.mouseY + 1.0f);
        strokeLive(painter, QPolygonF{QPointF(last->getX(), last->getY()), mouse},
                   QPolygonF{RoutePainter::shifted(*last), shiftedMouse}, scene.style);
    }
    if (draggedIndex < 0)
        return;
    QPolygonF core, band;
    for (int64_t i = std::max<int64_t>(0, draggedIndex - 1);
         i <= std::min(key.count - 1, draggedIndex + 1); ++i) {
        const MyPoint* p = scene.route->getnthItem(i);
        core.append(QPointF(p->getX(), p->getY()));
        band.append(RoutePainter::shifted(*p));
    }
    strokeLive(painter, core, band, scene.style);
    RoutePainter::drawGlyphsOf(painter, scene, draggedIndex);
}

QRect RouteLayer::pointerDamage(const RouteScene& scene, QPointF before) {
    if (!scene.tracingToPointer())
        return {};
    const MyPoint* last = scene.route->getnthItem(scene.route->count() - 1);
    QPolygonF touched{QPointF(last->getX(), last->getY()), before,
                      QPointF(scene.mouseX, scene.mouseY)};
    if (scene.shadeArea) {
        const MyPoint* first = scene.route->getnthItem(0);
        touched.append(QPointF(first->getX(), first->getY()));
    }
    const qreal margin = scene.style.lineWidth + 3;
    QRectF area = touched.boundingRect().adjusted(-margin, -margin, margin, margin);
    area.moveTop(scene.viewSize.height() - area.bottom());
    return area.toAlignedRect();
}
