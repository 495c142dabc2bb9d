#include "s/gui/drawer/groupbox/win/Thin.h"

#include "s/gui/drawer/groupbox/Frame.h"
#include "s/gui/drawer/groupbox/win/Caption.h"
#include "s/gui/paint/win/DcFill.h"
#include "s/gui/scale/win/SystemScale.h"

namespace s::gui::drawer::groupbox::win {

void Thin::paint(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                 const char16_t* caption, s::gui::win::Font* font, int32_t captionWidth,
                 int32_t captionHeight, COLORREF frameColour) const {
    const int32_t unit = s::gui::scale::win::systemScale().getUnit();
    Caption::draw(dc, Frame::thinCaptionLeft(unit), caption, font, captionWidth, captionHeight);
    s::gui::paint::win::DcFill fill(dc);
    Frame::paintThin(fill, left, top, right, bottom, captionWidth, unit, frameColour);
}

} // namespace s::gui::drawer::groupbox::win
