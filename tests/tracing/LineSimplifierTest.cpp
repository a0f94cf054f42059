#include "tracing/LineSimplifier.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

std::vector<int64_t> thinned(const std::vector<QPointF>& line, double tolerance) {
    LineSimplifier simplifier(tolerance);
    for (size_t i = 0; i < line.size(); ++i)
        simplifier.add(line[i], int64_t(i));
    return simplifier.finish();
}

double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double length2 = QPointF::dotProduct(ab, ab);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
    const QPointF d = p - (a + ab * t);
    return std::hypot(d.x(), d.y());
}

// A wandering line with steps of 0.2 to 3 pixels, turning and doubling
// back, as a hand traces or a file holds.
std::vector<QPointF> walk(int n, unsigned seed) {
    std::mt19937 draw(seed);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<QPointF> line;
    QPointF at(100, 100);
    double heading = 0;
    for (int i = 0; i < n; ++i) {
        line.push_back(at);
        heading += (unit(draw) - 0.5) * (i % 97 == 0 ? 6 : 0.8);
        const double step = 0.2 + 2.8 * unit(draw);
        at += QPointF(std::cos(heading), std::sin(heading)) * step;
    }
    return line;
}

TEST(LineSimplifier, EveryDroppedPointLiesWithinTheToleranceOfTheLineKept) {
    for (double tolerance : {0.25, 0.5}) {
        for (unsigned seed : {1u, 2u, 3u}) {
            const std::vector<QPointF> line = walk(5000, seed);
            const std::vector<int64_t> kept = thinned(line, tolerance);
            ASSERT_EQ(kept.front(), 0);
            ASSERT_EQ(kept.back(), int64_t(line.size()) - 1);
            EXPECT_LT(kept.size(), line.size() * 3 / 4) << "a wandering line thins";
            for (size_t k = 0; k + 1 < kept.size(); ++k) {
                ASSERT_LT(kept[k], kept[k + 1]);
                for (int64_t i = kept[k] + 1; i < kept[k + 1]; ++i)
                    ASSERT_LE(distanceToSegment(line[size_t(i)], line[size_t(kept[k])],
                                                line[size_t(kept[k + 1])]),
                              tolerance + 1e-9)
                        << "point " << i << " seed " << seed;
            }
        }
    }
}

TEST(LineSimplifier, StraightRunsAndPixelRunsMergeTurnsAndReversalsStay) {
    std::vector<QPointF> line;
    for (int i = 0; i <= 100; ++i)
        line.emplace_back(i * 0.5, 10 + (i % 2) * 0.1); // straight, a little ragged
    for (int i = 1; i <= 20; ++i)
        line.emplace_back(50, 10 + i); // a right angle at (50, 10)
    line.emplace_back(50, 20);         // back down the same line
    line.emplace_back(50.01, 20.01);   // within the same pixel
    const std::vector<int64_t> kept = thinned(line, 0.5);
    const std::vector<int64_t> want = {0, 100, 120, 122};
    EXPECT_EQ(kept, want);
    EXPECT_EQ(thinned({QPointF(3, 3)}, 0.5), std::vector<int64_t>{0});
    EXPECT_TRUE(thinned({}, 0.5).empty());
}

} // namespace
