#pragma once
#include <cstdint>

#include "s/gui/layout/Point.h"
#include "s/gui/layout/Size.h"

namespace s::gui::layout {

// A rectangle by its top-left corner and its size; right and bottom are
// exclusive. A plain value; any thread.
struct Rect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;

    constexpr Point origin() const { return {x, y}; }
    constexpr Size size() const { return {width, height}; }
    constexpr int32_t right() const { return x + width; }
    constexpr int32_t bottom() const { return y + height; }
    // Edges included: a point on the right or bottom edge still counts, as
    // hit tests of components expect.
    constexpr bool containsWithEdges(Point point) const {
        return point.x >= x && point.x <= right() && point.y >= y && point.y <= bottom();
    }
    constexpr Rect movedBy(Point delta) const { return {x + delta.x, y + delta.y, width, height}; }

    friend constexpr bool operator==(const Rect& a, const Rect& b) {
        return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
    }
    friend constexpr bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }
};

} // namespace s::gui::layout
