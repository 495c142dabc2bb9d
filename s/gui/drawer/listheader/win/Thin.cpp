#include "s/gui/drawer/listheader/win/Thin.h"

#include "s/gui/drawer/ColourChannels.h"
#include "s/gui/drawer/button/win/Thin.h"
#include "s/gui/paint/win/DcFill.h"
#include "s/gui/text/FontDescription.h"

namespace s::gui::drawer::listheader::win {

using Channels = s::gui::drawer::ColourChannels;
using s::gui::text::FontDescription;

namespace {

constexpr uint8_t kGrey = 120;
constexpr uint8_t kDark = 51;
// Rows of a list under this header, in pixels, until a scheme sets them.
constexpr int32_t kRowHeight = 22;

} // namespace

Thin::Thin() : button(s::gui::drawer::button::win::Thin::newInstance()) {
    reset();
}

Thin::~Thin() = default;

void Thin::reset() {
    shiftLabel = true;
    cornerStyle = 0;
    frameColor = FontDescription::rgb(kGrey, kGrey, kGrey);
    background = FontDescription::rgb(kDark, kDark, kDark);
    if (button) {
        button->reset();
        button->setShiftLabel(shiftLabel);
        button->setCornerStyle(cornerStyle);
    }
    rowHeight = kRowHeight;
}

void Thin::drawBackground(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                          bool useGiven, uint8_t red, uint8_t green, uint8_t blue) const {
    if (left >= right || top >= bottom) {
        return;
    }
    s::gui::paint::win::DcFill target(dc);
    target.fill(left, top, right - left, bottom - top,
                useGiven ? FontDescription::rgb(red, green, blue) : background);
}

void Thin::drawCell(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state,
                    const char16_t* label, s::gui::win::Font* font) const {
    if (button) {
        button->draw(dc, left, top, right, bottom, state, label, true, font, true, false, false);
    }
}

void Thin::setShiftLabel(bool on) {
    shiftLabel = on;
    if (button) {
        button->setShiftLabel(on);
    }
}

uint8_t Thin::getFrameRed() const {
    return Channels::red(frameColor);
}

uint8_t Thin::getFrameGreen() const {
    return Channels::green(frameColor);
}

uint8_t Thin::getFrameBlue() const {
    return Channels::blue(frameColor);
}

void Thin::setFrameColor(uint8_t red, uint8_t green, uint8_t blue) {
    frameColor = FontDescription::rgb(red, green, blue);
    if (button) {
        button->setFrameColor(red, green, blue);
    }
}

uint8_t Thin::getBackgroundRed() const {
    return Channels::red(background);
}

uint8_t Thin::getBackgroundGreen() const {
    return Channels::green(background);
}

uint8_t Thin::getBackgroundBlue() const {
    return Channels::blue(background);
}

void Thin::setBackground(uint8_t red, uint8_t green, uint8_t blue) {
    background = FontDescription::rgb(red, green, blue);
}

void Thin::completeFonts(s::gui::win::Font* font) {
    if (button) {
        button->completeFonts(font, nullptr);
    }
}

s::gui::text::FontDescription& Thin::getTextStyle() {
    return button->getStyle1();
}

} // namespace s::gui::drawer::listheader::win
