#include "s/gui/drawer/groupbox/win/Basic.h"

#include "s/gui/drawer/groupbox/Frame.h"
#include "s/gui/drawer/groupbox/win/Caption.h"
#include "s/gui/paint/win/DcFill.h"

namespace s::gui::drawer::groupbox::win {

void Basic::paint(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                  const char16_t* caption, s::gui::win::Font* font, int32_t captionWidth,
                  int32_t captionHeight, COLORREF frameColour) const {
    Caption::draw(dc, Frame::basicCaptionLeft(), caption, font, captionWidth, captionHeight);
    s::gui::paint::win::DcFill fill(dc);
    Frame::paintBasic(fill, left, top, right, bottom, captionWidth, frameColour);
}

} // namespace s::gui::drawer::groupbox::win
