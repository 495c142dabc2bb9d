#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"

namespace s::gui::drawer {

// Draws bevelled frames: the edges of buttons, scroll-bar tracks and slider
// parts. Types: 0 raised (a button under the mouse), 1 flat, 2 sunken (a
// pressed button), 3 flat without the bottom edge. Corner styles: 0 square,
// 1 slightly rounded, 2 rounded. Edges grow with the display's scale.
//
// Owned by the drawer that paints with it; no lock (see IDrawer).
class IBorder : public IDrawer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_IBorder";

    // Nothing for an empty or inverted rectangle (right and bottom
    // exclusive).
    virtual void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      int32_t type, int32_t cornerStyle, uint8_t red, uint8_t green,
                      uint8_t blue) = 0;
    // Shaded edges are tinted lighter and darker from the colour given to
    // draw(); unshaded ones are all that colour.
    virtual void setShaded(bool on) = 0;
};

} // namespace s::gui::drawer
