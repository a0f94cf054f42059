#include "tracing/RoutePainter.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>

namespace {

const QColor clear(0, 0, 0, 0), red(255, 0, 0), blue(0, 0, 255), green(0, 255, 0),
    orange(255, 128, 0), yellow(255, 255, 0);

// One paint of a scene, read back at view coordinates (y up). Glyphs are a
// few pixels across, so they are looked at magnified.
struct Canvas {
    explicit Canvas(const RouteScene& scene, double zoom = 1)
        : zoom(zoom), image((scene.viewSize * zoom).toSize(), QImage::Format_ARGB32_Premultiplied) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(0, image.height());
        painter.scale(zoom, -zoom);
        RoutePainter::paint(painter, scene);
    }
    // Unpremultiplied, within antialiasing and rounding.
    testing::AssertionResult is(QPointF p, const QColor& want) const {
        const QColor got = image.pixelColor(int(std::floor(p.x() * zoom)),
                                            int(std::floor(image.height() - p.y() * zoom)));
        const auto near = [](int a, int b) { return std::abs(a - b) <= 6; };
        if ((want.alpha() == 0 && got.alpha() <= 6) ||
            (near(got.red(), want.red()) && near(got.green(), want.green()) &&
             near(got.blue(), want.blue()) && near(got.alpha(), want.alpha())))
            return testing::AssertionSuccess();
        return testing::AssertionFailure() << "got " << qPrintable(got.name(QColor::HexArgb));
    }
    double zoom;
    QImage image;
};

// A red band under a blue core of the given width; width 0 hides the line.
class RoutePainterTest : public testing::Test {
protected:
    RouteScene scene(QSizeF size, float width = 0) {
        return {.route = &route,
                .viewSize = size,
                .style = width > 0 ? LineStyle{red, blue, width} : LineStyle{clear, clear, 2}};
    }
    PointDataSource route;
};

TEST_F(RoutePainterTest, AnEmptyOrMissingRouteDrawsOnlyTheThreeSidedFrame) {
    RouteScene s = scene({40, 30}, 4);
    s.within = s.shadeArea = s.modifyMode = true;
    const QColor grey = QColor::fromRgbF(1.0f / 3, 1.0f / 3, 1.0f / 3, 0.5f); // half outside
    const PointDataSource* routes[] = {&route, nullptr};
    for (const PointDataSource* r : routes) {
        s.route = r;
        const Canvas c(s);
        for (QPointF p : {QPointF(0.5, 15.5), QPointF(20.5, 0.5), QPointF(39.5, 15.5)})
            EXPECT_TRUE(c.is(p, grey)) << p.x();
        for (int x = 1; x < 39; ++x)
            for (int y = 1; y < 30; ++y)
                ASSERT_TRUE(c.is({x + 0.5, y + 0.5}, clear)) << "no top edge: " << x << "," << y;
    }
}

TEST_F(RoutePainterTest, OuterBandIsFullWidthAndShiftedUnderAHalfWidthCore) {
    route.add(10, 50);
    route.add(110, 50);
    const Canvas c(scene({120, 100}, 4));
    // Core: y 49..51 on the points; band: y 49..53 around y + 1.
    const QColor column[] = {clear, blue, blue, red, red, clear};
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(c.is({60.5, 48.5 + i}, column[i])) << i;
}

TEST_F(RoutePainterTest, ShadingFillsTheShiftedTriangleUnderTheOpenRoute) {
    route.add(0, 0);
    route.add(100, 0);
    route.add(0, 100);
    RouteScene s = scene({120, 120}, 2);
    const QColor shade = QColor::fromRgbF(0.75f, 0.75f, 0.75f, 0.5f);
    s.shadeArea = true;
    const Canvas shaded(s);
    EXPECT_TRUE(shaded.is({30.5, 30.5}, shade));
    EXPECT_TRUE(shaded.is({60.5, 60.5}, clear)) << "outside (1,1) (101,1) (1,101)";
    EXPECT_TRUE(shaded.is({30.5, 1.5}, red)) << "the line lies over the shading";
}

TEST_F(RoutePainterTest, LineFollowsThePointerOnlyWhileTracingOverTheView) {
    route.add(10, 10);
    RouteScene s = scene({120, 40}, 4);
    s.mouseX = 100;
    s.mouseY = 10;
    s.within = true;
    EXPECT_TRUE(Canvas(s).is({60.5, 10.5}, blue));
    s.within = false;
    EXPECT_TRUE(Canvas(s).is({60.5, 10.5}, clear));
    s.within = s.finished = true;
    EXPECT_TRUE(Canvas(s).is({60.5, 10.5}, clear));
}

// Start waypoint (10,10), regular (25,10), waypoint (40,10), distance
// marker (40,25), last (25,25); magnified four times. Offsets from a point:
// its centre, on its circle, inside its triangle clear of the outline, and
// on the triangle's base.
const QPointF centre(0, 0), ring(3, 0), inside(0, -1.15), base(0, -3);

class RouteGlyphsTest : public RoutePainterTest {
protected:
    void SetUp() override {
        start = route.add(10, 10, MyPoint::Waypoint);
        regular = route.add(25, 10);
        waypoint = route.add(40, 10, MyPoint::Waypoint);
        marker = route.add(40, 25, MyPoint::DistanceMarker);
        last = route.add(25, 25);
    }
    static QPointF at(const MyPoint* p, QPointF offset) {
        return QPointF(p->getX(), p->getY()) + offset;
    }

    RouteScene s = scene({50, 40});
    MyPoint *start, *regular, *waypoint, *marker, *last;
};

TEST_F(RouteGlyphsTest, ColoursOrangeOnlyInModifyModeTheCurrentOneFilledByIdentity) {
    const Canvas lock(s, 4);
    EXPECT_TRUE(lock.is(at(start, ring), green)) << "the start's own kind is not drawn";
    EXPECT_TRUE(lock.is(at(waypoint, base), yellow));
    EXPECT_TRUE(lock.is(at(marker, base), yellow));
    EXPECT_TRUE(lock.is(at(regular, ring), clear));
    EXPECT_TRUE(lock.is(at(last, ring), clear)) << "no end glyph while tracing";

    s.modifyMode = true;
    s.currentPoint = waypoint;
    const Canvas modify(s, 4);
    EXPECT_TRUE(modify.is(at(regular, ring), orange));
    EXPECT_TRUE(modify.is(at(last, ring), orange));
    EXPECT_TRUE(modify.is(at(waypoint, inside), yellow)) << "filled when current";
    EXPECT_TRUE(modify.is(at(marker, inside), clear));

    s.finished = true;
    s.currentPoint = last;
    EXPECT_TRUE(Canvas(s, 4).is(at(last, ring), red)) << "the end glyph over the orange one";
    EXPECT_TRUE(Canvas(s, 4).is(at(last, centre), red));
    const MyPoint twin(last->getX(), last->getY());
    s.currentPoint = &twin;
    EXPECT_TRUE(Canvas(s, 4).is(at(last, centre), clear))
        << "an equal point is not the current one";
}

} // namespace
