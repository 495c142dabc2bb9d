#pragma once
#include <cstdint>

#include "s/gui/paint/IRectFill.h"

namespace s::gui::drawer::image {

// The 1-pixel black frame a picture may carry: the four edges on the
// rectangle's outermost pixels, and the picture drawn inside them. A pure
// rule over a rectangle filler: any thread.
class Frame {
public:
    static constexpr uint32_t kColour = 0x000000;

    // Edges are (right and bottom exclusive).
    struct Area {
        int32_t left;
        int32_t top;
        int32_t right;
        int32_t bottom;
        bool isEmpty() const { return left >= right || top >= bottom; }
    };

    // Fills the top, right, bottom and left edges of `outer` and answers the
    // area inside them (empty when the frame leaves no room). Nothing is
    // filled for an empty or inverted rectangle.
    static Area paint(s::gui::paint::IRectFill& target, const Area& outer);
};

} // namespace s::gui::drawer::image
