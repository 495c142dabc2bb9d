#pragma once
#include "s/gui/drawer/groupbox/IBasic.h"
#include "s/gui/drawer/groupbox/win/Box.h"
#include "s/thread/ClassPool.h"

namespace s::gui::drawer::groupbox::win {

// The plain group box: the caption 9 pixels in and a frame of 1-pixel
// lines at every scale (see groupbox::Frame). Colour, caption styles,
// ownership and threads as for every Box.
class Basic : public Box<s::gui::drawer::groupbox::IBasic> {
    S_POOLED_CLASS(Basic, u"s_gui_drawer_groupbox_win_Basic")

protected:
    void paint(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
               const char16_t* caption, s::gui::win::Font* font, int32_t captionWidth,
               int32_t captionHeight, COLORREF frameColour) const override;

private:
    Basic() = default;
    ~Basic() override = default;
};

extern template class Box<s::gui::drawer::groupbox::IBasic>;

} // namespace s::gui::drawer::groupbox::win
