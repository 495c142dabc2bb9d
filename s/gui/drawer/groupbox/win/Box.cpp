#include "s/gui/drawer/groupbox/win/Box.h"

#include "s/gui/drawer/groupbox/IBasic.h"
#include "s/gui/drawer/groupbox/IThin.h"
#include "s/gui/drawer/text/win/Basic.h"

namespace s::gui::drawer::groupbox::win {

namespace {
// The frame colour until a skin sets one.
constexpr COLORREF kFrame = RGB(208, 208, 191);
} // namespace

template <class Kind> Box<Kind>::Box() : text(s::gui::drawer::text::win::Basic::newInstance()) {
    reset();
}

template <class Kind> Box<Kind>::~Box() {
    text->release();
}

template <class Kind> void Box<Kind>::reset() {
    frame = kFrame;
    text->reset();
}

template <class Kind>
void Box<Kind>::draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                     const char16_t* caption, s::gui::win::Font* font, int32_t captionWidth,
                     int32_t captionHeight) {
    if (left >= right || top >= bottom) {
        return;
    }
    paint(dc, left, top, right, bottom, caption, font, captionWidth, captionHeight, frame);
}

template <class Kind> void Box<Kind>::setFrameColor(uint8_t red, uint8_t green, uint8_t blue) {
    frame = RGB(red, green, blue);
}

template <class Kind>
void Box<Kind>::completeFonts(s::gui::win::Font* first, s::gui::win::Font* second) {
    text->completeFonts(first, second, nullptr, nullptr, nullptr);
}

template <class Kind> s::gui::text::FontDescription& Box<Kind>::getStyle1() {
    return text->getStyle1();
}

template <class Kind> s::gui::text::FontDescription& Box<Kind>::getStyle2() {
    return text->getStyle2();
}

// The only two kinds of group box; their drawers derive from these.
template class Box<s::gui::drawer::groupbox::IBasic>;
template class Box<s::gui::drawer::groupbox::IThin>;

} // namespace s::gui::drawer::groupbox::win
