#pragma once

#include "tracing/RoutePainter.h"

#include <QImage>
#include <QPointF>
#include <QRect>

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

    // A sprite in place: its top-left corner in device pixels, and the part
    // of it that holds paint.
    struct Placed {
        const QImage* sprite = nullptr;
        QRect ink;
        QPoint at;
    };
    // The sprite of a glyph centred at `device` (device pixels); none when
    // it would fall wholly outside `region`.
    Placed place(Kind kind, bool fill, QPointF device, const QRect& region);

    static Kind kindOf(RoutePainter::Glyph glyph);

private:
    static constexpr int phases = 16;
    size_t slot(Kind kind, bool fill, int phaseX, int phaseY) const;
    void makeSprite(size_t at, Kind kind, bool fill, int phaseX, int phaseY);

    qreal ratio;
    int size;
    std::array<QImage, size_t(4 * 2 * phases * phases)> sprites;
    std::array<QRect, size_t(4 * 2 * phases * phases)> inks;
};
