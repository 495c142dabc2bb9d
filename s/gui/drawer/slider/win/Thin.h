#pragma once
#include "s/gui/drawer/ISlider.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"
#include "s/thread/PoolRef.h"

namespace s::gui::drawer::border::win {
class Thin;
}

namespace s::gui::drawer::slider::win {

// The slider of the thin skins: a sunken track frame from one border
// drawer (unshaded), the gradient and the filled span inside it, and raised
// thumbs from a second border drawer (see SliderGeometry). A disabled slider
// draws frame and fill in the disabled colour.
//
// Owned by a skin, which owns it through the pool; it owns its two border
// drawers for its whole life (reset with it). Configured once by the skin's
// thread, then only read: drawing writes nothing in the drawer, so windows
// on several threads may share it. No lock.
class Thin : public s::gui::drawer::ISlider, public s::thread::IPoolable {
    S_POOLED_CLASS(Thin, u"s_gui_drawer_slider_win_Thin")
public:
    void reset() override;

    void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t minimum,
              int32_t maximum, int32_t value, bool filled, int32_t origin, bool enabled, bool range,
              int32_t secondValue, int32_t gradient, uint32_t colour1,
              uint32_t colour2) const override;
    uint8_t getFillRed() const override;
    uint8_t getFillGreen() const override;
    uint8_t getFillBlue() const override;
    void setFillColor(uint8_t red, uint8_t green, uint8_t blue) override;
    void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) override;
    void setDisabledColor(uint8_t red, uint8_t green, uint8_t blue) override;

    // The frame and thumb corners (the border drawer's 0 to 2); 0 draws no
    // frame and no thumbs.
    void setCornerStyle(int32_t style) { cornerStyle = style; }
    uint32_t getFrameColor() const { return frameColor; }
    uint32_t getDisabledColor() const { return disabledColor; }

private:
    Thin();
    ~Thin() override;

    int32_t cornerStyle = 1;
    uint32_t fillColor = 0;
    uint32_t frameColor = 0;
    uint32_t disabledColor = 0;
    s::thread::PoolRef<s::gui::drawer::border::win::Thin> trackBorder;
    s::thread::PoolRef<s::gui::drawer::border::win::Thin> thumbBorder;
};

} // namespace s::gui::drawer::slider::win
