#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"
#include "s/gui/text/FontDescription.h"

namespace s::gui::win {
class Font;
}

namespace s::gui::drawer {

// The tab box's drawer. Its draw paints nothing: a tab control that needs
// painting draws itself; it takes its colour and the text styles of its tab
// labels (first drawer) and of its page titles (second drawer) from here.
//
// Owned by a skin; no lock (see IDrawer).
class ITabBox : public IDrawer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_ITabBox";

    // One tab: its rectangle, state (0 normal, 1 under the mouse, 2
    // pressed), label and font, and whether it is the selected one.
    virtual void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      int32_t state, const char16_t* label, s::gui::win::Font* font,
                      bool selected) = 0;
    virtual void setColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual uint32_t getColor() const = 0;
    // The tab labels' fonts complete from the first drawer's styles 1 and 2.
    virtual void completeFonts(s::gui::win::Font* first, s::gui::win::Font* second) = 0;
    virtual s::gui::text::FontDescription& getStyle1() = 0;
    virtual s::gui::text::FontDescription& getStyle2() = 0;
    // A page title's font completes from the second drawer's style 1.
    virtual void completeFontsSecond(s::gui::win::Font* font) = 0;
    virtual s::gui::text::FontDescription& getSecondStyle() = 0;
};

} // namespace s::gui::drawer
