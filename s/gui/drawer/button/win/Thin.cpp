#include "s/gui/drawer/button/win/Thin.h"

#include <initializer_list>

#include "s/gui/drawer/border/win/Thin.h"
#include "s/gui/drawer/button/ButtonPlan.h"
#include "s/gui/drawer/glyph/GlyphPainter.h"
#include "s/gui/drawer/text/win/Basic.h"
#include "s/gui/paint/win/DcFill.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/text/FontDescription.h"
#include "s/gui/win/Font.h"

namespace s::gui::drawer::button::win {

namespace {

using s::gui::text::FontDescription;

// Colours of a drawer that no scheme has coloured (red, green, blue).
constexpr uint8_t kAccent[3] = {213, 235, 107};
constexpr uint8_t kGrey[3] = {120, 120, 120};
// A button's corners unless a scheme says otherwise: slightly rounded.
constexpr int32_t kCornerStyle = 1;

uint8_t redOf(uint32_t colour) {
    return static_cast<uint8_t>(colour & 0xFFu);
}
uint8_t greenOf(uint32_t colour) {
    return static_cast<uint8_t>((colour >> 8) & 0xFFu);
}
uint8_t blueOf(uint32_t colour) {
    return static_cast<uint8_t>((colour >> 16) & 0xFFu);
}

int32_t unit() {
    return s::gui::scale::win::systemScale().getUnit();
}

} // namespace

Thin::Thin()
    : border(s::gui::drawer::border::win::Thin::newInstance()),
      text(s::gui::drawer::text::win::Basic::newInstance()),
      toggledText(s::gui::drawer::text::win::Basic::newInstance()) {
    reset();
}

Thin::~Thin() {
    if (border != nullptr) {
        border->release();
    }
    if (text != nullptr) {
        text->release();
    }
    if (toggledText != nullptr) {
        toggledText->release();
    }
}

void Thin::reset() {
    accent = FontDescription::rgb(kAccent[0], kAccent[1], kAccent[2]);
    firstFlag = true;
    secondFlag = true;
    shiftLabel = false;
    cornerStyle = kCornerStyle;
    frame = FontDescription::rgb(kGrey[0], kGrey[1], kGrey[2]);
    disabledFrame = frame;
    toggledFrame = frame;
    toggledFill = frame;
    if (border != nullptr) {
        border->reset();
    }
    for (s::gui::drawer::text::win::Basic* drawer : {text, toggledText}) {
        if (drawer != nullptr) {
            drawer->reset();
            drawer->setCentered(true);
        }
    }
}

void Thin::draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state,
                const char16_t* label, bool framed, s::gui::win::Font* style, bool enabled,
                bool toggled, bool openBottom) {
    ButtonPlan::Look look;
    look.frame = frame;
    look.disabledFrame = disabledFrame;
    look.toggledFrame = toggledFrame;
    look.toggledFill = toggledFill;
    look.shiftLabel = shiftLabel;
    const ButtonPlan plan = ButtonPlan::make(
        look, {left, top, right, bottom, state, framed, enabled, toggled, openBottom, unit()});
    if (dc == nullptr || plan.empty) {
        return;
    }
    if (plan.hasFill) {
        s::gui::paint::win::DcFill target(dc);
        target.fill(plan.fill.x, plan.fill.y, plan.fill.width, plan.fill.height, plan.fillColour);
    }
    if (plan.hasBevel && border != nullptr) {
        border->draw(dc, plan.bevel.x, plan.bevel.y, plan.bevel.right(), plan.bevel.bottom(),
                     plan.bevelType, cornerStyle, redOf(plan.frameColour),
                     greenOf(plan.frameColour), blueOf(plan.frameColour));
    }
    if (label == nullptr) {
        return;
    }
    // A toggled glyph sits on the toggled fill, where the label's own colour
    // is the one chosen to stand out; without a font the frame's colour
    // stays the safe choice.
    const uint32_t glyphColour =
        toggled && style != nullptr ? style->getTextColor() : plan.frameColour;
    if (paintGlyph(dc, plan.glyph.x, plan.glyph.y, plan.glyph.right(), plan.glyph.bottom(), label,
                   redOf(glyphColour), greenOf(glyphColour), blueOf(glyphColour))) {
        return;
    }
    if (style == nullptr || text == nullptr) {
        return;
    }
    text->draw(dc, plan.text.x, plan.text.y, plan.text.right(), plan.text.bottom(), label, *style);
}

bool Thin::paintGlyph(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      const char16_t* label, uint8_t red, uint8_t green, uint8_t blue) {
    if (dc == nullptr) {
        return false;
    }
    s::gui::paint::win::DcFill target(dc);
    return s::gui::drawer::glyph::GlyphPainter::paint(
        target, left, top, right, bottom, label, FontDescription::rgb(red, green, blue), unit());
}

void Thin::setAccentColor(uint8_t red, uint8_t green, uint8_t blue) {
    accent = FontDescription::rgb(red, green, blue);
}

uint8_t Thin::getFrameRed() const {
    return redOf(frame);
}
uint8_t Thin::getFrameGreen() const {
    return greenOf(frame);
}
uint8_t Thin::getFrameBlue() const {
    return blueOf(frame);
}
void Thin::setFrameColor(uint8_t red, uint8_t green, uint8_t blue) {
    frame = FontDescription::rgb(red, green, blue);
}

uint8_t Thin::getDisabledFrameRed() const {
    return redOf(disabledFrame);
}
uint8_t Thin::getDisabledFrameGreen() const {
    return greenOf(disabledFrame);
}
uint8_t Thin::getDisabledFrameBlue() const {
    return blueOf(disabledFrame);
}
void Thin::setDisabledFrameColor(uint8_t red, uint8_t green, uint8_t blue) {
    disabledFrame = FontDescription::rgb(red, green, blue);
}

void Thin::setToggledFrameColor(uint8_t red, uint8_t green, uint8_t blue) {
    toggledFrame = FontDescription::rgb(red, green, blue);
}
void Thin::setToggledFill(uint8_t red, uint8_t green, uint8_t blue) {
    toggledFill = FontDescription::rgb(red, green, blue);
}
uint8_t Thin::getToggledFillRed() const {
    return redOf(toggledFill);
}
uint8_t Thin::getToggledFillGreen() const {
    return greenOf(toggledFill);
}
uint8_t Thin::getToggledFillBlue() const {
    return blueOf(toggledFill);
}

void Thin::completeFonts(s::gui::win::Font* first, s::gui::win::Font* second) {
    text->completeFonts(first, second, nullptr, nullptr, nullptr);
}

void Thin::completeSettings(s::gui::win::FontSetting* first, s::gui::win::FontSetting* second) {
    text->completeSettings(first, second, nullptr, nullptr, nullptr);
}

s::gui::text::FontDescription& Thin::getStyle1() {
    return text->getStyle1();
}
s::gui::text::FontDescription& Thin::getStyle2() {
    return text->getStyle2();
}

void Thin::completeToggledFont(s::gui::win::Font* font) {
    toggledText->completeFonts(font, nullptr, nullptr, nullptr, nullptr);
}

void Thin::completeToggledSetting(s::gui::win::FontSetting* setting) {
    toggledText->completeSettings(setting, nullptr, nullptr, nullptr, nullptr);
}

s::gui::text::FontDescription& Thin::getToggledStyle() {
    return toggledText->getStyle1();
}

void Thin::setShaded(bool on) {
    border->setShaded(on);
}

} // namespace s::gui::drawer::button::win
