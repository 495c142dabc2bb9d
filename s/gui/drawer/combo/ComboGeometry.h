#pragma once
#include <cstdint>

#include "s/gui/layout/Rect.h"
#include "s/gui/paint/IRectFill.h"

namespace s::gui::drawer::combo {

// The shapes of a closed combo box drawn as a button: the text box on the
// left, a thin separator and the down arrow on the right. The text box
// follows the button's state the way a button's label does: up and left
// under the mouse, down and right when pressed.
//
//   +-------------------------+
//   |  text box          | v  |
//   +-------------------------+
//                        ^ separator (1 unit wide), arrow 10 units wide
//
// Stateless; any thread.
class ComboGeometry {
public:
    // The text box for state 0 (normal), 1 (hot) or 2 (pressed); any other
    // state is drawn as normal.
    static s::gui::layout::Rect textBox(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                        int32_t state, int32_t unit);
    // One line of text `textHeight` high, centred in the box's height.
    static s::gui::layout::Rect textLine(const s::gui::layout::Rect& box, int32_t textHeight);
    // The separator right of the text box.
    static void paintSeparator(s::gui::paint::IRectFill& target, const s::gui::layout::Rect& box,
                               uint32_t colour, int32_t unit);
    // Where the down arrow's glyph is painted.
    static s::gui::layout::Rect arrowArea(const s::gui::layout::Rect& box, int32_t unit);
};

} // namespace s::gui::drawer::combo
