#include "tracing/CapsuleRaster.h"

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
// Rows start on 16 bytes for aligned loads and stores of four cells.
static_assert(__STDCPP_DEFAULT_NEW_ALIGNMENT__ >= 16);
#endif

namespace {

// A pixel's corner reaches this far from its centre.
constexpr float halfDiagonal = 0.7072f;

// A pixel index clamped to [low, high]; NaN and values beyond int stay in.
int clampedIndex(double v, int low, int high) {
    if (!(v >= low))
        return low;
    return v > high ? high : int(v);
}

// The share of a unit pixel, centred on the origin, on the side of a line
// with unit normal (a, b), a >= b >= 0, where p . n <= s.
float halfPlaneArea(float s, float a, float b) {
    const float m = (a + b) / 2;
    const float k = (a - b) / 2;
    if (s <= -m)
        return 0;
    if (s >= m)
        return 1;
    if (s < -k)
        return (s + m) * (s + m) / (2 * a * b);
    if (s <= k)
        return 0.5f + s / a;
    return 1 - (m - s) * (m - s) / (2 * a * b);
}

// The share of the pixel within `halfWidth` of the line through the nearest
// point, which lies `distance` away along the unit vector (nx, ny): exact
// for a straight edge, and close at a round cap.
float pixelCoverage(float distance, float nx, float ny, float halfWidth) {
    float a = std::abs(nx);
    float b = std::abs(ny);
    if (a < b)
        std::swap(a, b);
    return halfPlaneArea(halfWidth - distance, a, b) - halfPlaneArea(-halfWidth - distance, a, b);
}

// Cuts the segment a-b to the rectangle [low, high] on both axes
// (Cohen-Sutherland); false when nothing of it lies inside. An end moved
// lands exactly on the edge it crosses, however far away it was.
bool clip(QPointF& a, QPointF& b, QPointF low, QPointF high) {
    const auto outside = [&](QPointF p) {
        return (p.x() < low.x() ? 1 : 0) | (p.x() > high.x() ? 2 : 0) | (p.y() < low.y() ? 4 : 0) |
               (p.y() > high.y() ? 8 : 0);
    };
    for (int step = 0; step < 8; ++step) {
        const int codeA = outside(a);
        const int codeB = outside(b);
        if ((codeA | codeB) == 0)
            return true;
        if (codeA & codeB)
            return false;
        QPointF& end = codeA ? a : b;
        const int code = codeA ? codeA : codeB;
        const QPointF from = end;
        const QPointF to = codeA ? b : a;
        if (code & 3) {
            const double x = code & 1 ? low.x() : high.x();
            end =
                QPointF(x, from.y() + (to.y() - from.y()) * ((x - from.x()) / (to.x() - from.x())));
        } else {
            const double y = code & 4 ? low.y() : high.y();
            end =
                QPointF(from.x() + (to.x() - from.x()) * ((y - from.y()) / (to.y() - from.y())), y);
        }
        if (!std::isfinite(end.x()) || !std::isfinite(end.y()))
            return false;
    }
    return outside(a) == 0 && outside(b) == 0;
}

} // namespace

// What every pixel of one segment's capsule needs, worked out once.
struct CapsuleRaster::Capsule {
    float ax, ay, dx, dy;
    float inverseLength2;
    float left, right;
    // For a long slanted segment each row only spans the part of it within
    // reach: x moves by `slope` per unit of y.
    bool slanted;
    float slope;
};

CapsuleRaster::CapsuleRaster(QSize size, double width)
    : w(std::max(0, size.width())), h(std::max(0, size.height())) {
    const float half = float(width / 2);
    if (!(half > 0) || !std::isfinite(half))
        w = h = 0; // nothing can be drawn
    halfWidth = half;
    reach = half + halfDiagonal;
    // Offsets within reach fill the 16 bits; "none yet" lies beyond it.
    unitsPerPixel = float(offsetLimit) / reach;
    // Room for a group of four to start at the last pixel of a row.
    stride = (size_t(w) + 7) & ~size_t(3);
    nearest.assign(stride * size_t(h), packOffset(none, none));
}

void CapsuleRaster::addLine(const QPointF* points, qsizetype count, const QTransform& toDevice) {
    QPointF from = count > 0 ? toDevice.map(points[0]) : QPointF();
    for (qsizetype i = 1; i < count; ++i) {
        const QPointF to = toDevice.map(points[i]);
        addSegment(from, to);
        from = to;
    }
}

void CapsuleRaster::addSegment(QPointF a, QPointF b) {
    if (w == 0 || h == 0 || !std::isfinite(a.x()) || !std::isfinite(a.y()) ||
        !std::isfinite(b.x()) || !std::isfinite(b.y()))
        return;
    // Beyond a margin of reach, no part of the segment is nearest to a pixel
    // it covers; the cut keeps coordinates small enough for floats.
    const double margin = double(reach) + 1;
    if (!clip(a, b, QPointF(-margin, -margin), QPointF(w + margin, h + margin)))
        return;
    const float dx = float(b.x() - a.x());
    const float dy = float(b.y() - a.y());
    const float length2 = dx * dx + dy * dy;
    Capsule c{float(a.x()),
              float(a.y()),
              dx,
              dy,
              length2 > 0 ? 1 / length2 : 0,
              float(std::min(a.x(), b.x())),
              float(std::max(a.x(), b.x())),
              std::abs(dy) > 2 * reach && std::abs(dx) > 2 * reach,
              std::abs(dy) > 0 ? dx / dy : 0};
    const double top = std::min(a.y(), b.y()) - reach;
    const double bottom = std::max(a.y(), b.y()) + reach;
    // Rows whose pixel centres lie within reach, and no more.
    addRows(c, clampedIndex(std::ceil(top - 0.5), 0, h - 1),
            clampedIndex(std::floor(bottom - 0.5), 0, h - 1));
}

// The segment's points within reach of a row bound the pixels within reach
// of the segment on it.
void CapsuleRaster::addRows(const Capsule& c, int y0, int y1) {
    for (int y = y0; y <= y1; ++y) {
        float low = c.left;
        float high = c.right;
        if (c.slanted) {
            const float centre = float(y) + 0.5f - c.ay;
            const float xa = c.ax + c.slope * (centre - reach);
            const float xb = c.ax + c.slope * (centre + reach);
            low = std::clamp(std::min(xa, xb), c.left, c.right);
            high = std::clamp(std::max(xa, xb), c.left, c.right);
        }
        addRow(y, clampedIndex(std::ceil(low - reach - 0.5f), 0, w - 1),
               clampedIndex(std::floor(high + reach - 0.5f), 0, w - 1), c);
    }
}

// Four pixels at a time where the processor offers it, in groups aligned
// to four, so that a group stored by one segment is loaded whole by the
// next (an overlapping unaligned load would wait for the store). Rows are
// padded, so a group may run past the span: a pixel worked out needlessly
// still gets its true distance.
void CapsuleRaster::addRow(int y, int x0, int x1, const Capsule& c) {
    uint32_t* cells = nearest.data() + size_t(y) * stride;
    const float py = float(y) + 0.5f - c.ay;
#if defined(__SSE2__)
    x0 &= ~3;
    const __m128 dx = _mm_set1_ps(c.dx);
    const __m128 dy = _mm_set1_ps(c.dy);
    const __m128 vy = _mm_set1_ps(py);
    const __m128 along = _mm_set1_ps(py * c.dy);
    const __m128 inverse = _mm_set1_ps(c.inverseLength2);
    const __m128 zero = _mm_setzero_ps();
    const __m128 one = _mm_set1_ps(1);
    const __m128 four = _mm_set1_ps(4);
    const __m128 reach2 = _mm_set1_ps(reach * reach);
    const __m128 units = _mm_set1_ps(unitsPerPixel);
    const __m128 pixelsPerUnit = _mm_set1_ps(1 / unitsPerPixel);
    const __m128i low = _mm_set1_epi32(0xffff);
    __m128 px = _mm_add_ps(_mm_set1_ps(float(x0) + 0.5f - c.ax), _mm_set_ps(3, 2, 1, 0));
    for (int x = x0; x <= x1; x += 4, px = _mm_add_ps(px, four)) {
        __m128 t = _mm_mul_ps(_mm_add_ps(_mm_mul_ps(px, dx), along), inverse);
        t = _mm_min_ps(one, _mm_max_ps(zero, t));
        const __m128 ex = _mm_sub_ps(px, _mm_mul_ps(t, dx));
        const __m128 ey = _mm_sub_ps(vy, _mm_mul_ps(t, dy));
        const __m128 d2 = _mm_add_ps(_mm_mul_ps(ex, ex), _mm_mul_ps(ey, ey));
        auto* at = reinterpret_cast<__m128i*>(cells + x);
        const __m128i old = _mm_load_si128(at);
        const __m128 oldX =
            _mm_mul_ps(_mm_cvtepi32_ps(_mm_srai_epi32(_mm_slli_epi32(old, 16), 16)), pixelsPerUnit);
        const __m128 oldY = _mm_mul_ps(_mm_cvtepi32_ps(_mm_srai_epi32(old, 16)), pixelsPerUnit);
        const __m128 oldD2 = _mm_add_ps(_mm_mul_ps(oldX, oldX), _mm_mul_ps(oldY, oldY));
        const __m128i closer =
            _mm_castps_si128(_mm_and_ps(_mm_cmplt_ps(d2, oldD2), _mm_cmplt_ps(d2, reach2)));
        const __m128i packed =
            _mm_or_si128(_mm_and_si128(_mm_cvtps_epi32(_mm_mul_ps(ex, units)), low),
                         _mm_slli_epi32(_mm_cvtps_epi32(_mm_mul_ps(ey, units)), 16));
        _mm_store_si128(at,
                        _mm_or_si128(_mm_and_si128(closer, packed), _mm_andnot_si128(closer, old)));
    }
#else
    for (int x = x0; x <= x1; ++x) {
        const float px = float(x) + 0.5f - c.ax;
        const float t = std::min(1.0f, std::max(0.0f, (px * c.dx + py * c.dy) * c.inverseLength2));
        const float ex = px - t * c.dx;
        const float ey = py - t * c.dy;
        const float d2 = ex * ex + ey * ey;
        if (d2 < reach * reach && d2 < distance2(cells[x]))
            cells[x] = packOffset(int(std::lround(ex * unitsPerPixel)),
                                  int(std::lround(ey * unitsPerPixel)));
    }
#endif
}

float CapsuleRaster::distance2(uint32_t cell) const {
    const float ex = float(int16_t(cell & 0xffff)) / unitsPerPixel;
    const float ey = float(int16_t(cell >> 16)) / unitsPerPixel;
    return ex * ex + ey * ey;
}

uint8_t CapsuleRaster::coverageAt(int x, int y) const {
    const uint32_t cell = nearest[size_t(y) * stride + size_t(x)];
    const float d2 = distance2(cell);
    if (d2 >= reach * reach)
        return 0;
    const float inner = std::max(0.0f, halfWidth - halfDiagonal);
    if (d2 <= inner * inner)
        return 255;
    const float distance = std::sqrt(d2);
    // On the line itself the edge's direction is unknown; only pens under a
    // pixel wide get here, and for them it matters little.
    const bool onLine = distance < 1e-6f;
    const float scale = unitsPerPixel * distance;
    const float cover = pixelCoverage(distance, onLine ? 0 : float(int16_t(cell & 0xffff)) / scale,
                                      onLine ? 1 : float(int16_t(cell >> 16)) / scale, halfWidth);
    return uint8_t(std::clamp(cover, 0.0f, 1.0f) * 255.0f + 0.5f);
}

QImage CapsuleRaster::toImage(const QColor& colour) const {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    const QRgb rgb = colour.rgb();
    const uint32_t red = uint32_t(qRed(rgb));
    const uint32_t green = uint32_t(qGreen(rgb));
    const uint32_t blue = uint32_t(qBlue(rgb));
    for (int y = 0; y < h; ++y) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const uint32_t c = coverageAt(x, y);
            out[x] = qRgba(int((red * c + 127) / 255), int((green * c + 127) / 255),
                           int((blue * c + 127) / 255), int(c));
        }
    }
    return image;
}
