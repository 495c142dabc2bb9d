#include "s/gui/drawer/combo/ComboGeometry.h"

namespace s::gui::drawer::combo {

using s::gui::layout::Rect;

namespace {

// Insets of the text box from the box's left, top, right and bottom edges,
// in units, per state.
struct Insets {
    int32_t left, top, right, bottom;
};
constexpr Insets kNormal = {4, 1, 15, 1};
constexpr Insets kHot = {3, 0, 16, 2};
constexpr Insets kPressed = {5, 2, 14, 0};

enum State : int32_t { kHotState = 1, kPressedState = 2 };

} // namespace

Rect ComboGeometry::textBox(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state,
                            int32_t unit) {
    const Insets insets = state == kHotState ? kHot : state == kPressedState ? kPressed : kNormal;
    const int32_t boxLeft = left + insets.left * unit;
    const int32_t boxTop = top + insets.top * unit;
    return {boxLeft, boxTop, right - insets.right * unit - boxLeft,
            bottom - insets.bottom * unit - boxTop};
}

Rect ComboGeometry::textLine(const Rect& box, int32_t textHeight) {
    return {box.x, box.y + (box.height - textHeight) / 2, box.width, textHeight};
}

void ComboGeometry::paintSeparator(s::gui::paint::IRectFill& target, const Rect& box,
                                   uint32_t colour, int32_t unit) {
    target.fill(box.right() + unit, box.y + 2 * unit, unit, box.height - 4 * unit, colour);
}

Rect ComboGeometry::arrowArea(const Rect& box, int32_t unit) {
    return {box.right() + 3 * unit, box.y + 2 * unit, 10 * unit, box.height - 4 * unit};
}

} // namespace s::gui::drawer::combo
