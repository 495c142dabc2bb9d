#pragma once
#include "s/gui/drawer/tabbox/IThin.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::drawer::text::win {
class Basic;
}

namespace s::gui::drawer::tabbox::win {

// The skins' tab box drawer: draw paints nothing (a tab control draws its
// own tabs); it holds the tab colour and two text drawers whose styles the
// tab labels (first) and the page titles (second) complete their fonts from.
//
// Owned by a skin; owns both text drawers (taken at construction, reset
// with it, given back when it is destroyed). Configured once, then only read
// from any window's thread.
class Thin : public s::gui::drawer::tabbox::IThin, public s::thread::IPoolable {
    S_POOLED_CLASS(Thin, u"s_gui_drawer_tabbox_win_Thin")
public:
    void reset() override;

    void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state,
              const char16_t* label, s::gui::win::Font* font, bool selected) override;
    void setColor(uint8_t red, uint8_t green, uint8_t blue) override;
    uint32_t getColor() const override { return colour; }
    void completeFonts(s::gui::win::Font* first, s::gui::win::Font* second) override;
    s::gui::text::FontDescription& getStyle1() override;
    s::gui::text::FontDescription& getStyle2() override;
    void completeFontsSecond(s::gui::win::Font* font) override;
    s::gui::text::FontDescription& getSecondStyle() override;

private:
    Thin();
    ~Thin() override;

    COLORREF colour = 0;
    s::gui::drawer::text::win::Basic* text;
    s::gui::drawer::text::win::Basic* secondText;
};

} // namespace s::gui::drawer::tabbox::win
