#include "model/LengthChain.h"

#include "model/RouteSums.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr size_t blockSize = 64;
constexpr size_t smallestSplit = 8;
constexpr float twoTo23 = 8388608.0f;
constexpr int64_t highestUnits = (int64_t{1} << 24) - 1;

// A length in units, rounded to the whole units it adds, and whether that
// is the step's own rounding. A float root rounds the exact length the
// way the double step does: both round monotonically, and a half unit
// below 2^23 units lies on both grids, so neither can cross one that the
// other does not reach. Only a root exactly on a half unit is in doubt,
// since the step's tie goes to the even total.
struct Step {
    int32_t units;
    bool sure;
};

Step stepOf(float square, float toUnits) {
    const float r = std::sqrt(square) * toUnits;
    if (!(r < twoTo23))
        return {0, false};
    const float whole = std::nearbyint(r);
    return {static_cast<int32_t>(whole), std::abs(r - whole) != 0.5f};
}

#if defined(__SSE2__)
// Four steps at once; answers false when any is unsure.
bool addFour(const float* squares, __m128 toUnits, __m128i& total) {
    const __m128 r = _mm_mul_ps(_mm_sqrt_ps(_mm_loadu_ps(squares)), toUnits);
    const __m128i whole = _mm_cvtps_epi32(r);
    const __m128 away = _mm_andnot_ps(_mm_set1_ps(-0.0f), _mm_sub_ps(r, _mm_cvtepi32_ps(whole)));
    const __m128 sure =
        _mm_and_ps(_mm_cmplt_ps(r, _mm_set1_ps(twoTo23)), _mm_cmpneq_ps(away, _mm_set1_ps(0.5f)));
    total = _mm_add_epi32(total, whole);
    return _mm_movemask_ps(sure) == 0xf;
}

int64_t sumOfLanes(__m128i v) {
    alignas(16) int32_t lanes[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes), v);
    return int64_t{lanes[0]} + lanes[1] + lanes[2] + lanes[3];
}
#endif

// A total of units × 2^(exponent − 150), units in [2^23, 2^24): adds a block
// of steps at once when every rounding is certain and the total stays in
// its binade.
bool addAtOnce(float& sum, const float* squares, size_t n) {
    const auto bits = std::bit_cast<uint32_t>(sum);
    const auto exponent = static_cast<int32_t>(bits >> 23);
    // Positive, normal, and with 2^(150 − exponent) a normal float.
    if (exponent < 24 || exponent > 254)
        return false;
    const float toUnits = std::bit_cast<float>(static_cast<uint32_t>(277 - exponent) << 23);
    int64_t units = (bits & 0x7fffff) | 0x800000;
    size_t i = 0;
#if defined(__SSE2__)
    __m128i total = _mm_setzero_si128();
    bool sure = true;
    for (; i + 4 <= n; i += 4)
        sure = addFour(squares + i, _mm_set1_ps(toUnits), total) && sure;
    if (!sure)
        return false;
    units += sumOfLanes(total);
#endif
    for (; i < n; ++i) {
        const Step step = stepOf(squares[i], toUnits);
        if (!step.sure)
            return false;
        units += step.units;
    }
    // Steps are never negative, so no step in between left the binade.
    if (units > highestUnits)
        return false;
    sum = std::bit_cast<float>(static_cast<uint32_t>(exponent) << 23 |
                               static_cast<uint32_t>(units - 0x800000));
    return true;
}

// A block that cannot be added at once is split, so that a crossing into
// the next binade or a tie costs a few steps one by one, not the block.
void addBlock(float& sum, const float* squares, size_t n) {
    if (addAtOnce(sum, squares, n))
        return;
    if (n > smallestSplit) {
        addBlock(sum, squares, n / 2);
        addBlock(sum, squares + n / 2, n - n / 2);
        return;
    }
    for (size_t i = 0; i < n; ++i)
        sum = RouteSums::addLength(sum, std::sqrt(static_cast<double>(squares[i])));
}

} // namespace

float LengthChain::add(float sum, const float* squares, size_t n) {
    for (size_t i = 0; i < n; i += blockSize)
        addBlock(sum, squares + i, std::min(blockSize, n - i));
    return sum;
}
