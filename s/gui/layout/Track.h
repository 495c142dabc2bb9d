#pragma once
#include <cstdint>

namespace s::gui::layout {

// One child (or one row of a flow) seen along a single axis: the working
// record of the linear passes. A plain value.
struct Track {
    int32_t minimum = 0;  // what it needs
    int32_t largest = 0;  // the most it can use (the larger of minimum and maximum)
    int32_t size = 0;     // what it was given
    int32_t position = 0; // where it starts
};

} // namespace s::gui::layout
