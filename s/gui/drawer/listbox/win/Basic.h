#pragma once
#include "s/gui/drawer/listbox/IBasic.h"
#include "s/gui/layout/Rect.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::drawer::text::win {
class Basic;
}
namespace s::gui::drawer::button::win {
class Thin;
}

namespace s::gui::drawer::listbox::win {

// The list box drawer: rows laid out by listbox::ItemLayout, their plain
// rectangles filled into the context, the expander ("#TreeOpen",
// "#TreeClosed") and check mark ("#Check") glyphs painted by its button
// drawer, the icon drawn at the cell's size and the text, vertically
// centred, by the item or the selected-item text drawer. A check mark that
// finds no room for its glyph is shown as the filled square of a partly
// checked box instead.
//
// Colours start as frame 120 120 120, background 51 51 51, third 224 224
// 224; both text drawers are left-aligned.
//
// Owned by a skin (or by the thin list box drawer); owns its two text
// drawers and its button drawer (taken at construction, reset with it,
// given back when it is destroyed). Configured once, then only read: any
// window's thread may draw with it.
class Basic : public s::gui::drawer::listbox::IBasic, public s::thread::IPoolable {
    S_POOLED_CLASS(Basic, u"s_gui_drawer_listbox_win_Basic")
public:
    void reset() override;

    void fillBackground(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom) override;
    void drawItem(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                  const ListBoxItem& item, HICON icon, const char16_t* text,
                  s::gui::win::Font* itemFont, s::gui::win::Font* selectedFont) override;
    int32_t measureItem(HDC dc, s::gui::win::Font* font) override;
    int32_t hitItem(int32_t x, int32_t y, int32_t left, int32_t top, int32_t right, int32_t bottom,
                    const ListBoxItem& item) override;

    uint32_t getFrameColor() const override { return frame; }
    void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) override;
    uint32_t getBackground() const override { return background; }
    uint8_t getBackgroundRed() const override { return GetRValue(background); }
    uint8_t getBackgroundGreen() const override { return GetGValue(background); }
    uint8_t getBackgroundBlue() const override { return GetBValue(background); }
    void setBackground(uint8_t red, uint8_t green, uint8_t blue) override;
    void completeFonts(s::gui::win::Font* item, s::gui::win::Font* selected) override;
    s::gui::text::FontDescription& getItemStyle() override;
    s::gui::text::FontDescription& getSelectedStyle() override;
    void setItemTextColor(uint8_t red, uint8_t green, uint8_t blue) override;
    void setSelectedTextColor(uint8_t red, uint8_t green, uint8_t blue) override;
    uint8_t getThirdRed() const override { return GetRValue(third); }
    uint8_t getThirdGreen() const override { return GetGValue(third); }
    uint8_t getThirdBlue() const override { return GetBValue(third); }
    uint32_t getThirdColor() const override { return third; }
    void setThirdColor(uint8_t red, uint8_t green, uint8_t blue) override;

private:
    Basic();
    ~Basic() override;

    bool paintGlyph(HDC dc, const s::gui::layout::Rect& cell, const char16_t* label,
                    COLORREF colour) const;
    void drawText(HDC dc, const s::gui::layout::Rect& box, const char16_t* text,
                  s::gui::win::Font& font, bool selected) const;

    COLORREF frame = 0;
    COLORREF background = 0;
    COLORREF third = 0;
    s::gui::drawer::text::win::Basic* itemText;
    s::gui::drawer::text::win::Basic* selectedText;
    s::gui::drawer::button::win::Thin* button;
};

} // namespace s::gui::drawer::listbox::win
