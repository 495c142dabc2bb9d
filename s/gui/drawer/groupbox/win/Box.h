#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IGroupBox.h"
#include "s/thread/IPoolable.h"

namespace s::gui::drawer::text::win {
class Basic;
}

namespace s::gui::drawer::groupbox::win {

// What both group boxes share: the frame colour, the text drawer holding the
// caption's styles, and the skipping of empty or inverted rectangles. The
// box kind (the interface `Kind`) only says where the caption goes and how
// the frame is drawn, in paint(). Built for groupbox::IBasic and
// groupbox::IThin only (see Box.cpp).
//
// Owned by a skin; owns its text drawer (taken at construction, reset with
// the box, given back when the box is destroyed). Configured once by the
// skin, then only read: drawing writes nothing, so any window's thread may
// draw with it. This reset() is the one reset of the pooled box, and the
// constructor ends with it.
template <class Kind> class Box : public Kind, public s::thread::IPoolable {
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

protected:
    Box();
    ~Box() override;

    // The caption and the frame in a rectangle known to be neither empty nor
    // inverted.
    virtual void paint(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                       const char16_t* caption, s::gui::win::Font* font, int32_t captionWidth,
                       int32_t captionHeight, COLORREF frameColour) const = 0;

private:
    COLORREF frame = 0;
    s::gui::drawer::text::win::Basic* text;
};

} // namespace s::gui::drawer::groupbox::win
