#include "s/gui/drawer/tabbox/win/Thin.h"

#include "s/gui/drawer/text/win/Basic.h"

namespace s::gui::drawer::tabbox::win {

using TextDrawer = s::gui::drawer::text::win::Basic;

Thin::Thin() : text(TextDrawer::newInstance()), secondText(TextDrawer::newInstance()) {
    reset();
}

Thin::~Thin() {
    secondText->release();
    text->release();
}

void Thin::reset() {
    colour = RGB(255, 255, 255);
    text->reset();
    secondText->reset();
}

void Thin::draw(HDC, int32_t, int32_t, int32_t, int32_t, int32_t, const char16_t*,
                s::gui::win::Font*, bool) {
    // A tab control paints its own tabs with the colours and styles here.
}

void Thin::setColor(uint8_t red, uint8_t green, uint8_t blue) {
    colour = RGB(red, green, blue);
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

void Thin::completeFontsSecond(s::gui::win::Font* font) {
    secondText->completeFonts(font, nullptr, nullptr, nullptr, nullptr);
}

s::gui::text::FontDescription& Thin::getSecondStyle() {
    return secondText->getStyle1();
}

} // namespace s::gui::drawer::tabbox::win
