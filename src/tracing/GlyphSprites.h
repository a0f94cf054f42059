#pragma once

#include "tracing/RoutePainter.h"

#include <QImage>
#include <QPointF>

#include <array>

// Each glyph drawn once per kind, fill and sixteenth of a pixel of
// position, then copied into place: how the glyphs of a route with more
// points than the screen has pixels are drawn. A copy lands within a 32nd
// of a device pixel of where the glyph belongs; at an eighth, the edges of
// a glyph's outline already differed visibly.
class GlyphSprites {
public:
    enum class Kind { Start, Way, Mid, End };

    explicit GlyphSprites(qreal pixelRatio);

    // `painter` paints an image of this pixel ratio with no world transform;
    // `device` is the glyph's centre in that image's pixels.
    void draw(QPainter& painter, Kind kind, bool fill, QPointF device);

    static Kind kindOf(RoutePainter::Glyph glyph);

private:
    static constexpr int phases = 16;
    const QImage& sprite(Kind kind, bool fill, int phaseX, int phaseY);

    qreal ratio;
    int size;
    std::array<QImage, size_t(4 * 2 * phases * phases)> sprites;
};
