#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QPolygonF>
#include <QTransform>

#include <cstdint>
#include <vector>

// Strokes round-capped, round-joined lines of one width as the union of
// their segments' capsules. Each device pixel keeps its offset from the
// nearest segment, and its coverage follows from that one offset at the
// end, so overlaps blend once, as one stroke of the whole line does. Work
// grows with the pixels the line covers, not with its joins, which makes it
// the stroker for lines denser than the pixels can show.
class CapsuleRaster {
public:
    // A buffer of `size` device pixels for lines `width` device pixels wide.
    CapsuleRaster(QSize size, double width);

    // The points pass through `toDevice`.
    void addLine(const QPointF* points, qsizetype count, const QTransform& toDevice);
    // Device coordinates.
    void addSegment(QPointF a, QPointF b);

    // Coverage at a device pixel, 0 to 255.
    uint8_t coverageAt(int x, int y) const;
    // `colour` (made opaque) times the coverage, premultiplied: the mask a
    // translucent pen is painted through.
    QImage toImage(const QColor& colour) const;

private:
    struct Capsule;
    void addRows(const Capsule& capsule, int y0, int y1);
    void addRow(int y, int x0, int x1, const Capsule& capsule);

    // An offset as stored: x in the low 16 bits, y in the high, both signed.
    static uint32_t packOffset(int x, int y) {
        return uint32_t(uint16_t(int16_t(x))) | uint32_t(uint16_t(int16_t(y))) << 16;
    }
    float distance2(uint32_t cell) const;

    static constexpr int offsetLimit = 32000;
    static constexpr int none = 32767;

    int w;
    int h;
    size_t stride = 0;
    float halfWidth = 0;
    // Pixels farther than this from every segment are not covered.
    float reach = 0;
    float unitsPerPixel = 1;
    // Per pixel, the offset from the nearest segment's nearest point: its
    // length and direction give the coverage. Four bytes keep the buffer
    // small enough to stay in the cache.
    std::vector<uint32_t> nearest;
};
