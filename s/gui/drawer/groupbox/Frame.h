#pragma once
#include <cstdint>

#include "s/gui/paint/IRectFill.h"

namespace s::gui::drawer::groupbox {

// The frame of a group box: a rounded rectangle outline with a gap in its
// top edge where the caption sits. The caption starts 9 units in (9 plain
// pixels for the basic frame) and the gap leaves 2 pixels (4 from scale 2
// on) of air on either side of it.
//
//      caption
//   ..--  Text  -------..       the corners are cut by small blocks, so
//   |                    |      the outline reads as rounded at any scale
//   |                    |
//   '--------------------'
//
// The caption's x is measured from the context's origin, as the box draws
// in its own client area (left = top = 0); the edges follow the rectangle.
// A pure rule over a rectangle filler: any thread.
class Frame {
public:
    // Where the caption of the thin frame starts: 9 units.
    static int32_t thinCaptionLeft(int32_t unit) { return kCaptionIndent * unit; }
    // The basic frame's caption starts 9 plain pixels in at every scale.
    static int32_t basicCaptionLeft() { return kCaptionIndent; }

    // Edges 2 pixels thick below scale 2, else 4 with three-step corners.
    // Nothing for an empty or inverted rectangle.
    static void paintThin(s::gui::paint::IRectFill& target, int32_t left, int32_t top,
                          int32_t right, int32_t bottom, int32_t captionWidth, int32_t unit,
                          uint32_t colour);
    // 1-pixel lines at every scale. Nothing for an empty or inverted rectangle.
    static void paintBasic(s::gui::paint::IRectFill& target, int32_t left, int32_t top,
                           int32_t right, int32_t bottom, int32_t captionWidth, uint32_t colour);

private:
    static constexpr int32_t kCaptionIndent = 9;

    static void paintThinFine(s::gui::paint::IRectFill& target, int32_t left, int32_t top,
                              int32_t right, int32_t bottom, int32_t captionEnd, int32_t unit,
                              uint32_t colour);
    static void paintThinBold(s::gui::paint::IRectFill& target, int32_t left, int32_t top,
                              int32_t right, int32_t bottom, int32_t captionEnd, int32_t unit,
                              uint32_t colour);
};

} // namespace s::gui::drawer::groupbox
