#include "s/gui/drawer/groupbox/win/Thin.h"

#include "s/gui/drawer/groupbox/Frame.h"
#include "s/gui/drawer/groupbox/win/Caption.h"
#include "s/gui/drawer/text/win/Basic.h"
#include "s/gui/paint/win/DcFill.h"
#include "s/gui/scale/win/SystemScale.h"

namespace s::gui::drawer::groupbox::win {

namespace {
// The frame colour until a skin sets one.
constexpr COLORREF kFrame = RGB(208, 208, 191);
} // namespace

Thin::Thin() : text(s::gui::drawer::text::win::Basic::newInstance()) {
    reset();
}

Thin::~Thin() {
    text->release();
}

void Thin::reset() {
    frame = kFrame;
    text->reset();
}

void Thin::draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                const char16_t* caption, s::gui::win::Font* font, int32_t captionWidth,
                int32_t captionHeight) {
    if (left >= right || top >= bottom) {
        return;
    }
    const int32_t unit = s::gui::scale::win::systemScale().getUnit();
    Caption::draw(dc, Frame::thinCaptionLeft(unit), caption, font, captionWidth, captionHeight);
    s::gui::paint::win::DcFill fill(dc);
    Frame::paintThin(fill, left, top, right, bottom, captionWidth, unit, frame);
}

void Thin::setFrameColor(uint8_t red, uint8_t green, uint8_t blue) {
    frame = RGB(red, green, blue);
}

void Thin::completeFonts(s::gui::win::Font* first, s::gui::win::Font* second) {
    text->completeFonts(first, second, nullptr, nullptr, nullptr);
}

s::gui::text::FontDescription& Thin::getStyle1() {
    return text->getStyle1();
}

s::gui::text::FontDescription& Thin::getStyle2() {
    return text->getStyle2();
}

} // namespace s::gui::drawer::groupbox::win
