#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>
#include <vector>

class QPainter;

// The glyphs of a route with more points than the screen has pixels, laid
// from the topmost down, each under those already laid. Once a pixel is
// all but opaque nothing under it shows, so a glyph whose ink falls only on
// such pixels is passed over at the cost of a look-up: where glyphs pile up
// by the thousand, few are blended. The layer then goes over the lines in
// one copy, which gives the picture that drawing them bottom first over
// the lines gives.
class GlyphLayer {
public:
    // A layer over `region` (all of it when null) of a device of `pixels`
    // device pixels at `pixelRatio`, on which glyphs are laid; a region
    // whose size is a multiple of eight pixels passes over hidden glyphs up
    // to its edges.
    GlyphLayer(QSize pixels, qreal pixelRatio, const QRect& region = QRect());

    // Lays `sprite` (premultiplied) with its top-left at `at` in device
    // pixels under what is laid; only its `ink` rectangle holds paint.
    // Transparent columns right of the ink let whole groups of four pixels
    // be laid.
    void addUnder(const QImage& sprite, const QRect& ink, QPoint at);
    // Paints the layer's region over `painter`'s device, pixel for pixel.
    void paintOver(QPainter& painter) const;

    // Where glyphs are laid, in device pixels.
    const QRect& region() const { return bounds; }

    // Glyphs blended so far, and glyphs passed over as hidden.
    int64_t blendedCount() const { return blended; }
    int64_t hiddenCount() const { return hidden; }

private:
    bool coveredWhole(const QRect& area) const;
    // In the layer's own pixels: `area` is the sprite's ink where it lands
    // in the region, `at` the sprite's top-left.
    void blendUnder(const QImage& sprite, const QRect& area, QPoint at);
#if defined(__SSE2__)
    static void blendFour(const uint32_t* in, uint32_t* out, uint16_t* tiles, int x);
#endif

    QImage layer;
    // The layer's pixels, detached once.
    uint32_t* bits = nullptr;
    QRect bounds;
    // Per tile of tileSize x tileSize pixels: how many are all but opaque.
    std::vector<uint16_t> opaqueInTile;
    int tilesAcross = 0;
    int64_t blended = 0;
    int64_t hidden = 0;
};
