#pragma once
#include <cstdint>

#include "s/gui/layout/Rect.h"
#include "s/gui/paint/IRectFill.h"
#include "s/gui/text/TextExtents.h"

namespace s::gui::drawer::checkbox {

// The shapes of a check box: a square box of the side the component gives,
// white inside a frame two display units thick, the check mark's area and
// where the label starts. The label keeps a sixth of the box's side as a
// gap, so the gap grows with the text the box is sized for.
//
//   +------+
//   |+----+|  frame: 2 x unit thick, the frame colour
//   ||    ||  inside: white
//   |+----+|
//   +------+ gap  label ...
//
// Stateless; any thread.
class CheckBoxGeometry {
public:
    // The inside of the box, whatever the scheme.
    static constexpr uint32_t kInside = 0x00FFFFFF;

    // Fills the box with its top-left corner at (left, top).
    static void paintBox(s::gui::paint::IRectFill& target, int32_t left, int32_t top, int32_t side,
                         uint32_t frameColour, int32_t unit);
    // Where the check mark is painted: 2 plain pixels inside the box (the
    // glyph keeps its own margin of a unit inside that).
    static s::gui::layout::Rect markArea(int32_t left, int32_t top, int32_t side);
    // Where the label starts.
    static int32_t labelLeft(int32_t left, int32_t side) { return left + side + side / 6; }
    // A label's sizes widened by the box and gap a text that high gets.
    static s::gui::text::TextExtents widenForBox(s::gui::text::TextExtents label);
};

} // namespace s::gui::drawer::checkbox
