#pragma once
#include <cstdint>

namespace s::gui::layout {

// The built-in layouts of a container, by their stored codes.
enum class LayoutKind : int32_t {
    Horizontal = 0, // children side by side in a row
    Vertical = 1,   // children stacked in a column (the default)
    Flow = 2,       // rows that wrap within the width
    Pile = 3,       // every child over the whole content area
};

} // namespace s::gui::layout
