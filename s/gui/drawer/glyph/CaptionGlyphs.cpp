#include "s/gui/drawer/glyph/CaptionGlyphs.h"

#include <algorithm>

namespace s::gui::drawer::glyph {

namespace {
// The restore glyph's two squares are this many pixels apart on each axis.
constexpr int64_t kRestoreOffset = 3;
// Thickness of the maximize square's top edge (its title bar).
constexpr int64_t kMaximizeTitle = 3;
// Thickness of the restore squares' top edges.
constexpr int64_t kRestoreTitle = 2;
// Transform barbs: columns 3, 4 and 5 units long beside the bar's end.
constexpr int64_t kBarbColumns = 3;
} // namespace

int64_t CaptionGlyphs::lowRow(const GlyphFrame& frame) {
    return frame.y0 + GlyphFrame::floorDiv(4 * frame.H, 5);
}

void CaptionGlyphs::minimize(const GlyphFrame& frame) {
    frame.fill(frame.x0, lowRow(frame), frame.W, 2 * frame.s);
}

void CaptionGlyphs::transform(const GlyphFrame& frame) {
    // Two arrows in opposite directions, like a swap: the upper bar with a
    // barb hanging down at its left end, the lower bar with a barb rising at
    // its right end. In scale units, so they double with the display.
    // In a low box the lower bar is lifted so that it stays inside.
    const int64_t s = frame.s;
    const int64_t upper = frame.y0 + s;
    const int64_t lower = std::min(lowRow(frame), frame.y1 - 2 * s);
    frame.fill(frame.x0, upper, frame.W - s, 2 * s);
    frame.fill(frame.x0 + s, lower, frame.W - s, 2 * s);
    for (int64_t k = 1; k <= kBarbColumns; ++k) {
        frame.fill(frame.x0 + k * s, upper, s, (2 + k) * s);
        frame.fill(frame.x1 - (k + 1) * s, lower - k * s, s, (2 + k) * s);
    }
}

void CaptionGlyphs::dot(const GlyphFrame& frame) {
    const int64_t side = 2 * frame.s;
    frame.fill(frame.right - 3 * frame.s, lowRow(frame), side, side);
}

void CaptionGlyphs::close(const GlyphFrame& frame) {
    closeDiagonal(frame, frame.x0 + frame.bx, 1);
    closeDiagonal(frame, frame.right - 3 * frame.s - frame.bx, -1);
}

void CaptionGlyphs::closeDiagonal(const GlyphFrame& frame, int64_t startX, int64_t direction) {
    // Squares of 2s stepping one pixel down and one pixel sideways each, so
    // the stroke is 2s thick at every scale and has no stair gaps.
    const int64_t side = 2 * frame.s;
    const int64_t startY = frame.y0 + frame.by;
    for (int64_t step = 0;; ++step) {
        const int64_t x = startX + direction * step;
        const int64_t y = startY + step;
        if (y > frame.y1 - side || x < frame.x0 || x + side > frame.x1) {
            return;
        }
        frame.fill(x, y, side, side);
    }
}

void CaptionGlyphs::outline(const GlyphFrame& frame, int64_t x, int64_t y, int64_t side,
                            int64_t topThickness) {
    frame.fill(x, y, side, topThickness);
    frame.fill(x, y, 1, side);
    frame.fill(x + side - 1, y, 1, side);
    frame.fill(x, y + side - 1, side, 1);
}

void CaptionGlyphs::maximize(const GlyphFrame& frame) {
    outline(frame, frame.x0 + frame.bx, frame.y0 + frame.by, frame.N, kMaximizeTitle);
}

void CaptionGlyphs::restore(const GlyphFrame& frame) {
    // The back square peeks out above and to the right of the front one:
    //
    //       +=========+          back: top edge and right edge only
    //    +=========+  |          front: full outline
    //    |         |  |
    //    |         |--+
    //    +---------+
    //
    // The pair, V + 3 on each side, is centred in the inner box.
    const int64_t side = std::min(frame.W, frame.H) - kRestoreOffset;
    const int64_t V = side > 0 ? side & ~int64_t{1} : 0;
    if (V == 0) {
        return;
    }
    const int64_t pair = V + kRestoreOffset;
    const int64_t x = frame.x0 + GlyphFrame::floorDiv(frame.W - pair, 2);
    const int64_t y = frame.y0 + GlyphFrame::floorDiv(frame.H - pair, 2);
    frame.fill(x + kRestoreOffset, y, V, kRestoreTitle);
    frame.fill(x + kRestoreOffset + V - 1, y, 1, V);
    outline(frame, x, y + kRestoreOffset, V, kRestoreTitle);
}

} // namespace s::gui::drawer::glyph
