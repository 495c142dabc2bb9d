#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"
#include "s/gui/text/TextExtents.h"

namespace s::gui::win {
class Font;
}

namespace s::gui::drawer {

// Paints a check box: a square box of the side the component gives (white
// inside, framed), a check mark when marked, and the label to its right.
//
// Owned by a skin; no lock (see IDrawer).
class ICheckBox : public IDrawer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_ICheckBox";

    // Nothing for an empty or inverted rectangle (right and bottom
    // exclusive). `font` may be null: then no label is drawn.
    virtual void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      int32_t boxSide, bool marked, const char16_t* text,
                      s::gui::win::Font* font) = 0;
    // The label's sizes for a layout, widened by the room the box takes
    // beside a text that high.
    virtual s::gui::text::TextExtents measureForLayout(HDC dc, const char16_t* text,
                                                       s::gui::win::Font& font) = 0;
    // Fonts complete from the label's styles 1 (enabled) and 2 (disabled);
    // null entries are skipped.
    virtual void completeFonts(s::gui::win::Font* first, s::gui::win::Font* second) = 0;

    virtual void setFirstFlag(bool on) = 0;
    virtual void setSecondFlag(bool on) = 0;
    // The label colour (style 1 of the label) and the disabled label colour
    // (style 2).
    virtual void setLabelColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual void setSecondLabelColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    // The frame colour of the check mark's button drawer.
    virtual void setMarkFrameColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
};

} // namespace s::gui::drawer
