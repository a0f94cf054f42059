#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QTransform>

#include <cstdint>
#include <vector>

// Strokes round-capped, round-joined lines of one width as the union of
// their segments' capsules: each device pixel keeps the highest coverage any
// segment gives it, so overlaps blend once, as one stroke of the whole line
// does. Work grows with the pixels the line covers, not with its joins,
// which makes it the stroker for lines denser than the pixels can show.
class CapsuleRaster {
public:
    // A coverage buffer of `size` device pixels.
    explicit CapsuleRaster(QSize size);

    // `width` is in device pixels; the points pass through `toDevice`.
    void addLine(const QPolygonF& line, const QTransform& toDevice, double width);
    // Device coordinates; `halfWidth` in device pixels.
    void addSegment(QPointF a, QPointF b, float halfWidth);

    // Coverage at a device pixel, 0 to 255.
    uint8_t coverageAt(int x, int y) const { return coverage[size_t(y) * size_t(w) + size_t(x)]; }
    // `colour` (made opaque) times the coverage, premultiplied: the mask a
    // translucent pen is painted through.
    QImage toImage(const QColor& colour) const;

private:
    struct Capsule;
    void addRowOf(int y, QPointF a, QPointF b, double reach, const Capsule& capsule);
    void addRow(int y, int x0, int x1, const Capsule& capsule);

    int w;
    int h;
    std::vector<uint8_t> coverage;
};
