#include "s/gui/drawer/glyph/GlyphFrame.h"

#include <algorithm>
#include <utility>

namespace s::gui::drawer::glyph {

GlyphFrame::GlyphFrame(s::gui::paint::IRectFill& target, int64_t left, int64_t top, int64_t right,
                       int64_t bottom, uint32_t colour, int64_t scale)
    : left(left), top(top), right(right), bottom(bottom), s(scale), x0(left + scale),
      y0(top + scale), x1(right - scale), y1(bottom - scale), W(x1 - x0), H(y1 - y0),
      N(std::max<int64_t>(0, std::min(W, H)) & ~int64_t{1}), bx(floorDiv(W - N, 2)),
      by(floorDiv(H - N, 2)), unit(1), n(N), target(&target), colour(colour), gridLeft(x0 + bx),
      gridTop(y0 + by) {}

GlyphFrame GlyphFrame::turned(bool transposed, bool mirroredX, bool mirroredY) const {
    GlyphFrame copy = *this;
    copy.transpose = transposed;
    copy.mirrorX = mirroredX;
    copy.mirrorY = mirroredY;
    return copy;
}

GlyphFrame GlyphFrame::inUnits(int64_t cellSize) const {
    GlyphFrame copy = *this;
    copy.unit = std::max<int64_t>(1, cellSize);
    copy.n = N / copy.unit;
    const int64_t margin = floorDiv(N - copy.n * copy.unit, 2);
    copy.gridLeft = x0 + bx + margin;
    copy.gridTop = y0 + by + margin;
    return copy;
}

void GlyphFrame::fill(int64_t x, int64_t y, int64_t width, int64_t height) const {
    fillColour(x, y, width, height, colour);
}

void GlyphFrame::fillColour(int64_t x, int64_t y, int64_t width, int64_t height,
                            uint32_t fillColour) const {
    const int64_t clippedLeft = std::max(x, left);
    const int64_t clippedTop = std::max(y, top);
    const int64_t clippedRight = std::min(x + width, right);
    const int64_t clippedBottom = std::min(y + height, bottom);
    if (clippedLeft >= clippedRight || clippedTop >= clippedBottom) {
        return;
    }
    // Inside a rectangle of 32-bit coordinates, so every value fits again.
    target->fill(static_cast<int32_t>(clippedLeft), static_cast<int32_t>(clippedTop),
                 static_cast<int32_t>(clippedRight - clippedLeft),
                 static_cast<int32_t>(clippedBottom - clippedTop), fillColour);
}

void GlyphFrame::fillLocal(int64_t x, int64_t y, int64_t width, int64_t height) const {
    if (transpose) {
        std::swap(x, y);
        std::swap(width, height);
    }
    if (mirrorX) {
        x = n - x - width;
    }
    if (mirrorY) {
        y = n - y - height;
    }
    fill(gridLeft + x * unit, gridTop + y * unit, width * unit, height * unit);
}

int64_t GlyphFrame::floorDiv(int64_t value, int64_t divisor) {
    const int64_t quotient = value / divisor;
    return (value % divisor != 0 && ((value < 0) != (divisor < 0))) ? quotient - 1 : quotient;
}

int64_t GlyphFrame::roundDown(int64_t value, int64_t step) {
    return step > 0 ? floorDiv(value, step) * step : value;
}

} // namespace s::gui::drawer::glyph
