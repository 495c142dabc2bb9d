#pragma once
#include <cstdint>

namespace s::gui::text {

// The sizes a text asks of a layout: how narrow it may get (minWidth) at
// which height, and how wide and high it may grow (maxWidth, maxHeight).
struct TextExtents {
    int32_t minWidth = 0;
    int32_t height = 0;
    int32_t maxWidth = 0;
    int32_t maxHeight = 0;
};

} // namespace s::gui::text
