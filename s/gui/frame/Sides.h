#pragma once
#include <cstdint>

namespace s::gui::frame {

// A rectangle by its four edges, as sizing works on it: a drag moves single
// edges, not a corner and a size. Right and bottom are exclusive. A plain
// value; any thread.
struct Sides {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr int32_t width() const { return right - left; }
    constexpr int32_t height() const { return bottom - top; }

    friend constexpr bool operator==(const Sides& a, const Sides& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    friend constexpr bool operator!=(const Sides& a, const Sides& b) { return !(a == b); }
};

} // namespace s::gui::frame
