#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"
#include "s/gui/text/FontDescription.h"

namespace s::gui::win {
class Font;
}

namespace s::gui::drawer {

// Paints the header row of a list: its background and one button per
// column.
//
// Owned by a skin; no lock (see IDrawer).
class IListHeader : public IDrawer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_IListHeader";

    // The given colour when `useGiven`, else the background.
    virtual void drawBackground(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                                bool useGiven, uint8_t red, uint8_t green, uint8_t blue) const = 0;
    // One column's cell as a framed button in `state` with the label.
    virtual void drawCell(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                          int32_t state, const char16_t* label, s::gui::win::Font* font) const = 0;
    virtual void setShiftLabel(bool on) = 0;
    virtual uint8_t getFrameRed() const = 0;
    virtual uint8_t getFrameGreen() const = 0;
    virtual uint8_t getFrameBlue() const = 0;
    virtual void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual uint8_t getBackgroundRed() const = 0;
    virtual uint8_t getBackgroundGreen() const = 0;
    virtual uint8_t getBackgroundBlue() const = 0;
    virtual void setBackground(uint8_t red, uint8_t green, uint8_t blue) = 0;
    // The cells' font completes from the cells' text style.
    virtual void completeFonts(s::gui::win::Font* font) = 0;
    virtual s::gui::text::FontDescription& getTextStyle() = 0;
    virtual void setRowHeight(int32_t pixels) = 0;
    virtual int32_t getRowHeight() const = 0;
};

} // namespace s::gui::drawer
