#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"

namespace s::gui::drawer {

// The drawer of a whole top-level window: background and frame in one pass,
// and the window's shape. A window with such a drawer has no system frame;
// it paints through its off-screen buffer by calling draw() with the
// buffer's device context.
//
// Corner styles: 0 square, 1 slightly rounded, 2 rounded.
class IWindow : public IDrawer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_IWindow";

    // Paints background and frame into the context over the rectangle
    // (right and bottom exclusive).
    virtual void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    // A new region for the window's shape over the rectangle, owned by the
    // caller; null for the plain rectangle.
    virtual HRGN getRegion(int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;

    virtual COLORREF getBackground() const = 0;
    virtual uint8_t getBackgroundRed() const = 0;
    virtual uint8_t getBackgroundGreen() const = 0;
    virtual uint8_t getBackgroundBlue() const = 0;
    // Sets the colour and makes the background painted (not transparent).
    virtual void setBackground(uint8_t red, uint8_t green, uint8_t blue) = 0;

    virtual uint8_t getFrameRed() const = 0;
    virtual uint8_t getFrameGreen() const = 0;
    virtual uint8_t getFrameBlue() const = 0;
    virtual void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) = 0;

    virtual void setTopCorners(int32_t style) = 0;
    virtual void setBottomCorners(int32_t style) = 0;
};

} // namespace s::gui::drawer
