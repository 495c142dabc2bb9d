#include "s/gui/drawer/glyph/ArrowGlyphs.h"

#include <algorithm>

namespace s::gui::drawer::glyph {

namespace {
// Double chevrons start this many cells apart (6 pixels at scale 1).
constexpr int64_t kDoubleChevronApart = 6;
} // namespace

int64_t ArrowGlyphs::chevronStep(const GlyphFrame& frame) {
    return frame.s >= 2 ? 2 : 1;
}

void ArrowGlyphs::chevron(const GlyphFrame& grid, int64_t x, int64_t arms) {
    // `arms` + 1 squares of 2 x 2 cells per diagonal, stepping one cell
    // right and one cell towards the middle row; both share the tip square.
    //
    //   ##
    //    ##
    //     ##   <- tip
    //    ##
    //   ##
    const int64_t across = 2 * (arms + 1);
    const int64_t y = GlyphFrame::floorDiv(grid.n - across, 2);
    for (int64_t k = 0; k <= arms; ++k) {
        grid.fillLocal(x + k, y + k, 2, 2);
        grid.fillLocal(x + k, y + 2 * arms - k, 2, 2);
    }
}

void ArrowGlyphs::singleChevron(const GlyphFrame& frame) {
    // About three quarters of the square across. The cells are 1 pixel at
    // scale 1 and 2 pixels from scale 2 on, so large screens get a finer
    // diagonal rather than coarse stairs.
    const GlyphFrame grid = frame.inUnits(chevronStep(frame));
    const int64_t arms = std::max<int64_t>(1, grid.n * 3 / 8 - 1);
    chevron(grid, GlyphFrame::floorDiv(grid.n - (arms + 2), 2), arms);
}

void ArrowGlyphs::doubleChevron(const GlyphFrame& frame) {
    const GlyphFrame grid = frame.inUnits(chevronStep(frame));
    // In a small square the two come closer, down to touching.
    const int64_t arms = std::max<int64_t>(1, grid.n / 4 - 1);
    const int64_t along = arms + 2;
    const int64_t apart = std::max(along, std::min(kDoubleChevronApart, grid.n - along));
    const int64_t x = GlyphFrame::floorDiv(grid.n - along - apart, 2);
    chevron(grid, x, arms);
    chevron(grid, x + apart, arms);
}

void ArrowGlyphs::right(const GlyphFrame& frame) {
    singleChevron(frame);
}
void ArrowGlyphs::left(const GlyphFrame& frame) {
    singleChevron(frame.turned(false, true, false));
}
void ArrowGlyphs::down(const GlyphFrame& frame) {
    singleChevron(frame.turned(true, false, false));
}
void ArrowGlyphs::up(const GlyphFrame& frame) {
    singleChevron(frame.turned(true, false, true));
}
void ArrowGlyphs::rightRight(const GlyphFrame& frame) {
    doubleChevron(frame);
}
void ArrowGlyphs::leftLeft(const GlyphFrame& frame) {
    doubleChevron(frame.turned(false, true, false));
}

void ArrowGlyphs::thumbLines(const GlyphFrame& frame) {
    // Two vertical lines one cell (s) thick with two cells between them,
    // half the square long.
    const GlyphFrame grid = frame.inUnits(frame.s);
    const int64_t length = std::max<int64_t>(2, GlyphFrame::roundDown(grid.n / 2, 2));
    const int64_t x = GlyphFrame::floorDiv(grid.n - 4, 2);
    const int64_t y = GlyphFrame::floorDiv(grid.n - length, 2);
    grid.fillLocal(x, y, 1, length);
    grid.fillLocal(x + 3, y, 1, length);
}

void ArrowGlyphs::thumbLineV(const GlyphFrame& frame) {
    thumbLines(frame);
}
void ArrowGlyphs::thumbLineH(const GlyphFrame& frame) {
    thumbLines(frame.turned(true, false, false));
}

void ArrowGlyphs::stepTriangle(const GlyphFrame& grid, int64_t x, int64_t y, int64_t base,
                               int64_t columnWidth) {
    for (int64_t k = 0; base - 2 * k > 0; ++k) {
        grid.fillLocal(x + k * columnWidth, y + k, columnWidth, base - 2 * k);
    }
}

void ArrowGlyphs::tree(const GlyphFrame& frame) {
    // Two thirds of the square high and half that wide, centred.
    const GlyphFrame grid = frame.inUnits(frame.s);
    const int64_t base = std::max<int64_t>(2, GlyphFrame::roundDown(grid.n * 2 / 3, 2));
    const int64_t width = base / 2;
    stepTriangle(grid, GlyphFrame::floorDiv(grid.n - width, 2),
                 GlyphFrame::floorDiv(grid.n - base, 2), base, 1);
}

void ArrowGlyphs::treeClosed(const GlyphFrame& frame) {
    tree(frame);
}
void ArrowGlyphs::treeOpen(const GlyphFrame& frame) {
    tree(frame.turned(true, false, false));
}

void ArrowGlyphs::nextShape(const GlyphFrame& frame) {
    // The tree's triangle, a gap of one cell, then a bar two cells wide as
    // high as the triangle: |> played backwards reads <|.
    const GlyphFrame grid = frame.inUnits(frame.s);
    const int64_t base = std::max<int64_t>(2, GlyphFrame::roundDown(grid.n * 2 / 3, 2));
    const int64_t x = GlyphFrame::floorDiv(grid.n - (base / 2 + 3), 2);
    const int64_t y = GlyphFrame::floorDiv(grid.n - base, 2);
    stepTriangle(grid, x, y, base, 1);
    grid.fillLocal(x + base / 2 + 1, y, 2, base);
}

void ArrowGlyphs::next(const GlyphFrame& frame) {
    nextShape(frame);
}
void ArrowGlyphs::prev(const GlyphFrame& frame) {
    nextShape(frame.turned(false, true, false));
}

void ArrowGlyphs::turnShape(const GlyphFrame& frame) {
    // A shaft two cells thick rising from the bottom left and turning right
    // along the top, ending in a head of 2 x 2 squares:
    //
    //            ##
    //             ##
    //   ############>
    //   ##        ##
    //   ##       ##
    //   ##
    const GlyphFrame grid = frame.inUnits(frame.s);
    const int64_t n = grid.n;
    const int64_t head = std::max<int64_t>(1, n / 3);
    grid.fillLocal(0, head, n - 2, 2);
    grid.fillLocal(0, head, 2, n - head);
    for (int64_t k = 0; k <= head; ++k) {
        grid.fillLocal(n - 2 - k, head - k, 2, 2);
        grid.fillLocal(n - 2 - k, head + k, 2, 2);
    }
}

void ArrowGlyphs::turnRight(const GlyphFrame& frame) {
    turnShape(frame);
}
void ArrowGlyphs::turnLeft(const GlyphFrame& frame) {
    turnShape(frame.turned(false, true, false));
}

void ArrowGlyphs::onTop(const GlyphFrame& frame) {
    // A shaft two cells wide down the middle, a head of 2 x 2 squares at
    // its top.
    const GlyphFrame grid = frame.inUnits(frame.s);
    const int64_t middle = grid.n / 2 - 1;
    const int64_t head = std::max<int64_t>(1, std::min(middle, grid.n / 3));
    grid.fillLocal(middle, 0, 2, grid.n);
    for (int64_t k = 0; k <= head; ++k) {
        grid.fillLocal(middle - k, k, 2, 2);
        grid.fillLocal(middle + k, k, 2, 2);
    }
}

} // namespace s::gui::drawer::glyph
