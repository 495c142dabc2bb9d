#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"

namespace s::gui::win {
class Font;
}

namespace s::gui::drawer {

// Paints a radio button: a small round image (an outlined circle, with a dot
// when marked) and the label to its right.
//
// Owned by a skin; no lock (see IDrawer).
class IRadioButton : public IDrawer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_IRadioButton";

    // Nothing for an empty or inverted rectangle (right and bottom
    // exclusive). `scratch` is a memory context with a bitmap of at least
    // 52 x 52 pixels selected, which the circle is drawn on before it is
    // shrunk onto `dc`; `background` (0x00BBGGRR) fills the circle. `font`
    // may be null: then no label is drawn.
    virtual void draw(HDC dc, HDC scratch, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      bool marked, const char16_t* text, s::gui::win::Font* font,
                      uint32_t background) = 0;
    // Fonts complete from the label's styles 1 (enabled) and 2 (disabled);
    // null entries are skipped.
    virtual void completeFonts(s::gui::win::Font* first, s::gui::win::Font* second) = 0;

    virtual void setFlag(bool on) = 0;
    virtual void setLabelColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual void setSecondLabelColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual void setDotColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
};

} // namespace s::gui::drawer
