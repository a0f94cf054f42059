#include "tracing/CapsuleRaster.h"

#include <algorithm>
#include <cmath>

namespace {

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

} // namespace

CapsuleRaster::CapsuleRaster(QSize size)
    : w(std::max(0, size.width())), h(std::max(0, size.height())),
      coverage(size_t(w) * size_t(h), 0) {}

void CapsuleRaster::addLine(const QPolygonF& line, const QTransform& toDevice, double width) {
    const float halfWidth = float(width / 2);
    QPointF from = line.isEmpty() ? QPointF() : toDevice.map(line.front());
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QPointF to = toDevice.map(line[i]);
        addSegment(from, to, halfWidth);
        from = to;
    }
}

// What every pixel of one segment's capsule needs, worked out once.
struct CapsuleRaster::Capsule {
    float ax, ay, dx, dy;
    float inverseLength2;
    // Across the segment, for a pixel centred on it.
    float normalX, normalY;
    float halfWidth;
    // Pixels nearer than this are covered whole, farther than reach not.
    float inner2, reach2;
};

void CapsuleRaster::addSegment(QPointF a, QPointF b, float halfWidth) {
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) ||
        !std::isfinite(b.y()) || !(halfWidth > 0))
        return;
    // A pixel's corner reaches this far past its centre.
    const float reach = halfWidth + 0.7072f;
    const QPointF d = b - a;
    const float length2 = float(d.x() * d.x() + d.y() * d.y());
    const float length = std::sqrt(length2);
    const float inner = std::max(0.0f, halfWidth - 0.7072f);
    const Capsule capsule{float(a.x()),
                          float(a.y()),
                          float(d.x()),
                          float(d.y()),
                          length2 > 0 ? 1 / length2 : 0,
                          length > 0 ? float(-d.y()) / length : 1,
                          length > 0 ? float(d.x()) / length : 0,
                          halfWidth,
                          inner * inner,
                          reach * reach};
    const double top = std::min(a.y(), b.y()) - reach;
    const double bottom = std::max(a.y(), b.y()) + reach;
    if (h == 0 || w == 0 || bottom < 0 || top > h)
        return;
    const int y1 = clampedIndex(std::ceil(bottom), 0, h - 1);
    for (int y = clampedIndex(std::floor(top), 0, h - 1); y <= y1; ++y)
        addRowOf(y, a, b, reach, capsule);
}

// The segment's points within reach of the row bound the pixels within
// reach of the segment.
void CapsuleRaster::addRowOf(int y, QPointF a, QPointF b, double reach, const Capsule& capsule) {
    const double left = std::min(a.x(), b.x());
    const double right = std::max(a.x(), b.x());
    const QPointF d = b - a;
    double xLow = left;
    double xHigh = right;
    if (std::abs(d.y()) > 1e-9) {
        const double centre = y + 0.5;
        const double xa = a.x() + d.x() * (centre - reach - a.y()) / d.y();
        const double xb = a.x() + d.x() * (centre + reach - a.y()) / d.y();
        xLow = std::clamp(std::min(xa, xb), left, right);
        xHigh = std::clamp(std::max(xa, xb), left, right);
    }
    if (xHigh + reach < 0 || xLow - reach > w)
        return;
    addRow(y, clampedIndex(std::floor(xLow - reach), 0, w - 1),
           clampedIndex(std::ceil(xHigh + reach), 0, w - 1), capsule);
}

void CapsuleRaster::addRow(int y, int x0, int x1, const Capsule& c) {
    const float py = float(y) + 0.5f - c.ay;
    uint8_t* row = coverage.data() + size_t(y) * size_t(w);
    for (int x = x0; x <= x1; ++x) {
        // Dense lines cover most pixels many times over.
        if (row[x] == 255)
            continue;
        const float px = float(x) + 0.5f - c.ax;
        const float t = std::clamp((px * c.dx + py * c.dy) * c.inverseLength2, 0.0f, 1.0f);
        const float ex = px - t * c.dx;
        const float ey = py - t * c.dy;
        const float distance2 = ex * ex + ey * ey;
        if (distance2 >= c.reach2)
            continue;
        if (distance2 <= c.inner2) {
            row[x] = 255;
            continue;
        }
        const float distance = std::sqrt(distance2);
        const bool onLine = distance < 1e-6f;
        const float cover = pixelCoverage(distance, onLine ? c.normalX : ex / distance,
                                          onLine ? c.normalY : ey / distance, c.halfWidth);
        row[x] = std::max(row[x], uint8_t(std::clamp(cover, 0.0f, 1.0f) * 255.0f + 0.5f));
    }
}

QImage CapsuleRaster::toImage(const QColor& colour) const {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    const QRgb rgb = colour.rgb();
    const uint32_t red = uint32_t(qRed(rgb));
    const uint32_t green = uint32_t(qGreen(rgb));
    const uint32_t blue = uint32_t(qBlue(rgb));
    for (int y = 0; y < h; ++y) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        const uint8_t* in = coverage.data() + size_t(y) * size_t(w);
        for (int x = 0; x < w; ++x) {
            const uint32_t c = in[x];
            out[x] = qRgba(int((red * c + 127) / 255), int((green * c + 127) / 255),
                           int((blue * c + 127) / 255), int(c));
        }
    }
    return image;
}
