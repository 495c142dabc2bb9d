#include "s/gui/drawer/checkbox/CheckBoxGeometry.h"

namespace s::gui::drawer::checkbox {

using s::gui::layout::Rect;

void CheckBoxGeometry::paintBox(s::gui::paint::IRectFill& target, int32_t left, int32_t top,
                                int32_t side, uint32_t frameColour, int32_t unit) {
    const int32_t edge = 2 * unit;
    target.fill(left + edge, top + edge, side - 2 * edge, side - 2 * edge, kInside);
    target.fill(left, top, side, edge, frameColour);
    target.fill(left + side - edge, top, edge, side, frameColour);
    target.fill(left, top + side - edge, side, edge, frameColour);
    target.fill(left, top, edge, side, frameColour);
}

Rect CheckBoxGeometry::markArea(int32_t left, int32_t top, int32_t side) {
    constexpr int32_t kInset = 2;
    return {left + kInset, top + kInset, side - 2 * kInset, side - 2 * kInset};
}

s::gui::text::TextExtents CheckBoxGeometry::widenForBox(s::gui::text::TextExtents label) {
    const int32_t room = label.height + label.height / 6;
    label.minWidth += room;
    label.maxWidth += room;
    return label;
}

} // namespace s::gui::drawer::checkbox
