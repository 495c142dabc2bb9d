#pragma once
#include "s/gui/drawer/glyph/GlyphFrame.h"

namespace s::gui::drawer::glyph {

// Glyphs that point: chevrons of scroll bars and combo boxes, double
// chevrons, tree expanders, next/previous, the turning arrows and the
// on-top arrow, plus the grip lines of a scroll-bar thumb. Each shape is
// drawn once pointing right (or up) in the frame's square and turned into
// its other directions, so the pairs are exact mirror images.
//
// Stateless; any thread.
class ArrowGlyphs {
public:
    static void right(const GlyphFrame& frame);
    static void left(const GlyphFrame& frame);
    static void up(const GlyphFrame& frame);
    static void down(const GlyphFrame& frame);
    static void rightRight(const GlyphFrame& frame);
    static void leftLeft(const GlyphFrame& frame);
    static void thumbLineV(const GlyphFrame& frame);
    static void thumbLineH(const GlyphFrame& frame);
    static void treeClosed(const GlyphFrame& frame);
    static void treeOpen(const GlyphFrame& frame);
    static void next(const GlyphFrame& frame);
    static void prev(const GlyphFrame& frame);
    static void turnRight(const GlyphFrame& frame);
    static void turnLeft(const GlyphFrame& frame);
    static void onTop(const GlyphFrame& frame);

    // A right-pointing triangle of columns `columnWidth` cells wide, each two
    // cells shorter and one lower than the one before, the first `base` high
    // at cell (x, y). Play and the tree share it.
    static void stepTriangle(const GlyphFrame& grid, int64_t x, int64_t y, int64_t base,
                             int64_t columnWidth);

private:
    // The chevron's step: 1 pixel at scale 1, 2 pixels from scale 2 on.
    static int64_t chevronStep(const GlyphFrame& frame);
    static void chevron(const GlyphFrame& grid, int64_t x, int64_t arms);
    static void singleChevron(const GlyphFrame& frame);
    static void doubleChevron(const GlyphFrame& frame);
    static void thumbLines(const GlyphFrame& frame);
    static void tree(const GlyphFrame& frame);
    static void nextShape(const GlyphFrame& frame);
    static void turnShape(const GlyphFrame& frame);
};

} // namespace s::gui::drawer::glyph
