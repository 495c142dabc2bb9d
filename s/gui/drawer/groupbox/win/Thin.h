#pragma once
#include "s/gui/drawer/groupbox/IThin.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::drawer::text::win {
class Basic;
}

namespace s::gui::drawer::groupbox::win {

// The skins' group box: the caption 9 units in, and a frame 2 pixels wide
// below scale 2 and 4 pixels wide with stepped corners from scale 2 on (see
// groupbox::Frame).
// Its text drawer holds the caption's styles.
//
// Owned by a skin; owns its text drawer (taken at construction, reset with
// the box, given back when the box is destroyed). Configured once by the
// skin, then only read: drawing writes nothing, so any window's thread may
// draw with it.
class Thin : public s::gui::drawer::groupbox::IThin, public s::thread::IPoolable {
    S_POOLED_CLASS(Thin, u"s_gui_drawer_groupbox_win_Thin")
public:
    void reset() override;

    void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
              const char16_t* caption, s::gui::win::Font* font, int32_t captionWidth,
              int32_t captionHeight) override;
    void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) override;
    uint8_t getFrameRed() const override { return GetRValue(frame); }
    uint8_t getFrameGreen() const override { return GetGValue(frame); }
    uint8_t getFrameBlue() const override { return GetBValue(frame); }
    void completeFonts(s::gui::win::Font* first, s::gui::win::Font* second) override;
    s::gui::text::FontDescription& getStyle1() override;
    s::gui::text::FontDescription& getStyle2() override;

private:
    Thin();
    ~Thin() override;

    COLORREF frame = 0;
    s::gui::drawer::text::win::Basic* text;
};

} // namespace s::gui::drawer::groupbox::win
