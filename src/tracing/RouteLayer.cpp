#include "tracing/RouteLayer.h"

#include "tracing/ReducedRoutePainter.h"

#include <cmath>

namespace {

bool isTracingToPointer(const RouteScene& scene) {
    return scene.within && !scene.finished && scene.route && scene.route->count() >= 1;
}

// View coordinates have their origin bottom-left, y up.
void flipToView(QPainter& painter, const RouteScene& scene) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0, scene.viewSize.height());
    painter.scale(1, -1);
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
    k.shadingLive = scene.shadeArea && isTracingToPointer(scene);
    k.modifyMode = scene.modifyMode;
    k.shadeArea = scene.shadeArea;
    k.currentPoint = scene.currentPoint;
    // Shading takes in the dragged point, so it is drawn with the picture.
    if (scene.modifyMode && !scene.shadeArea)
        k.draggedPoint = scene.draggedPoint;
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
    if (!valid || !(wanted == key)) {
        key = wanted;
        draw(scene);
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
        .pointerLine = false, .shading = !key.shadingLive, .leftOut = key.draggedPoint};
    ReducedRoutePainter reduced(painter, scene, parts);
    reduced.paint();
    bandLines = reduced.bandLines();
    draggedIndex = reduced.leftOutIndex();
    ++pictures;
}

void RouteLayer::draggedPointMoved(const MyPoint* point, uint64_t before) {
    if (valid && point && key.draggedPoint == point && key.changes == before)
        key.changes = MyPoint::changeCount();
}

// Under the picture, as shading lies under the lines.
void RouteLayer::paintPointerShading(QPainter& painter, const RouteScene& scene) const {
    QPolygonF outline;
    for (const QPolygonF& line : bandLines)
        outline += line;
    outline.append(QPointF(scene.mouseX + 1.0f, scene.mouseY + 1.0f));
    painter.save();
    flipToView(painter, scene);
    painter.setPen(Qt::NoPen);
    painter.setBrush(RoutePainter::shadingColour());
    painter.drawPolygon(outline, Qt::WindingFill);
    painter.restore();
}

void RouteLayer::paintLive(QPainter& painter, const RouteScene& scene) const {
    if (isTracingToPointer(scene)) {
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
    if (!isTracingToPointer(scene))
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
