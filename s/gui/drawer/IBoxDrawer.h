#pragma once
#include <windows.h>

#include <cstdint>

namespace s::gui::drawer {

// Paints the background of a box (a skin's panel). The box hands over the
// context of its off-screen buffer and the rectangle to fill; what the
// drawer draws is all the box shows behind its children.
//
// A drawer belongs to its skin, or to the box when the box was given it as
// owned; the box then gives it back with release(). Called on the box's
// window thread.
class IBoxDrawer {
public:
    virtual ~IBoxDrawer() = default;
    // `hover` is the box's hover state: 1 over it, 0 after it left, -1
    // before the first move.
    virtual void drawBox(HDC dc, int32_t x, int32_t y, int32_t width, int32_t height,
                         int32_t hover) = 0;
    virtual void release() = 0;
};

} // namespace s::gui::drawer
