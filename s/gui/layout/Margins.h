#pragma once
#include <cstdint>

#include "s/gui/layout/Point.h"
#include "s/gui/layout/Size.h"

namespace s::gui::layout {

// Space kept free inside a container's edges. A plain value; any thread.
struct Margins {
    int32_t left = 0;
    int32_t right = 0;
    int32_t top = 0;
    int32_t bottom = 0;

    constexpr int32_t horizontal() const { return left + right; }
    constexpr int32_t vertical() const { return top + bottom; }
    // Where the content area starts: children are laid out relative to it.
    constexpr Point contentOrigin() const { return {left, top}; }
    // The content size of an outer size; never negative.
    constexpr Size inside(Size outer) const {
        int32_t width = outer.width - horizontal();
        int32_t height = outer.height - vertical();
        return {width < 0 ? 0 : width, height < 0 ? 0 : height};
    }

    friend constexpr bool operator==(const Margins& a, const Margins& b) {
        return a.left == b.left && a.right == b.right && a.top == b.top && a.bottom == b.bottom;
    }
    friend constexpr bool operator!=(const Margins& a, const Margins& b) { return !(a == b); }
};

} // namespace s::gui::layout
