#pragma once
#include "s/gui/drawer/IMenu.h"
#include "s/gui/layout/Rect.h"
#include "s/gui/text/FontDescription.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"
#include "s/thread/PoolRef.h"

namespace s::gui::drawer::combo::win {
class Thin;
}
namespace s::gui::drawer::text::win {
class Basic;
}

namespace s::gui::drawer::menu::win {

// The self-drawn menu of the skins: bar items, drop-down items and
// separators (see MenuGeometry). Its two text styles are the menu's fonts,
// two points smaller than ordinary text; the selected style and the
// selection start in the system's own highlight colours, so an unskinned
// menu looks like the system's. Texts are drawn through its own text
// drawer; its combo drawer serves combo boxes placed in menus.
//
// Owned by a skin, which owns it through the pool; it owns its text and
// combo drawers for its whole life (reset with it). Configured once by the
// skin's thread, then only read: drawing writes nothing in the drawer, so
// windows on several threads may share it. No lock.
class Basic : public s::gui::drawer::IMenu, public s::thread::IPoolable {
    S_POOLED_CLASS(Basic, u"s_gui_drawer_menu_win_Basic")
public:
    void reset() override;

    void drawBarItem(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                     const char16_t* text, bool selected, s::gui::win::Font* normalFont,
                     s::gui::win::Font* selectedFont) const override;
    void drawItem(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                  const char16_t* text, bool selected, s::gui::win::Font* normalFont,
                  s::gui::win::Font* selectedFont) const override;
    void drawSeparator(HDC dc, int32_t left, int32_t top, int32_t right,
                       int32_t bottom) const override;
    void completeFonts(s::gui::win::Font* normal, s::gui::win::Font* selected) override;

    s::gui::text::FontDescription& getNormalStyle() override { return normalStyle; }
    s::gui::text::FontDescription& getSelectedStyle() override { return selectedStyle; }
    s::gui::drawer::ICombo* getComboDrawer() const override;
    void setSelectionColor(uint8_t red, uint8_t green, uint8_t blue) override;
    void setNormalTextColor(uint8_t red, uint8_t green, uint8_t blue) override;
    void setSelectedTextColor(uint8_t red, uint8_t green, uint8_t blue) override;
    void setFirstFlag(bool on) override { firstFlag = on; }
    void setSecondFlag(bool on) override { secondFlag = on; }

    uint32_t getSelectionColor() const { return selectionColor; }
    bool getFirstFlag() const { return firstFlag; }
    bool getSecondFlag() const { return secondFlag; }

private:
    Basic();
    ~Basic() override;

    // An item's selection and text; `textArea` is MenuGeometry's rule for
    // the kind of item.
    using TextArea = s::gui::layout::Rect (*)(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t);
    void drawEntry(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                   const char16_t* text, bool selected, s::gui::win::Font* font,
                   TextArea textArea) const;

    s::gui::text::FontDescription normalStyle;
    s::gui::text::FontDescription selectedStyle;
    uint32_t selectionColor = 0;
    // Kept for the schemes that set them; the drawing does not read them.
    bool firstFlag = true;
    bool secondFlag = false;
    s::thread::PoolRef<s::gui::drawer::text::win::Basic> label;
    s::thread::PoolRef<s::gui::drawer::combo::win::Thin> combo;
};

} // namespace s::gui::drawer::menu::win
