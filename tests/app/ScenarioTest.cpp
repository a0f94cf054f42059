#include "SessionFixture.h"

#include <cmath>
#include <vector>

namespace {

// Expected figures, worked out here rather than by the code under test.
double pathLength(const std::vector<QPointF>& points) {
    double sum = 0;
    for (size_t i = 1; i < points.size(); ++i)
        sum += std::hypot(points[i].x() - points[i - 1].x(), points[i].y() - points[i - 1].y());
    return sum;
}

// The polygon the route closes, by the shoelace formula.
double enclosed(const std::vector<QPointF>& points) {
    double twice = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        const QPointF& a = points[i];
        const QPointF& b = points[(i + 1) % points.size()];
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return std::abs(twice) / 2;
}

// The bar laid from (60, 80) to (380, 140) for 2.5 km; a rectangle traced
// with waypoints at its start, its third corner (Alt) and its end.
class Measuring : public Session {
protected:
    const QPointF a{100, 250}, b{500, 250}, c{500, 450}, e{100, 450};

    void SetUp() override {
        start();
        ASSERT_GE(view()->width(), 560);
        ASSERT_GE(view()->height(), 500);
    }

    void setScaleByHand() {
        dragBarEnd(false, {60, 80});
        dragBarEnd(true, {380, 140});
        type(d().unitViews.numberOfUnits2, "2.5");
        choose(d().unitViews.scaleUnits2, "km");
        choose(d().unitViews.answerUnits2, "mile(s)");
        choose(d().unitViews.areaUnits, "ha");
    }
    void traceRectangle() {
        click(a);
        click(b);
        click(c, Qt::AltModifier);
        doubleClick(e);
    }
    // Metres a pixel stands for, from where the ends were dropped.
    static double metresPerPixel() { return 2500 / std::hypot(380.0 - 60, 140.0 - 80); }
    static double miles(double pixels) { return pixels * metresPerPixel() / 1609.344; }
    static double hectares(double squarePixels) {
        return squarePixels * metresPerPixel() * metresPerPixel() / 10000;
    }
};

TEST_F(Measuring, ScaleByHandThenARouteWithWaypointsAndItsLegTable) {
    setScaleByHand();
    EXPECT_EQ(bar()->thisEndOnParent(), QPointF(60, 80));
    EXPECT_EQ(bar()->thatEndOnParent(), QPointF(380, 140));
    EXPECT_EQ(controller().getScaleText()->string(), " Scale is 2.5 km ");
    traceRectangle();
    ASSERT_EQ(route().count(), 4);
    EXPECT_TRUE(view()->isFinished());

    const std::vector<QPointF> traced{a, b, c, e};
    EXPECT_SHOWN(length(), miles(pathLength(traced)));
    EXPECT_SHOWN(area(), hectares(enclosed(traced)));

    d().acetate.showInfoMenuItem->trigger();
    ASSERT_TRUE(inspector().isWindowLoaded() && inspector().getWindow()->isVisible());
    ASSERT_EQ(legRows(), 3);
    EXPECT_EQ(cell(0, 0), "Start");
    EXPECT_EQ(cell(0, 2), "-");
    EXPECT_EQ(cell(2, 0), "Finish");
    // Leg, from the start, to the finish.
    const std::pair<QPoint, double> legs[] = {{{0, 1}, 600}, {{0, 3}, 1000}, {{1, 1}, 400},
                                              {{1, 2}, 600}, {{1, 3}, 400},  {{2, 2}, 1000}};
    for (const auto& [where, pixels] : legs)
        EXPECT_SHOWN(cell(where.x(), where.y()), miles(pixels));
}

TEST_F(Measuring, ModifyLockUndoAndContinueKeepTheFiguresTrue) {
    setScaleByHand();
    traceRectangle();
    drag(b, {{502, 246}, {500, 150}}); // modify mode, as designed
    click({300, 450});                 // on the last segment: a point more
    ASSERT_EQ(route().count(), 5);
    std::vector<QPointF> now{a, {500, 150}, c, {300, 450}, e};
    EXPECT_SHOWN(length(), miles(pathLength(now)));
    EXPECT_SHOWN(area(), hectares(enclosed(now)));

    d().acetate.dragmodeMenuItem->trigger();
    ASSERT_FALSE(d().acetate.dragmodeMenuItem->isChecked()) << "lock mode";
    drag({300, 350}, {{310, 350}, {350, 330}});
    for (QPointF& p : now)
        p += QPointF(50, -20);
    EXPECT_EQ(QPointF(route().getFirstItem()->getX(), route().getFirstItem()->getY()), now[0]);
    EXPECT_SHOWN(length(), miles(pathLength(now)));
    d().acetate.dragmodeMenuItem->trigger();

    d().acetate.undoPointMenuItem->trigger();
    now.pop_back();
    EXPECT_FALSE(view()->isFinished());
    EXPECT_SHOWN(length(), miles(pathLength(now)));
    click({150, 430});
    QTest::keyClick(view(), Qt::Key_Escape);
    d().acetate.contMenuItem->trigger();
    doubleClick({100, 330});
    now.insert(now.end(), {{150, 430}, {100, 330}});
    ASSERT_EQ(route().count(), 6);
    EXPECT_TRUE(view()->isFinished());
    EXPECT_SHOWN(length(), miles(pathLength(now)));
    EXPECT_SHOWN(area(), hectares(enclosed(now)));

    view()->showInfo();
    ASSERT_EQ(legRows(), 3) << "the start, the corner placed with Alt and the finish";
    EXPECT_SHOWN(cell(0, 1), miles(pathLength({now[0], now[1], now[2]})));
    EXPECT_SHOWN(cell(1, 1), miles(pathLength({now.begin() + 2, now.end()})));
    quit();
}

} // namespace
