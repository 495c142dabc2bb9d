#pragma once
#include "s/gui/drawer/glyph/GlyphFrame.h"

namespace s::gui::drawer::glyph {

// The glyphs of a window's caption buttons (minimize, maximize, restore,
// close, the dot) and the transform glyph. Their pixels are fixed: every
// skin and every test expects exactly these shapes, so they are placed in
// the frame's absolute coordinates by their formulas rather than drawn in
// the scaled square.
//
// Stateless; any thread.
class CaptionGlyphs {
public:
    static void minimize(const GlyphFrame& frame);
    static void transform(const GlyphFrame& frame);
    static void dot(const GlyphFrame& frame);
    static void close(const GlyphFrame& frame);
    static void maximize(const GlyphFrame& frame);
    static void restore(const GlyphFrame& frame);

private:
    // The row four fifths down the inner box, where the low bars sit.
    static int64_t lowRow(const GlyphFrame& frame);
    static void closeDiagonal(const GlyphFrame& frame, int64_t startX, int64_t direction);
    static void outline(const GlyphFrame& frame, int64_t x, int64_t y, int64_t side,
                        int64_t topThickness);
};

} // namespace s::gui::drawer::glyph
