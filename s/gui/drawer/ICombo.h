#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"

namespace s::gui::win {
class Font;
}

namespace s::gui::drawer {

// Paints a closed combo box: a button holding the chosen text, a separator
// and a down arrow.
//
// Owned by a skin or a menu drawer; no lock (see IDrawer).
class ICombo : public IDrawer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_ICombo";

    // Nothing for an empty or inverted rectangle. `state` is a button state
    // (0 normal, 1 hot, 2 pressed); without text or font no text is drawn.
    virtual void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      int32_t state, const char16_t* text, s::gui::win::Font* font,
                      bool enabled) const = 0;
    virtual void setLabelColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual void setSecondLabelColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    // Separator and arrow; also the frame colour of the button.
    virtual void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual void completeFonts(s::gui::win::Font* first, s::gui::win::Font* second) = 0;
};

} // namespace s::gui::drawer
