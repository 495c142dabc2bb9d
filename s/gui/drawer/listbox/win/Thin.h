#pragma once
#include "s/gui/drawer/listbox/IThin.h"
#include "s/gui/drawer/listbox/win/Basic.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::drawer::listbox::win {

// The skins' list box drawer: every operation is its basic list box
// drawer's; only the reset differs, which leaves the third colour (inside
// the check boxes) at 243 243 243.
//
// Owned by a skin; owns its basic drawer (taken at construction, reset with
// it, given back when it is destroyed). Configured once, then only read from
// any window's thread.
class Thin : public s::gui::drawer::listbox::IThin, public s::thread::IPoolable {
    S_POOLED_CLASS(Thin, u"s_gui_drawer_listbox_win_Thin")
public:
    void reset() override;

    void fillBackground(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom) override {
        basic->fillBackground(dc, left, top, right, bottom);
    }
    void drawItem(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                  const ListBoxItem& item, HICON icon, const char16_t* text,
                  s::gui::win::Font* itemFont, s::gui::win::Font* selectedFont) override {
        basic->drawItem(dc, left, top, right, bottom, item, icon, text, itemFont, selectedFont);
    }
    int32_t measureItem(HDC dc, s::gui::win::Font* font) override {
        return basic->measureItem(dc, font);
    }
    int32_t hitItem(int32_t x, int32_t y, int32_t left, int32_t top, int32_t right, int32_t bottom,
                    const ListBoxItem& item) override {
        return basic->hitItem(x, y, left, top, right, bottom, item);
    }
    uint32_t getFrameColor() const override { return basic->getFrameColor(); }
    void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) override {
        basic->setFrameColor(red, green, blue);
    }
    uint32_t getBackground() const override { return basic->getBackground(); }
    uint8_t getBackgroundRed() const override { return basic->getBackgroundRed(); }
    uint8_t getBackgroundGreen() const override { return basic->getBackgroundGreen(); }
    uint8_t getBackgroundBlue() const override { return basic->getBackgroundBlue(); }
    void setBackground(uint8_t red, uint8_t green, uint8_t blue) override {
        basic->setBackground(red, green, blue);
    }
    void completeFonts(s::gui::win::Font* item, s::gui::win::Font* selected) override {
        basic->completeFonts(item, selected);
    }
    s::gui::text::FontDescription& getItemStyle() override { return basic->getItemStyle(); }
    s::gui::text::FontDescription& getSelectedStyle() override { return basic->getSelectedStyle(); }
    void setItemTextColor(uint8_t red, uint8_t green, uint8_t blue) override {
        basic->setItemTextColor(red, green, blue);
    }
    void setSelectedTextColor(uint8_t red, uint8_t green, uint8_t blue) override {
        basic->setSelectedTextColor(red, green, blue);
    }
    uint8_t getThirdRed() const override { return basic->getThirdRed(); }
    uint8_t getThirdGreen() const override { return basic->getThirdGreen(); }
    uint8_t getThirdBlue() const override { return basic->getThirdBlue(); }
    uint32_t getThirdColor() const override { return basic->getThirdColor(); }
    void setThirdColor(uint8_t red, uint8_t green, uint8_t blue) override {
        basic->setThirdColor(red, green, blue);
    }

private:
    Thin() : basic(Basic::newInstance()) { reset(); }
    ~Thin() override { basic->release(); }

    Basic* basic;
};

} // namespace s::gui::drawer::listbox::win
