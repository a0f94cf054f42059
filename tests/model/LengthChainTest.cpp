#include "model/LengthChain.h"
#include "model/RouteSums.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace {

float oneByOne(float sum, const std::vector<float>& squares) {
    for (float square : squares)
        sum = RouteSums::addLength(sum, std::sqrt(static_cast<double>(square)));
    return sum;
}

void expectSameBits(float start, const std::vector<float>& squares) {
    const float expected = oneByOne(start, squares);
    const float got = LengthChain::add(start, squares.data(), squares.size());
    ASSERT_EQ(std::bit_cast<uint32_t>(got), std::bit_cast<uint32_t>(expected))
        << "from " << start << " over " << squares.size() << " segments: " << got << " vs "
        << expected;
}

// Whole lengths on totals of 2^24 and more are exact half units: ties,
// which go to the even total. Lengths a hair either side of a half unit
// must round the way the double steps round them.
TEST(LengthChain, TiesAndNearTies) {
    std::vector<float> whole;
    for (int i = 0; i < 4000; ++i)
        whole.push_back(static_cast<float>((1 + 2 * (i % 7)) * (1 + 2 * (i % 7))));
    for (float start : {16777216.0f, 16777218.0f, 33554432.0f, 5.0e7f})
        expectSameBits(start, whole);
    std::vector<float> nearHalf;
    for (int i = 0; i < 4000; ++i) {
        const float half = 0.5f + static_cast<float>(i % 9);
        const float square = half * half;
        nearHalf.push_back(i % 3 == 0 ? square : std::nextafter(square, i % 3 == 1 ? 0.0f : 1e9f));
    }
    for (float start : {0.0f, 8388608.0f, 4194304.0f, 1048576.0f, 1e5f})
        expectSameBits(start, nearHalf);
}

// Traced routes: small steps on whole or fractional pixels, from an empty
// total through many binades.
TEST(LengthChain, RouteLikeSteps) {
    std::mt19937 draw(11);
    std::uniform_int_distribution<int> pixel(-9, 9);
    std::uniform_real_distribution<float> fraction(-9.0f, 9.0f);
    std::vector<float> wholePixels, fractional;
    for (int i = 0; i < 300000; ++i) {
        const auto dx = static_cast<float>(pixel(draw)), dy = static_cast<float>(pixel(draw));
        wholePixels.push_back(dx * dx + dy * dy);
        const float fx = fraction(draw), fy = fraction(draw);
        fractional.push_back(fx * fx + fy * fy);
    }
    expectSameBits(0, wholePixels);
    expectSameBits(0, fractional);
    expectSameBits(16777000.0f, wholePixels);
}

// Lengths from far below a unit to far above the total: totals stall,
// cross one binade or jump several at once.
TEST(LengthChain, AnyMagnitude) {
    std::mt19937 draw(7);
    std::uniform_real_distribution<float> mantissa(1.0f, 2.0f);
    std::uniform_int_distribution<int> exponent(-60, 60);
    for (int round = 0; round < 300; ++round) {
        std::vector<float> squares;
        const int spread = 1 + round % 60;
        for (int i = 0; i < 700; ++i)
            squares.push_back(std::ldexp(mantissa(draw), exponent(draw) % spread));
        expectSameBits(0, squares);
        expectSameBits(std::ldexp(1.0f, exponent(draw)), squares);
    }
}

TEST(LengthChain, HostileValuesAndStarts) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float big = std::numeric_limits<float>::max();
    expectSameBits(0, {});
    expectSameBits(3, {0, 0, 1e-45f, -0.0f});
    expectSameBits(1, {1, inf, 1});
    expectSameBits(1, {1, 4, nan, 1, 1, 1});
    expectSameBits(big, {1e30f, 3e32f, big});
    expectSameBits(big / 2, {big, big, big, big, big});
    expectSameBits(-5, {1, 4, 9, 100});
    expectSameBits(1e-38f, {1e-39f, 1e-30f, 1});
    expectSameBits(1e-44f, {1e-45f, 1e-45f, 1e-45f, 1e-45f, 1e-45f});
    expectSameBits(nan, {1, 4});
    expectSameBits(inf, {1, 4});
}

} // namespace
