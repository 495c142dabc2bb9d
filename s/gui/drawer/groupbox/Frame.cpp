#include "s/gui/drawer/groupbox/Frame.h"

namespace s::gui::drawer::groupbox {

namespace {

// Fills only what has a size: a caption wider than the box leaves the top
// edge's second piece with a negative width, which draws nothing.
void put(s::gui::paint::IRectFill& target, int32_t x, int32_t y, int32_t width, int32_t height,
         uint32_t colour) {
    if (width > 0 && height > 0) {
        target.fill(x, y, width, height, colour);
    }
}

} // namespace

void Frame::paintThin(s::gui::paint::IRectFill& target, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, int32_t captionWidth, int32_t unit, uint32_t colour) {
    if (left >= right || top >= bottom) {
        return;
    }
    const int32_t captionEnd = thinCaptionLeft(unit) + captionWidth;
    if (unit < 2) {
        paintThinFine(target, left, top, right, bottom, captionEnd, unit, colour);
    } else {
        paintThinBold(target, left, top, right, bottom, captionEnd, unit, colour);
    }
}

void Frame::paintThinFine(s::gui::paint::IRectFill& target, int32_t left, int32_t top,
                          int32_t right, int32_t bottom, int32_t captionEnd, int32_t unit,
                          uint32_t colour) {
    const int32_t height = bottom - top;
    // 1. Edges, 2 pixels thick, the top one broken for the caption.
    put(target, left + 2, top, kCaptionIndent * unit - 4, 2, colour);
    put(target, captionEnd + 2, top, right - captionEnd - left - 4, 2, colour);
    put(target, left + 2, bottom - 2, right - left - 4, 2, colour);
    put(target, left, top + 2, 2, height - 4, colour);
    put(target, right - 2, top + 2, 2, height - 4, colour);
    // 2. Corner blocks round the outside, single pixels the inside.
    put(target, left + 1, top + 1, 2, 2, colour);
    put(target, right - 3, top + 1, 2, 2, colour);
    put(target, left + 1, bottom - 3, 2, 2, colour);
    put(target, right - 3, bottom - 3, 2, 2, colour);
    put(target, left + 1, top + 2, 1, 1, colour);
    put(target, right - 2, top + 2, 1, 1, colour);
    put(target, left + 1, bottom - 3, 1, 1, colour);
    put(target, right - 2, bottom - 3, 1, 1, colour);
}

void Frame::paintThinBold(s::gui::paint::IRectFill& target, int32_t left, int32_t top,
                          int32_t right, int32_t bottom, int32_t captionEnd, int32_t unit,
                          uint32_t colour) {
    const int32_t height = bottom - top;
    // 1. Edges, 4 pixels thick, the top one broken for the caption.
    put(target, left + 4, top, kCaptionIndent * unit - 8, 4, colour);
    put(target, captionEnd + 4, top, right - captionEnd - left - 8, 4, colour);
    put(target, left + 4, bottom - 4, right - left - 8, 4, colour);
    put(target, left, top + 4, 4, height - 8, colour);
    put(target, right - 4, top + 4, 4, height - 8, colour);
    // 2. Each corner: three 4 x 4 blocks stepping along the diagonal.
    constexpr int32_t kBlock = 4;
    for (int32_t step = 0; step < 3; ++step) {
        put(target, left + 1 + step, top + 3 - step, kBlock, kBlock, colour);
        put(target, right - 7 + step, top + 1 + step, kBlock, kBlock, colour);
        put(target, left + 1 + step, bottom - 7 + step, kBlock, kBlock, colour);
        put(target, right - 7 + step, bottom - 5 - step, kBlock, kBlock, colour);
    }
}

void Frame::paintBasic(s::gui::paint::IRectFill& target, int32_t left, int32_t top, int32_t right,
                       int32_t bottom, int32_t captionWidth, uint32_t colour) {
    if (left >= right || top >= bottom) {
        return;
    }
    const int32_t height = bottom - top;
    const int32_t captionEnd = basicCaptionLeft() + captionWidth;
    // 1. Edges, 1 pixel, the top one broken for the caption.
    put(target, left + 2, top, 5, 1, colour);
    put(target, captionEnd + 2, top, right - captionEnd - left - 4, 1, colour);
    put(target, left + 2, bottom - 1, right - left - 4, 1, colour);
    put(target, left, top + 2, 1, height - 4, colour);
    put(target, right - 1, top + 2, 1, height - 4, colour);
    // 2. Corners: a 2-pixel piece outside, a single pixel inside.
    put(target, left + 1, top + 1, 2, 1, colour);
    put(target, right - 3, top + 1, 2, 1, colour);
    put(target, left + 1, bottom - 2, 2, 1, colour);
    put(target, right - 3, bottom - 2, 2, 1, colour);
    put(target, left + 1, top + 2, 1, 1, colour);
    put(target, right - 2, top + 2, 1, 1, colour);
    put(target, left + 1, bottom - 3, 1, 1, colour);
    put(target, right - 2, bottom - 3, 1, 1, colour);
}

} // namespace s::gui::drawer::groupbox
