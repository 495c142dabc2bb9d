#pragma once
#include <cstdint>

namespace s::gui::layout {

// A position in pixels: of a component inside its parent's content area, or
// on the screen. A plain value; any thread.
struct Point {
    int32_t x = 0;
    int32_t y = 0;

    friend constexpr Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
    friend constexpr Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
    friend constexpr bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
    friend constexpr bool operator!=(Point a, Point b) { return !(a == b); }
};

} // namespace s::gui::layout
