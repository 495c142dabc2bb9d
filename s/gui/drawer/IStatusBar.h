#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"

namespace s::gui::drawer {

// The status bar's drawer. It paints nothing: a status bar that needs
// painting draws itself, and takes only its height and background from
// here.
//
// Owned by a skin; no lock (see IDrawer).
class IStatusBar : public IDrawer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_IStatusBar";

    virtual void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom) = 0;
    // The bar's height in pixels.
    virtual int32_t getHeight() const = 0;
    virtual void setBackground(uint8_t red, uint8_t green, uint8_t blue) = 0;
};

} // namespace s::gui::drawer
