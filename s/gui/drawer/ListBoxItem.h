#pragma once
#include <cstdint>

namespace s::gui::drawer {

// What a list or tree tells the list box drawer about one row besides its
// rectangle, icon and text. A plain value; any thread.
struct ListBoxItem {
    // The tree expander in front of the row: none in a plain list (no room
    // kept), a leaf (room kept, nothing drawn), closed or open.
    enum Expander : int32_t { NoTree = -1, Leaf = 0, Closed = 1, Open = 2 };
    // The check box: none, unchecked, checked (a check mark) or partly
    // checked (a filled square).
    enum Check : int32_t { NoCheckBox = -1, Unchecked = 0, Checked = 1, Partial = 2 };
    // Where a dragged row would be dropped: nowhere, above or below this row.
    enum DropLine : int32_t { NoDrop = 0, Above = 1, Below = 2 };

    int32_t level = 0;
    int32_t expander = NoTree;
    int32_t check = NoCheckBox;
    int32_t dropLine = NoDrop;
    bool selected = false;
    bool hasIcon = false;
};

} // namespace s::gui::drawer
