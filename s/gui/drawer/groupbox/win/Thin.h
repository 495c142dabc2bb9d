#pragma once
#include "s/gui/drawer/groupbox/IThin.h"
#include "s/gui/drawer/groupbox/win/Box.h"
#include "s/thread/ClassPool.h"

namespace s::gui::drawer::groupbox::win {

// The skins' group box: the caption 9 units in, and a frame 2 pixels wide
// below scale 2 and 4 pixels wide with stepped corners from scale 2 on (see
// groupbox::Frame). Colour, caption styles, ownership and threads as for
// every Box.
class Thin : public Box<s::gui::drawer::groupbox::IThin> {
    S_POOLED_CLASS(Thin, u"s_gui_drawer_groupbox_win_Thin")

protected:
    void paint(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
               const char16_t* caption, s::gui::win::Font* font, int32_t captionWidth,
               int32_t captionHeight, COLORREF frameColour) const override;

private:
    Thin() = default;
    ~Thin() override = default;
};

extern template class Box<s::gui::drawer::groupbox::IThin>;

} // namespace s::gui::drawer::groupbox::win
