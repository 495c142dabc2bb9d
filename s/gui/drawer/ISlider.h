#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"

namespace s::gui::drawer {

// Paints sliders: a framed track, one thumb (two for a range), the filled
// span the value reaches and, for colour pickers, a colour gradient along
// the track (see slider::SliderGeometry for the kinds).
//
// Owned by a skin; no lock (see IDrawer).
class ISlider : public IDrawer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_ISlider";

    // Nothing for an empty or inverted rectangle. `filled` shows the span
    // from the start (or from `origin`) to the thumb, or between the thumbs
    // of a `range`; `gradient` 1 blends colour1 into colour2 (0x00BBGGRR),
    // 2 to 7 vary one HSV or HSL component and take the other two from
    // colour1 and colour2.
    virtual void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      int32_t minimum, int32_t maximum, int32_t value, bool filled, int32_t origin,
                      bool enabled, bool range, int32_t secondValue, int32_t gradient,
                      uint32_t colour1, uint32_t colour2) const = 0;
    virtual uint8_t getFillRed() const = 0;
    virtual uint8_t getFillGreen() const = 0;
    virtual uint8_t getFillBlue() const = 0;
    virtual void setFillColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    // Frame and fill of a disabled slider.
    virtual void setDisabledColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
};

} // namespace s::gui::drawer
