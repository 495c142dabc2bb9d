#include "s/gui/drawer/groupbox/win/Basic.h"

#include "s/gui/drawer/groupbox/Frame.h"
#include "s/gui/drawer/groupbox/win/Caption.h"
#include "s/gui/drawer/text/win/Basic.h"
#include "s/gui/paint/win/DcFill.h"

namespace s::gui::drawer::groupbox::win {

namespace {
// The frame colour until a skin sets one.
constexpr COLORREF kFrame = RGB(208, 208, 191);
} // namespace

Basic::Basic() : text(s::gui::drawer::text::win::Basic::newInstance()) {
    reset();
}

Basic::~Basic() {
    text->release();
}

void Basic::reset() {
    frame = kFrame;
    text->reset();
}

void Basic::draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                 const char16_t* caption, s::gui::win::Font* font, int32_t captionWidth,
                 int32_t captionHeight) {
    if (left >= right || top >= bottom) {
        return;
    }
    Caption::draw(dc, Frame::basicCaptionLeft(), caption, font, captionWidth, captionHeight);
    s::gui::paint::win::DcFill fill(dc);
    Frame::paintBasic(fill, left, top, right, bottom, captionWidth, frame);
}

void Basic::setFrameColor(uint8_t red, uint8_t green, uint8_t blue) {
    frame = RGB(red, green, blue);
}

void Basic::completeFonts(s::gui::win::Font* first, s::gui::win::Font* second) {
    text->completeFonts(first, second, nullptr, nullptr, nullptr);
}

s::gui::text::FontDescription& Basic::getStyle1() {
    return text->getStyle1();
}

s::gui::text::FontDescription& Basic::getStyle2() {
    return text->getStyle2();
}

} // namespace s::gui::drawer::groupbox::win
