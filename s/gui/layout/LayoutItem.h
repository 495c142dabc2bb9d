#pragma once
#include "s/gui/layout/SizeRange.h"

namespace s::gui::layout {

// What a layout knows of one child: the sizes it accepts and whether it is
// shown. Filled by the container from its children before a pass.
struct LayoutItem {
    SizeRange range;
    bool visible = true;
};

} // namespace s::gui::layout
