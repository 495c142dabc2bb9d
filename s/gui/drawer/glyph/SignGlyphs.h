#pragma once
#include <cstddef>

#include "s/gui/drawer/glyph/GlyphFrame.h"

namespace s::gui::drawer::glyph {

// Signs and marks: minus, plus, plus-minus, the check mark, the size grip,
// the fit arrows, the hand and the keep-ratio brackets. All are drawn in
// the frame's centred square and grow with the scale factor.
//
// Stateless; any thread.
class SignGlyphs {
public:
    static void minus(const GlyphFrame& frame);
    static void plus(const GlyphFrame& frame);
    static void plusMinus(const GlyphFrame& frame);
    static void check(const GlyphFrame& frame);
    static void resizer(const GlyphFrame& frame);
    static void fitWindow(const GlyphFrame& frame);
    static void fitToWindow(const GlyphFrame& frame);
    static void palm(const GlyphFrame& frame);
    static void keepRatio(const GlyphFrame& frame);

private:
    // Bar thickness of the arithmetic signs: a fifth of the square, even.
    static int64_t barThickness(int64_t side);
    static void cross(const GlyphFrame& frame, int64_t x, int64_t y, int64_t side,
                      int64_t thickness);
    // One arrow from near the middle to the square's top-left corner; the
    // fit glyphs mirror it into all four corners.
    static void cornerArrow(const GlyphFrame& grid, int64_t reach);
    static void cornerArrows(const GlyphFrame& grid, int64_t reach);
    // Rectangles (x, y, width, height) of a pattern `cells` on a side,
    // centred in the grid.
    template <size_t Count>
    static void paintParts(const GlyphFrame& grid, int64_t cells, const int64_t (&parts)[Count][4]);
};

} // namespace s::gui::drawer::glyph
