#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"
#include "s/gui/text/FontDescription.h"

namespace s::gui::win {
class Font;
}

namespace s::gui::drawer {

class ICombo;

// Paints self-drawn menus: menu bar items, drop-down items and separators
// (see menu::MenuGeometry), in two text styles (normal and selected) and a
// selection colour; its combo drawer paints combo boxes inside menus.
//
// Owned by a skin; no lock (see IDrawer).
class IMenu : public IDrawer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_IMenu";

    // A bar item and a drop-down item: filled in the selection colour when
    // selected, the text in `selectedFont` then and in `normalFont`
    // otherwise (complete both with completeFonts). Nothing for an empty or
    // inverted rectangle; no text without text or the font it needs.
    virtual void drawBarItem(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                             const char16_t* text, bool selected, s::gui::win::Font* normalFont,
                             s::gui::win::Font* selectedFont) const = 0;
    virtual void drawItem(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                          const char16_t* text, bool selected, s::gui::win::Font* normalFont,
                          s::gui::win::Font* selectedFont) const = 0;
    // A line between groups of drop-down items, in the normal text colour.
    virtual void drawSeparator(HDC dc, int32_t left, int32_t top, int32_t right,
                               int32_t bottom) const = 0;
    // The fonts complete from the normal and the selected style; null
    // entries are skipped.
    virtual void completeFonts(s::gui::win::Font* normal, s::gui::win::Font* selected) = 0;

    virtual s::gui::text::FontDescription& getNormalStyle() = 0;
    virtual s::gui::text::FontDescription& getSelectedStyle() = 0;
    virtual ICombo* getComboDrawer() const = 0;
    virtual void setSelectionColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual void setNormalTextColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual void setSelectedTextColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual void setFirstFlag(bool on) = 0;
    virtual void setSecondFlag(bool on) = 0;
};

} // namespace s::gui::drawer
