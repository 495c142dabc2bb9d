#pragma once
#include <cstdint>

namespace s::gui::layout {

// A width and a height in pixels. A plain value; any thread.
struct Size {
    int32_t width = 0;
    int32_t height = 0;

    friend constexpr bool operator==(Size a, Size b) {
        return a.width == b.width && a.height == b.height;
    }
    friend constexpr bool operator!=(Size a, Size b) { return !(a == b); }
};

} // namespace s::gui::layout
