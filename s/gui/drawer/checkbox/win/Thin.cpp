#include "s/gui/drawer/checkbox/win/Thin.h"

#include "s/gui/drawer/button/win/Thin.h"
#include "s/gui/drawer/checkbox/CheckBoxGeometry.h"
#include "s/gui/drawer/text/win/Basic.h"
#include "s/gui/paint/win/DcFill.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/text/FontDescription.h"
#include "s/gui/win/Font.h"

namespace s::gui::drawer::checkbox::win {

using s::gui::text::FontDescription;

namespace {

// Label and frame colour until a scheme gives its own.
constexpr uint8_t kGrey = 120;
// The check mark, whatever the scheme: black on the white inside.
constexpr uint8_t kMark = 0;

} // namespace

Thin::Thin() : mark(s::gui::drawer::button::win::Thin::newInstance()) {
    reset();
}

Thin::~Thin() = default;

void Thin::reset() {
    firstFlag = true;
    secondFlag = false;
    thirdSetting = 1;
    labelColor = FontDescription::rgb(kGrey, kGrey, kGrey);
    frameColor = FontDescription::rgb(kGrey, kGrey, kGrey);
    if (mark) {
        mark->reset();
    }
    if (label) {
        label->reset();
    }
}

void Thin::draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t boxSide,
                bool marked, const char16_t* text, s::gui::win::Font* font) {
    if (left >= right || top >= bottom) {
        return;
    }
    {
        s::gui::paint::win::DcFill target(dc);
        CheckBoxGeometry::paintBox(target, left, top, boxSide, frameColor,
                                   s::gui::scale::win::systemScale().getUnit());
    }
    if (marked && mark) {
        const s::gui::layout::Rect area = CheckBoxGeometry::markArea(left, top, boxSide);
        mark->paintGlyph(dc, area.x, area.y, area.right(), area.bottom(), u"#Check", kMark, kMark,
                         kMark);
    }
    if (font != nullptr && text != nullptr && label) {
        label->draw(dc, CheckBoxGeometry::labelLeft(left, boxSide), top, right, bottom, text,
                    *font);
    }
}

s::gui::text::TextExtents Thin::measureForLayout(HDC dc, const char16_t* text,
                                                 s::gui::win::Font& font) {
    if (!label) {
        return {};
    }
    return CheckBoxGeometry::widenForBox(label->measureForLayout(dc, text, font));
}

void Thin::setLabelColor(uint8_t red, uint8_t green, uint8_t blue) {
    labelColor = FontDescription::rgb(red, green, blue);
    Labelled::setLabelColor(red, green, blue);
}

void Thin::setFrameColor(uint8_t red, uint8_t green, uint8_t blue) {
    frameColor = FontDescription::rgb(red, green, blue);
}

void Thin::setMarkFrameColor(uint8_t red, uint8_t green, uint8_t blue) {
    if (mark) {
        mark->setFrameColor(red, green, blue);
    }
}

} // namespace s::gui::drawer::checkbox::win
