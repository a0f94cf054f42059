#pragma once

#include "tracing/RoutePainter.h"

#include <QPolygonF>

#include <cstdint>
#include <vector>

// What a picture of the route leaves out, to be drawn live over it.
struct RouteParts {
    // The line from the last point to the pointer while tracing.
    bool pointerLine = true;
    bool shading = true;
    // A point whose glyph and two segments are left out; shading then
    // skips it too, so leave shading out with it.
    const MyPoint* leftOut = nullptr;
    // From this many segments or glyphs on, lines go through CapsuleRaster
    // and glyphs are sprites laid in a GlyphLayer: their cost follows the
    // pixels, not Qt's work per join and per path.
    int64_t denseFrom = 20000;
};

class GlyphLayer;

// Draws the picture RoutePainter draws, reduced to what the device's pixels
// can show: each line thinned to a tenth of a pixel (LineSimplifier), a
// glyph that would land on the half pixel of one already drawn left out (or,
// on dense routes, one hidden under those above it), long lines stroked in
// pieces. Paints into images: the device's size is
// its pixels.
class ReducedRoutePainter {
public:
    ReducedRoutePainter(QPainter& painter, const RouteScene& scene, const RouteParts& parts);

    // Shading, band, core, glyphs and frame, as RoutePainter::paint.
    void paint();
    // The band's thinned lines, one per run of points; what shading fills.
    const std::vector<QPolygonF>& bandLines() const { return band; }
    // The left-out point's index, or -1.
    int64_t leftOutIndex() const { return leftOut; }

    // Strokes lines in pieces: a semi-transparent pen goes through an
    // opaque mask, so pieces that overlap blend once, as one stroke does.
    static void strokeInPieces(QPainter& painter, const std::vector<QPolygonF>& lines,
                               const QPen& pen, int64_t denseFrom = RouteParts().denseFrom);

private:
    // Points [from, to) of the route.
    struct Run {
        int64_t from = 0;
        int64_t to = 0;
    };
    struct Lines {
        std::vector<QPolygonF> core;
        std::vector<QPolygonF> band;
    };

    void thin();
    void addRuns(const std::vector<Run>& runs, std::vector<QPolygonF>& coreLines,
                 std::vector<QPolygonF>& bandLines) const;
    void drawGlyphs();
    void layGlyphs();
    void layGlyphs(GlyphLayer& layer) const;
    QPointF onDevice(const MyPoint& point) const;
    bool alreadyDrawn(RoutePainter::Glyph glyph, const MyPoint& point);

    QPainter& painter;
    const RouteScene& scene;
    RouteParts parts;
    int64_t count = 0;
    int64_t leftOut = -1;
    QSize pixels;
    // The painter's, taken once: asking for it builds it anew.
    QTransform toDevice;
    std::vector<QPolygonF> core;
    std::vector<QPolygonF> band;
    // One byte per glyph cell: a bit for each kind of glyph drawn there.
    std::vector<uint8_t> glyphCells;
};
