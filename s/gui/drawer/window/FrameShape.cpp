#include "s/gui/drawer/window/FrameShape.h"

namespace s::gui::drawer::window {

namespace {

// Widths of the rounded corner's pieces, from the outer row inwards.
constexpr int32_t kRoundedRows = 5;
constexpr int32_t kRoundedWidths[kRoundedRows] = {5, 3, 2, 2, 1};
// The slightly rounded corner's piece.
constexpr int32_t kSlightWidth = 2;

} // namespace

void FrameShape::paint(s::gui::paint::IRectFill& target, int32_t width, int32_t height,
                       int32_t topCorners, int32_t bottomCorners, const Colours& colours) {
    if (width <= 0 || height <= 0) {
        return;
    }
    // 1. Background.
    if (!colours.transparent) {
        target.fill(0, 0, width, height, colours.background);
    }
    // 2. Frame lines: top, right, bottom, left (the left one stops above the
    //    bottom line, which covers its last pixel).
    target.fill(0, 0, width, 1, colours.frame);
    target.fill(width - 1, 0, 1, height, colours.frame);
    target.fill(0, height - 1, width, 1, colours.frame);
    target.fill(0, 0, 1, height - 1, colours.frame);
    // 3. Corner pieces of the shape the region gives.
    if (topCorners == kSlightlyRounded || bottomCorners == kSlightlyRounded) {
        if (topCorners == kSlightlyRounded) {
            slightlyRoundedEnd(target, width, 1, colours.frame);
        }
        if (bottomCorners == kSlightlyRounded) {
            slightlyRoundedEnd(target, width, height - 2, colours.frame);
        }
    } else {
        if (topCorners == kRounded) {
            roundedEnd(target, width, 1, 1, colours.frame);
        }
        if (bottomCorners == kRounded) {
            roundedEnd(target, width, height - 2, -1, colours.frame);
        }
    }
}

void FrameShape::slightlyRoundedEnd(s::gui::paint::IRectFill& target, int32_t width, int32_t row,
                                    uint32_t colour) {
    target.fill(0, row, kSlightWidth, 1, colour);
    target.fill(width - kSlightWidth, row, kSlightWidth, 1, colour);
}

void FrameShape::roundedEnd(s::gui::paint::IRectFill& target, int32_t width, int32_t outerRow,
                            int32_t inward, uint32_t colour) {
    for (int32_t step = 0; step < kRoundedRows; ++step) {
        const int32_t row = outerRow + step * inward;
        const int32_t piece = kRoundedWidths[step];
        target.fill(0, row, piece, 1, colour);
        target.fill(width - piece, row, piece, 1, colour);
    }
}

} // namespace s::gui::drawer::window
