#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"
#include "s/gui/drawer/ListBoxItem.h"
#include "s/gui/text/FontDescription.h"

namespace s::gui::win {
class Font;
}

namespace s::gui::drawer {

// Paints lists and trees row by row: the list's background, then each row
// with its selection, drop line, tree expander, check box, icon and text
// (see listbox::ItemLayout for where the parts go). It also tells a list how
// high its rows are and which part of a row was clicked, so that hit tests
// and painting agree.
//
// Colours: the frame colour (selection fill, drop line, check box outline
// and mark), the background, and the third colour (inside the check box).
// The item and selected-item text drawers hold the styles the row fonts
// complete from.
//
// Owned by a skin; no lock (see IDrawer).
class IListBox : public IDrawer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_IListBox";

    // Fills the rectangle with the background; nothing for an empty one.
    virtual void fillBackground(HDC dc, int32_t left, int32_t top, int32_t right,
                                int32_t bottom) = 0;
    // One row. `icon` may be null; the text is drawn in `itemFont`, or in
    // `selectedFont` when the row is selected (no text without that font).
    // Nothing for an empty or inverted rectangle.
    virtual void drawItem(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                          const ListBoxItem& item, HICON icon, const char16_t* text,
                          s::gui::win::Font* itemFont, s::gui::win::Font* selectedFont) = 0;
    // The height of a row whose text is drawn in `font` (null: the smallest
    // row).
    virtual int32_t measureItem(HDC dc, s::gui::win::Font* font) = 0;
    // Which part of the row (left, top, right, bottom) the point is on: a
    // listbox::ItemLayout::Part.
    virtual int32_t hitItem(int32_t x, int32_t y, int32_t left, int32_t top, int32_t right,
                            int32_t bottom, const ListBoxItem& item) = 0;

    virtual uint32_t getFrameColor() const = 0;
    virtual void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual uint32_t getBackground() const = 0;
    virtual uint8_t getBackgroundRed() const = 0;
    virtual uint8_t getBackgroundGreen() const = 0;
    virtual uint8_t getBackgroundBlue() const = 0;
    virtual void setBackground(uint8_t red, uint8_t green, uint8_t blue) = 0;
    // The row fonts complete from style 1 of the item and of the
    // selected-item text drawer; null entries are skipped.
    virtual void completeFonts(s::gui::win::Font* item, s::gui::win::Font* selected) = 0;
    virtual s::gui::text::FontDescription& getItemStyle() = 0;
    virtual s::gui::text::FontDescription& getSelectedStyle() = 0;
    virtual void setItemTextColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual void setSelectedTextColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual uint8_t getThirdRed() const = 0;
    virtual uint8_t getThirdGreen() const = 0;
    virtual uint8_t getThirdBlue() const = 0;
    virtual uint32_t getThirdColor() const = 0;
    virtual void setThirdColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
};

} // namespace s::gui::drawer
