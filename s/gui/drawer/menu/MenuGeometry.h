#pragma once
#include <cstdint>

#include "s/gui/layout/Rect.h"
#include "s/gui/paint/IRectFill.h"

namespace s::gui::drawer::menu {

// The shapes of self-drawn menus: an item of a menu bar (its text with a
// little room on both sides), an item of a drop-down menu (its text indented
// past the column where check marks go) and the separator line between
// groups of drop-down items. A selected item is filled over its whole
// rectangle. Sizes are in display units.
//
//   bar:        | 6 | text | 6 |
//   drop-down:  |    20    | text ...         | 8 |
//   separator:  | 4 |------------------------| 4 |   one unit thick, centred
//
// Stateless; any thread.
class MenuGeometry {
public:
    static constexpr int32_t kBarPadding = 6;
    static constexpr int32_t kItemIndent = 20;
    static constexpr int32_t kItemRightPadding = 8;
    static constexpr int32_t kSeparatorInset = 4;

    // Where a bar item's and a drop-down item's text goes: one line of
    // `textHeight`, centred in the item's height.
    static s::gui::layout::Rect barText(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                        int32_t textHeight, int32_t unit);
    static s::gui::layout::Rect itemText(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                         int32_t textHeight, int32_t unit);
    // Fills the selection over the item, nothing for an empty one.
    static void paintSelection(s::gui::paint::IRectFill& target, int32_t left, int32_t top,
                               int32_t right, int32_t bottom, uint32_t colour);
    static void paintSeparator(s::gui::paint::IRectFill& target, int32_t left, int32_t top,
                               int32_t right, int32_t bottom, uint32_t colour, int32_t unit);

private:
    static s::gui::layout::Rect line(int32_t left, int32_t right, int32_t top, int32_t bottom,
                                     int32_t textHeight);
};

} // namespace s::gui::drawer::menu
