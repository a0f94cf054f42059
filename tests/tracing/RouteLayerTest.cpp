#include "tracing/RouteLayer.h"
#include "tracing/ReducedRoutePainter.h"

#include "PictureDifference.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

constexpr QSize viewSize(1280, 800);
const LineStyle presetStyle{QColor::fromRgbF(0.75f, 0.75f, 0.75f, 0.85f),
                            QColor::fromRgbF(0, 0, 0, 0.85f), 2};

QImage blank(QSize size, qreal ratio = 1) {
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

QImage throughLayer(RouteLayer& layer, const RouteScene& scene) {
    QImage image = blank(viewSize);
    QPainter painter(&image);
    layer.paint(painter, scene, QRect(QPoint(0, 0), viewSize));
    return image;
}

QImage fullDetail(const RouteScene& scene) {
    QImage image = blank(viewSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0, viewSize.height());
    painter.scale(1, -1);
    RoutePainter::paint(painter, scene);
    return image;
}

// The benchmarks' scribble: a 4000 x 3000 random walk shrunk onto the view.
void scribble(PointDataSource& route, int n) {
    uint32_t state = 12345u;
    const auto next = [&] {
        state = state * 1664525u + 1013904223u;
        return float(state >> 8) / 16777216.0f;
    };
    const auto reflect = [](float v, float limit, float& direction) {
        if (v >= 0 && v <= limit)
            return v;
        direction = -direction;
        return v < 0 ? -v : 2 * limit - v;
    };
    float x = 2000, y = 1500, heading = 0, sx = 1, sy = 1;
    for (int i = 0; i < n; ++i) {
        route.add(x * 0.25f + 140, y * 0.25f + 25,
                  i % 500 == 0 ? MyPoint::Waypoint : MyPoint::Regular);
        heading += (next() - 0.5f) * 0.8f;
        const float step = 2 + 8 * next();
        x = reflect(x + sx * step * std::cos(heading), 4000, sx);
        y = reflect(y + sy * step * std::sin(heading), 3000, sy);
    }
}

// A walk along paths on a map: gentle bends, sub-pixel to pixel steps,
// 20 waypoints.
void walk(PointDataSource& route, int n) {
    std::mt19937 draw(7);
    std::uniform_real_distribution<float> unit(0, 1);
    float x = 200, y = 150, heading = 0.6f;
    for (int i = 0; i < n; ++i) {
        route.add(x, y, i % (n / 20) == 0 ? MyPoint::Waypoint : MyPoint::Regular);
        heading += (unit(draw) - 0.5f) * 0.15f;
        const float step = 0.3f + 0.7f * unit(draw);
        x += step * std::cos(heading);
        y += step * std::sin(heading);
        if (x < 50 || x > 1230 || y < 50 || y > 750)
            heading += 3.1416f / 2;
    }
}

RouteScene sceneOf(const PointDataSource& route) {
    RouteScene s;
    s.route = &route;
    s.finished = true;
    s.viewSize = QSizeF(viewSize);
    s.style = presetStyle;
    return s;
}

// Tracing, with the pointer over the view at (x, y).
RouteScene tracingSceneOf(const PointDataSource& route, float x, float y) {
    RouteScene s = sceneOf(route);
    s.finished = false;
    s.within = true;
    s.mouseX = x;
    s.mouseY = y;
    return s;
}

TEST(RouteLayer, PicturesMatchTheFullDetailDrawingInBothModesAndWhileTracing) {
    PointDataSource scribbled, walked;
    scribble(scribbled, 10000);
    walk(walked, 10000);
    for (const PointDataSource* route : {&scribbled, &walked}) {
        for (int mode = 0; mode < 3; ++mode) {
            RouteScene scene = sceneOf(*route);
            scene.modifyMode = mode == 1;
            // Tracing: unfinished, shaded, the line to the pointer live.
            scene.finished = mode != 2;
            scene.shadeArea = scene.within = mode == 2;
            scene.mouseX = 640;
            scene.mouseY = 400;
            scene.currentPoint = route->getnthItem(route->count() / 3);
            RouteLayer layer;
            const Difference d(throughLayer(layer, scene), fullDetail(scene));
            EXPECT_LE(d.share, 0.005)
                << (route == &walked ? "walk" : "scribble") << " mode " << mode;
        }
    }
}

// The strokes and glyphs of routes denser than the pixels, tried on the
// same routes: they must pass for Qt's own.
TEST(RouteLayer, DenseDrawingMatchesTheFullDetailDrawing) {
    PointDataSource scribbled, walked;
    scribble(scribbled, 10000);
    walk(walked, 10000);
    for (const PointDataSource* route : {&scribbled, &walked}) {
        for (bool modify : {false, true}) {
            RouteScene scene = sceneOf(*route);
            scene.modifyMode = modify;
            scene.currentPoint = route->getnthItem(route->count() / 3);
            QImage dense = blank(viewSize);
            {
                QPainter painter(&dense);
                painter.setRenderHint(QPainter::Antialiasing);
                painter.translate(0, viewSize.height());
                painter.scale(1, -1);
                ReducedRoutePainter(painter, scene, RouteParts{.denseFrom = 0}).paint();
            }
            const Difference d(dense, fullDetail(scene));
            EXPECT_LE(d.share, 0.005)
                << (route == &walked ? "walk" : "scribble") << " modify " << modify;
        }
    }
}

TEST(RouteLayer, PointerMovesRepaintOnlyTheirDamageAndKeepThePicture) {
    PointDataSource route;
    walk(route, 2000);
    for (bool shaded : {false, true}) {
        RouteScene scene = tracingSceneOf(route, 300, 600);
        scene.shadeArea = shaded;
        RouteLayer layer;
        const QImage before = throughLayer(layer, scene);
        scene.mouseX = 900;
        scene.mouseY = 100;
        const QImage after = throughLayer(layer, scene);
        EXPECT_EQ(layer.pictureCount(), 1);
        const QRect damage = RouteLayer::pointerDamage(scene, QPointF(300, 600));
        const Difference d(before, after);
        ASSERT_FALSE(d.box.isEmpty());
        EXPECT_TRUE(damage.contains(d.box)) << shaded;
        RouteLayer fresh;
        EXPECT_EQ(after, throughLayer(fresh, scene)) << shaded;
        scene.within = false; // the pointer left the view
        const QImage left = throughLayer(layer, scene);
        EXPECT_EQ(layer.pictureCount(), shaded ? 2 : 1) << "unshaded, the picture stays";
        RouteLayer afresh;
        EXPECT_EQ(left, throughLayer(afresh, scene)) << shaded;
    }
}

TEST(RouteLayer, ADraggedPointMovesOverThePictureAnyOtherChangeRedrawsIt) {
    PointDataSource route;
    walk(route, 2000);
    MyPoint* dragged = route.getnthItem(1000);
    RouteScene scene = sceneOf(route);
    scene.modifyMode = true;
    scene.currentPoint = scene.draggedPoint = dragged;
    RouteLayer layer;
    const QImage start = throughLayer(layer, scene);
    const auto moveDragged = [&](float dx) {
        const uint64_t before = MyPoint::changeCount();
        dragged->setX(dragged->getX() + dx);
        layer.draggedPointMoved(dragged, before);
    };
    moveDragged(40);
    const QImage moved = throughLayer(layer, scene);
    EXPECT_EQ(layer.pictureCount(), 1);
    EXPECT_NE(moved, start);
    RouteLayer fresh;
    EXPECT_EQ(moved, throughLayer(fresh, scene));

    route.getnthItem(10)->setY(700); // a change the drag did not make
    moveDragged(-40);
    const QImage edited = throughLayer(layer, scene);
    EXPECT_EQ(layer.pictureCount(), 2);
    RouteLayer again;
    EXPECT_EQ(edited, throughLayer(again, scene));
    const uint64_t before = MyPoint::changeCount();
    route.getnthItem(5)->setX(5);
    layer.draggedPointMoved(route.getnthItem(5), before);
    throughLayer(layer, scene);
    EXPECT_EQ(layer.pictureCount(), 3) << "only the dragged point is drawn live";
}

TEST(RouteLayer, ATracedPointIsAddedToThePictureAnyOtherChangeRedrawsIt) {
    PointDataSource route;
    walk(route, 2000);
    RouteScene scene = tracingSceneOf(route, 700, 300);
    scene.modifyMode = true;
    RouteLayer layer;
    const auto append = [&](float x, float y) {
        const uint64_t before = MyPoint::changeCount();
        scene.currentPoint = route.add(x, y, MyPoint::Regular);
        layer.pointAppended(before);
        return throughLayer(layer, scene);
    };
    throughLayer(layer, scene);
    append(600, 400);
    const QImage added = append(620, 380);
    EXPECT_EQ(layer.pictureCount(), 1);
    RouteLayer fresh;
    EXPECT_LT(Difference(added, throughLayer(fresh, scene)).share, 0.0002);

    route.getnthItem(10)->setY(700); // a change the click did not make
    append(640, 360);
    EXPECT_EQ(layer.pictureCount(), 2);
    append(5, 5); // beside the frame
    EXPECT_EQ(layer.pictureCount(), 2) << "the point before it is still inside";
    append(100, 100);
    EXPECT_EQ(layer.pictureCount(), 3) << "the frame is drawn afresh over the line";
}

// The start's empty acetate: its frame, drawn straight, and the first point
// then makes a whole picture.
TEST(RouteLayer, AnEmptyRouteShowsItsFrameWithoutAPicture) {
    PointDataSource route;
    RouteScene scene = tracingSceneOf(route, 300, 600);
    RouteLayer layer;
    const QImage empty = throughLayer(layer, scene);
    EXPECT_EQ(layer.pictureCount(), 0);
    EXPECT_EQ(Difference(empty, fullDetail(scene)).share, 0);
    EXPECT_NE(empty, blank(viewSize)) << "the frame is there";
    const uint64_t before = MyPoint::changeCount();
    route.add(200, 200, MyPoint::Regular);
    layer.pointAppended(before);
    const QImage one = throughLayer(layer, scene);
    EXPECT_EQ(layer.pictureCount(), 1);
    RouteLayer fresh;
    EXPECT_EQ(one, throughLayer(fresh, scene));
}

} // namespace
