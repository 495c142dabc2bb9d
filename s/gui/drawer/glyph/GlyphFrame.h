#pragma once
#include <cstdint>

#include "s/gui/paint/IRectFill.h"

namespace s::gui::drawer::glyph {

// The geometry every glyph is laid out in, and the one door its rectangles
// leave through. From the rectangle a glyph is given (right and bottom
// exclusive) and the scale factor s:
//
//   left,top +-------------------------------+
//            |  s                            |
//            |   x0,y0 +-------------------+ |    inner box W x H
//            |         |  bx  +-------+    | |    N = min(W, H), even
//            |         |      | N x N |    | |    square centred in it
//            |         |      +-------+    | |
//            |         +-------------------+ |
//            |                         x1,y1 |
//            +-------------------------------+ right,bottom
//
// Caption glyphs are placed in these absolute coordinates. The other glyphs
// are drawn on a grid of n x n cells laid over the square (cells of `unit`
// pixels, n = N / unit, the grid centred in the square) through fillLocal.
// A glyph drawn in cells of s pixels is, at scale 2 in a box twice as
// large, exactly its scale-1 picture with every pixel doubled. fillLocal can
// also mirror and transpose the grid: one routine draws a right-pointing
// arrow and the others come out as its exact mirror images.
//
// Every rectangle is clipped to the given rectangle before it is emitted, so
// a glyph never paints outside its button, whatever its size. Coordinates
// are 64-bit inside so that no rectangle near the ends of the 32-bit range
// overflows.
//
// A value type for one paint; used on the painting thread only.
class GlyphFrame {
public:
    GlyphFrame(s::gui::paint::IRectFill& target, int64_t left, int64_t top, int64_t right,
               int64_t bottom, uint32_t colour, int64_t scale);

    // The same grid seen mirrored and/or transposed (transposition first).
    GlyphFrame turned(bool transpose, bool mirrorX, bool mirrorY) const;
    // The square as a grid of cells `cellSize` pixels wide (at least 1).
    GlyphFrame inUnits(int64_t cellSize) const;

    // A rectangle in absolute coordinates, in the glyph's colour or another.
    void fill(int64_t x, int64_t y, int64_t width, int64_t height) const;
    void fillColour(int64_t x, int64_t y, int64_t width, int64_t height, uint32_t fillColour) const;
    // A rectangle in cells of the grid.
    void fillLocal(int64_t x, int64_t y, int64_t width, int64_t height) const;

    // Rounds down towards minus infinity, as the formulas of the glyphs mean.
    static int64_t floorDiv(int64_t value, int64_t divisor);
    // Largest multiple of `step` not above `value` (value >= 0).
    static int64_t roundDown(int64_t value, int64_t step);

    int64_t left, top, right, bottom;
    int64_t s;
    int64_t x0, y0, x1, y1;
    int64_t W, H, N;
    int64_t bx, by;
    // The grid: cell size in pixels and cells per side (1 and N at first).
    int64_t unit, n;

private:
    s::gui::paint::IRectFill* target;
    uint32_t colour;
    // Where cell (0, 0) starts, in pixels.
    int64_t gridLeft, gridTop;
    bool transpose = false;
    bool mirrorX = false;
    bool mirrorY = false;
};

} // namespace s::gui::drawer::glyph
