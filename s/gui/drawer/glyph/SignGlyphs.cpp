#include "s/gui/drawer/glyph/SignGlyphs.h"

#include <algorithm>

namespace s::gui::drawer::glyph {

namespace {
// The hand is drawn on a grid of this many cells on each side.
constexpr int64_t kPalmCells = 8;
// Its rectangles in cells (x, y, width, height): four fingers, the
// thumb, the palm and the heel.
constexpr int64_t kPalmParts[][4] = {
    {1, 1, 1, 3}, {3, 0, 1, 4}, {5, 0, 1, 4}, {7, 1, 1, 3}, // fingers
    {0, 3, 1, 3},                                           // thumb
    {1, 4, 7, 3},                                           // palm
    {2, 7, 5, 1},                                           // heel
};
// In a square too small for that, a hand of three fingers in six cells.
constexpr int64_t kCompactPalmCells = 6;
constexpr int64_t kCompactPalmParts[][4] = {
    {1, 1, 1, 2}, {3, 0, 1, 3}, {5, 1, 1, 2}, // fingers
    {0, 2, 1, 2},                             // thumb
    {1, 3, 5, 2},                             // palm
    {2, 5, 3, 1},                             // heel
};
} // namespace

int64_t SignGlyphs::barThickness(int64_t side) {
    return std::max<int64_t>(1, GlyphFrame::roundDown(side / 5, 2));
}

void SignGlyphs::cross(const GlyphFrame& frame, int64_t x, int64_t y, int64_t side,
                       int64_t thickness) {
    const int64_t middle = GlyphFrame::floorDiv(side - thickness, 2);
    frame.fillLocal(x, y + middle, side, thickness);
    frame.fillLocal(x + middle, y, thickness, side);
}

void SignGlyphs::minus(const GlyphFrame& frame) {
    const int64_t thickness = barThickness(frame.N);
    frame.fillLocal(0, GlyphFrame::floorDiv(frame.N - thickness, 2), frame.N, thickness);
}

void SignGlyphs::plus(const GlyphFrame& frame) {
    cross(frame, 0, 0, frame.N, barThickness(frame.N));
}

void SignGlyphs::plusMinus(const GlyphFrame& frame) {
    // The plus fills the square but for one bar's height and a gap of the
    // same at the bottom, where the minus lies, as wide as the plus.
    const int64_t thickness = barThickness(frame.N);
    const int64_t side = frame.N - 2 * thickness;
    const int64_t x = GlyphFrame::floorDiv(frame.N - side, 2);
    cross(frame, x, 0, side, thickness);
    frame.fillLocal(x, frame.N - thickness, side, thickness);
}

void SignGlyphs::check(const GlyphFrame& frame) {
    // Squares of 2 x 2 cells stepping one cell: a short stroke down to the
    // bottom point and a stroke twice as long up to the right.
    //
    //          ##
    //         ###
    //   ##   ###
    //   ### ###
    //    #####
    //     ###
    const GlyphFrame grid = frame.inUnits(frame.s);
    const int64_t steps = std::max<int64_t>(1, (grid.n - 2) / 3);
    const int64_t x = GlyphFrame::floorDiv(grid.n - (3 * steps + 2), 2);
    const int64_t y = GlyphFrame::floorDiv(grid.n - (2 * steps + 2), 2);
    for (int64_t k = 0; k <= steps; ++k) {
        grid.fillLocal(x + k, y + steps + k, 2, 2);
    }
    for (int64_t k = 0; k <= 2 * steps; ++k) {
        grid.fillLocal(x + steps + k, y + 2 * steps - k, 2, 2);
    }
}

void SignGlyphs::resizer(const GlyphFrame& frame) {
    // Lines one cell thick every two cells, right-aligned and shorter
    // towards the top: a triangle leaning into the bottom-right corner.
    const GlyphFrame grid = frame.inUnits(frame.s);
    for (int64_t k = 0; grid.n - 2 * k > 0; ++k) {
        grid.fillLocal(2 * k, grid.n - 1 - 2 * k, grid.n - 2 * k, 1);
    }
}

void SignGlyphs::cornerArrow(const GlyphFrame& grid, int64_t reach) {
    // The head is an L two cells thick along the corner's two edges, the
    // shaft a diagonal of 2 x 2 squares from the corner out to `reach`.
    const int64_t head = std::max<int64_t>(4, grid.n * 3 / 8);
    grid.fillLocal(0, 0, head, 2);
    grid.fillLocal(0, 0, 2, head);
    for (int64_t k = 0; k + 2 <= reach; ++k) {
        grid.fillLocal(k, k, 2, 2);
    }
}

void SignGlyphs::cornerArrows(const GlyphFrame& grid, int64_t reach) {
    cornerArrow(grid, reach);
    cornerArrow(grid.turned(false, true, false), reach);
    cornerArrow(grid.turned(false, false, true), reach);
    cornerArrow(grid.turned(false, true, true), reach);
}

void SignGlyphs::fitWindow(const GlyphFrame& frame) {
    // Arrows from the middle out to the four corners, a cell of space
    // left around the centre.
    const GlyphFrame grid = frame.inUnits(frame.s);
    cornerArrows(grid, grid.n / 2 - 1);
}

void SignGlyphs::fitToWindow(const GlyphFrame& frame) {
    // Shorter arrows out to the corners around a picture in the middle.
    const GlyphFrame grid = frame.inUnits(frame.s);
    const int64_t picture = std::max<int64_t>(2, GlyphFrame::roundDown(grid.n / 4, 2));
    const int64_t inset = (grid.n - picture) / 2;
    cornerArrows(grid, inset - 1);
    grid.fillLocal(inset, inset, picture, picture);
}

template <size_t Count>
void SignGlyphs::paintParts(const GlyphFrame& grid, int64_t cells,
                            const int64_t (&parts)[Count][4]) {
    const int64_t offset = GlyphFrame::floorDiv(grid.n - cells, 2);
    for (const auto& part : parts) {
        grid.fillLocal(offset + part[0], offset + part[1], part[2], part[3]);
    }
}

void SignGlyphs::palm(const GlyphFrame& frame) {
    const GlyphFrame grid =
        frame.inUnits(std::max(frame.s, GlyphFrame::roundDown(frame.N / kPalmCells, frame.s)));
    if (grid.n < kPalmCells) {
        paintParts(grid, kCompactPalmCells, kCompactPalmParts);
    } else {
        paintParts(grid, kPalmCells, kPalmParts);
    }
}

void SignGlyphs::keepRatio(const GlyphFrame& frame) {
    // [ ] : two brackets one cell thick at the square's sides, their arms
    // a quarter of it long.
    const GlyphFrame grid = frame.inUnits(frame.s);
    const int64_t n = grid.n;
    const int64_t arm = std::max<int64_t>(2, n / 4);
    for (const GlyphFrame& side : {grid, grid.turned(false, true, false)}) {
        side.fillLocal(0, 0, 1, n);
        side.fillLocal(0, 0, arm, 1);
        side.fillLocal(0, n - 1, arm, 1);
    }
}

} // namespace s::gui::drawer::glyph
