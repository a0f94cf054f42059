#include "tracing/RoutePainter.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>

namespace {

const QColor transparent(0, 0, 0, 0);
const QColor green(0, 255, 0);
const QColor red(255, 0, 0);
const QColor orange(255, 128, 0);
const QColor yellow(255, 255, 0);

// A paint of one scene, read back at view coordinates (y up). Glyphs are
// a few pixels across, so they are looked at magnified.
class Canvas {
public:
    Canvas(const RouteScene& scene, double zoom = 1)
        : zoom(zoom), image((scene.viewSize * zoom).toSize(), QImage::Format_ARGB32_Premultiplied) {
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(0, image.height());
        painter.scale(zoom, -zoom);
        RoutePainter::paint(painter, scene);
    }

    QColor at(double x, double y) const {
        return image.pixelColor(int(std::floor(x * zoom)),
                                int(std::floor(image.height() - y * zoom)));
    }

    double zoom;
    QImage image;
};

// Colours compare unpremultiplied, within antialiasing and rounding.
testing::AssertionResult looksLike(const QColor& actual, const QColor& expected) {
    const auto close = [](int a, int b) { return std::abs(a - b) <= 6; };
    const bool clear = actual.alpha() <= 6 && expected.alpha() == 0;
    if (clear || (close(actual.red(), expected.red()) && close(actual.green(), expected.green()) &&
                  close(actual.blue(), expected.blue()) && close(actual.alpha(), expected.alpha())))
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "got " << actual.name(QColor::HexArgb).toStdString() << ", wanted "
           << expected.name(QColor::HexArgb).toStdString();
}

LineStyle invisibleLine() {
    return {QColor(Qt::transparent), QColor(Qt::transparent), 2};
}

LineStyle redOverBlue(float width) {
    return {QColor(255, 0, 0), QColor(0, 0, 255), width};
}

class RoutePainterTest : public testing::Test {
protected:
    RouteScene scene(QSizeF size, LineStyle style) {
        RouteScene s;
        s.route = &route;
        s.viewSize = size;
        s.style = style;
        return s;
    }

    PointDataSource route;
};

} // namespace

TEST_F(RoutePainterTest, EmptyRouteDrawsOnlyTheThreeSidedFrame) {
    RouteScene s = scene({40, 30}, redOverBlue(4));
    s.within = true;
    s.shadeArea = true;
    s.modifyMode = true;
    const PointDataSource* none = nullptr;
    for (const PointDataSource* r : {const_cast<const PointDataSource*>(&route), none}) {
        s.route = r;
        const Canvas canvas(s);
        const QColor greyHalf = QColor::fromRgbF(1.0f / 3, 1.0f / 3, 1.0f / 3, 0.5f);
        // The lines lie on the border: half of each falls outside.
        EXPECT_TRUE(looksLike(canvas.at(0.5, 15.5), greyHalf));
        EXPECT_TRUE(looksLike(canvas.at(20.5, 0.5), greyHalf));
        EXPECT_TRUE(looksLike(canvas.at(39.5, 15.5), greyHalf));
        EXPECT_TRUE(looksLike(canvas.at(20.5, 29.5), transparent)) << "no top edge";
        for (int x = 1; x < 39; ++x)
            for (int y = 1; y < 30; ++y)
                ASSERT_TRUE(looksLike(canvas.at(x + 0.5, y + 0.5), transparent)) << x << "," << y;
    }
}

TEST_F(RoutePainterTest, OuterBandIsFullWidthAndShiftedUnderAHalfWidthCore) {
    route.add(10, 50);
    route.add(110, 50);
    const Canvas canvas(scene({120, 100}, redOverBlue(4)));
    // Core: y 49..51 on the points; band: y 49..53 around y + 1.
    EXPECT_TRUE(looksLike(canvas.at(60.5, 48.5), transparent));
    EXPECT_TRUE(looksLike(canvas.at(60.5, 49.5), QColor(0, 0, 255)));
    EXPECT_TRUE(looksLike(canvas.at(60.5, 50.5), QColor(0, 0, 255)));
    EXPECT_TRUE(looksLike(canvas.at(60.5, 51.5), red));
    EXPECT_TRUE(looksLike(canvas.at(60.5, 52.5), red));
    EXPECT_TRUE(looksLike(canvas.at(60.5, 53.5), transparent));
    // Rounded caps reach past the last point by half the width.
    EXPECT_TRUE(looksLike(canvas.at(111.5, 51.5), red));
}

TEST_F(RoutePainterTest, ShadingFillsTheShiftedOutlineAndTheRouteStaysOpen) {
    route.add(0, 0);
    route.add(100, 0);
    route.add(0, 100);
    RouteScene s = scene({120, 120}, redOverBlue(2));
    const QColor shade = QColor::fromRgbF(0.75f, 0.75f, 0.75f, 0.5f);
    EXPECT_TRUE(looksLike(Canvas(s).at(30.5, 30.5), transparent));
    EXPECT_TRUE(looksLike(Canvas(s).at(3.5, 50.5), transparent)) << "no closing segment";

    s.shadeArea = true;
    const Canvas shaded(s);
    EXPECT_TRUE(looksLike(shaded.at(30.5, 30.5), shade));
    EXPECT_TRUE(looksLike(shaded.at(3.5, 50.5), shade));
    EXPECT_TRUE(looksLike(shaded.at(60.5, 60.5), transparent)) << "outside (1,1) (101,1) (1,101)";
    EXPECT_TRUE(looksLike(shaded.at(30.5, 1.5), red)) << "the line lies over the shading";

    // While tracing, the area closes through the pointer.
    route.deleteLastItem();
    s.within = true;
    s.mouseX = 0;
    s.mouseY = 100;
    EXPECT_TRUE(looksLike(Canvas(s).at(30.5, 30.5), shade));
}

TEST_F(RoutePainterTest, LineFollowsThePointerOnlyWhileTracingOverTheView) {
    route.add(10, 10);
    RouteScene s = scene({120, 40}, redOverBlue(4));
    s.mouseX = 100;
    s.mouseY = 10;
    s.within = true;
    EXPECT_TRUE(looksLike(Canvas(s).at(60.5, 10.5), QColor(0, 0, 255)));
    EXPECT_TRUE(looksLike(Canvas(s).at(60.5, 11.5), red));

    s.within = false;
    EXPECT_TRUE(looksLike(Canvas(s).at(60.5, 10.5), transparent));
    s.within = true;
    s.finished = true;
    EXPECT_TRUE(looksLike(Canvas(s).at(60.5, 10.5), transparent));
}

// One point, magnified: the start glyph alone while tracing, the end glyph
// over it once finished.
TEST_F(RoutePainterTest, SinglePointShowsStartThenEndOnTop) {
    const MyPoint* only = route.add(10, 10);
    RouteScene s = scene({20, 20}, invisibleLine());
    s.within = true;
    const Canvas tracing(s, 8);
    EXPECT_TRUE(looksLike(tracing.at(13, 10), green));
    EXPECT_TRUE(looksLike(tracing.at(10, 10), transparent));

    s.finished = true;
    s.currentPoint = only;
    const Canvas finished(s, 8);
    EXPECT_TRUE(looksLike(finished.at(13, 10), red));
    EXPECT_TRUE(looksLike(finished.at(10, 10), red)) << "filled when current";
}

// Start (10,10) waypoint, regular (25,10), waypoint (40,10), distance marker
// (40,25), last point (25,25).
class RouteGlyphsTest : public RoutePainterTest {
protected:
    void SetUp() override {
        start = route.add(10, 10, MyPoint::Waypoint);
        regular = route.add(25, 10);
        waypoint = route.add(40, 10, MyPoint::Waypoint);
        marker = route.add(40, 25, MyPoint::DistanceMarker);
        last = route.add(25, 25);
    }

    Canvas paint(const RouteScene& s) const { return Canvas(s, 4); }

    // Inside the triangle's outline, clear of its stroke.
    static QPointF inside(const MyPoint* p) { return {p->getX(), p->getY() - 1.15}; }
    static QPointF onBase(const MyPoint* p) { return {p->getX(), p->getY() - 3}; }
    static QPointF onRing(const MyPoint* p) { return {p->getX() + 3, p->getY()}; }

    static QColor at(const Canvas& c, QPointF p) { return c.at(p.x(), p.y()); }

    MyPoint* start = nullptr;
    MyPoint* regular = nullptr;
    MyPoint* waypoint = nullptr;
    MyPoint* marker = nullptr;
    MyPoint* last = nullptr;
};

TEST_F(RouteGlyphsTest, LockModeShowsStartWaypointsAndMarkersAsOutlines) {
    RouteScene s = scene({50, 40}, invisibleLine());
    const Canvas c = paint(s);
    EXPECT_TRUE(looksLike(at(c, onRing(start)), green)) << "the start's own kind is not drawn";
    EXPECT_TRUE(looksLike(at(c, {start->getX(), start->getY()}), transparent));
    EXPECT_TRUE(looksLike(at(c, onRing(regular)), transparent));
    for (const MyPoint* p : {waypoint, marker}) {
        EXPECT_TRUE(looksLike(at(c, onBase(p)), yellow));
        EXPECT_TRUE(looksLike(at(c, inside(p)), transparent));
        // Plain lines: a mitred base corner, a butt-capped open apex.
        EXPECT_TRUE(looksLike(at(c, {p->getX() + 4.1, p->getY() - 3.7}), yellow));
        EXPECT_TRUE(looksLike(at(c, {p->getX(), p->getY() + 3.6}), transparent));
        // The half-transparent shadow shows just below the base.
        EXPECT_TRUE(looksLike(at(c, {p->getX(), p->getY() - 4.3}),
                              QColor::fromRgbF(0.3f, 0.3f, 0.3f, 0.5f)));
    }
    EXPECT_TRUE(looksLike(at(c, onRing(last)), transparent)) << "no end glyph while tracing";
}

TEST_F(RouteGlyphsTest, ModifyModeAddsOrangeCirclesAtRegularPoints) {
    RouteScene s = scene({50, 40}, invisibleLine());
    s.modifyMode = true;
    const Canvas tracing = paint(s);
    EXPECT_TRUE(looksLike(at(tracing, onRing(regular)), orange));
    EXPECT_TRUE(looksLike(at(tracing, onRing(last)), orange));
    EXPECT_TRUE(looksLike(at(tracing, onRing(start)), green));
    EXPECT_TRUE(looksLike(at(tracing, onBase(marker)), yellow));

    s.finished = true;
    const Canvas finished = paint(s);
    EXPECT_TRUE(looksLike(at(finished, onRing(last)), red)) << "end glyph over the orange one";
    EXPECT_TRUE(looksLike(at(finished, onRing(regular)), orange));
}

TEST_F(RouteGlyphsTest, CurrentPointIsFilledMatchedByIdentity) {
    RouteScene s = scene({50, 40}, invisibleLine());
    s.modifyMode = true;
    for (const MyPoint* p : {waypoint, marker}) {
        s.currentPoint = p;
        const Canvas c = paint(s);
        EXPECT_TRUE(looksLike(at(c, inside(p)), yellow));
        EXPECT_TRUE(looksLike(at(c, inside(p == waypoint ? marker : waypoint)), transparent));
    }
    s.currentPoint = regular;
    EXPECT_TRUE(looksLike(paint(s).at(regular->getX(), regular->getY()), orange));

    const MyPoint twin(regular->getX(), regular->getY());
    s.currentPoint = &twin;
    EXPECT_TRUE(looksLike(paint(s).at(regular->getX(), regular->getY()), transparent));
}

TEST_F(RouteGlyphsTest, FinishedRouteEndingOnAWaypointShowsOnlyTheEndGlyph) {
    last->setWaypoint(true);
    RouteScene s = scene({50, 40}, invisibleLine());
    const QPointF corner(last->getX() + 3, last->getY() - 3);
    EXPECT_TRUE(looksLike(at(paint(s), corner), yellow));
    s.finished = true;
    s.currentPoint = last;
    const Canvas c = paint(s);
    EXPECT_TRUE(looksLike(at(c, corner), transparent));
    EXPECT_TRUE(looksLike(at(c, onRing(last)), red));
    EXPECT_TRUE(looksLike(c.at(last->getX(), last->getY()), red));
}
