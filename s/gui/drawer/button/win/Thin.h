#pragma once
#include "s/gui/drawer/IButton.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::drawer::border::win {
class Thin;
}
namespace s::gui::drawer::text::win {
class Basic;
}

namespace s::gui::drawer::button::win {

// The push-button drawer of the thin skins (see ButtonPlan for the shapes
// of the states): a bevel from its own border drawer, a fill behind toggled
// buttons, then a glyph or a centred text label.
//
// It owns three drawers, taken from their pools when it is built, reset
// with it and given back when it goes: the border drawer, the text drawer
// whose styles 1 and 2 the labels of enabled and disabled buttons complete
// from, and a second text drawer whose style 1 the label of a toggled
// button completes from. Both text drawers centre their text. Labels are
// drawn by the first text drawer in the colour of the font the caller
// passes, so a toggled label takes its colour from the font completed from
// the second drawer; drawing through either would paint the same pixels.
//
// Owned by a skin; configured on the owner's thread before it is shared.
// Drawing writes nothing in the drawer or its sub-drawers, so windows on
// several threads may draw with it at once. No lock.
class Thin : public s::gui::drawer::IButton, public s::thread::IPoolable {
    S_POOLED_CLASS(Thin, u"s_gui_drawer_button_win_Thin")
public:
    void reset() override;

    void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state,
              const char16_t* label, bool framed, s::gui::win::Font* style, bool enabled,
              bool toggled, bool openBottom) override;
    bool paintGlyph(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                    const char16_t* label, uint8_t red, uint8_t green, uint8_t blue) override;

    void setAccentColor(uint8_t red, uint8_t green, uint8_t blue) override;
    void setFirstFlag(bool on) override { firstFlag = on; }
    void setSecondFlag(bool on) override { secondFlag = on; }
    void setCornerStyle(int32_t style) override { cornerStyle = style; }
    void setShiftLabel(bool on) override { shiftLabel = on; }
    uint8_t getFrameRed() const override;
    uint8_t getFrameGreen() const override;
    uint8_t getFrameBlue() const override;
    void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) override;
    uint8_t getDisabledFrameRed() const override;
    uint8_t getDisabledFrameGreen() const override;
    uint8_t getDisabledFrameBlue() const override;
    void setDisabledFrameColor(uint8_t red, uint8_t green, uint8_t blue) override;
    void setToggledFrameColor(uint8_t red, uint8_t green, uint8_t blue) override;
    void setToggledFill(uint8_t red, uint8_t green, uint8_t blue) override;
    uint8_t getToggledFillRed() const override;
    uint8_t getToggledFillGreen() const override;
    uint8_t getToggledFillBlue() const override;

    void completeFonts(s::gui::win::Font* first, s::gui::win::Font* second) override;
    void completeSettings(s::gui::win::FontSetting* first,
                          s::gui::win::FontSetting* second) override;
    s::gui::text::FontDescription& getStyle1() override;
    s::gui::text::FontDescription& getStyle2() override;
    void completeToggledFont(s::gui::win::Font* font) override;
    void completeToggledSetting(s::gui::win::FontSetting* setting) override;
    s::gui::text::FontDescription& getToggledStyle() override;
    void setShaded(bool on) override;

    // Read back by tests and by skins that derive colours from the button's.
    uint32_t getAccentColor() const { return accent; }
    bool getFirstFlag() const { return firstFlag; }
    bool getSecondFlag() const { return secondFlag; }
    bool getShiftLabel() const { return shiftLabel; }
    int32_t getCornerStyle() const { return cornerStyle; }
    uint32_t getToggledFrameColor() const { return toggledFrame; }

private:
    Thin();
    ~Thin() override;

    uint32_t accent = 0;
    bool firstFlag = true;
    bool secondFlag = true;
    bool shiftLabel = false;
    int32_t cornerStyle = 1;
    uint32_t frame = 0;
    uint32_t disabledFrame = 0;
    uint32_t toggledFrame = 0;
    uint32_t toggledFill = 0;
    s::gui::drawer::border::win::Thin* border;
    s::gui::drawer::text::win::Basic* text;
    s::gui::drawer::text::win::Basic* toggledText;
};

} // namespace s::gui::drawer::button::win
