#include "s/gui/drawer/combo/win/Thin.h"

#include "s/gui/drawer/ColourChannels.h"
#include "s/gui/drawer/button/win/Thin.h"
#include "s/gui/drawer/combo/ComboGeometry.h"
#include "s/gui/drawer/text/win/Basic.h"
#include "s/gui/paint/win/DcFill.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/text/FontDescription.h"
#include "s/gui/win/Font.h"

namespace s::gui::drawer::combo::win {

using Channels = s::gui::drawer::ColourChannels;
using s::gui::layout::Rect;
using s::gui::text::FontDescription;

Thin::Thin() : button(s::gui::drawer::button::win::Thin::newInstance()) {
    reset();
}

Thin::~Thin() = default;

void Thin::reset() {
    if (label) {
        label->reset();
        label->setCentered(false);
    }
    if (button) {
        button->reset();
    }
    frameColor = FontDescription::rgb(0, 0, 0);
}

void Thin::draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t state,
                const char16_t* text, s::gui::win::Font* font, bool enabled) const {
    if (left >= right || top >= bottom || !label || !button) {
        return;
    }
    const int32_t unit = s::gui::scale::win::systemScale().getUnit();
    // 1. The box is a framed button without a label of its own.
    button->draw(dc, left, top, right, bottom, state, nullptr, true, font, enabled, false, false);
    // 2. The text, one line centred in the text box.
    const Rect box = ComboGeometry::textBox(left, top, right, bottom, state, unit);
    if (text != nullptr && font != nullptr) {
        const int32_t textHeight = label->measureForLayout(dc, text, *font).height;
        const Rect line = ComboGeometry::textLine(box, textHeight);
        label->draw(dc, line.x, line.y, line.right(), line.bottom(), text, *font);
    }
    // 3. Separator and arrow.
    {
        s::gui::paint::win::DcFill target(dc);
        ComboGeometry::paintSeparator(target, box, frameColor, unit);
    }
    const Rect arrow = ComboGeometry::arrowArea(box, unit);
    button->paintGlyph(dc, arrow.x, arrow.y, arrow.right(), arrow.bottom(), u"#Down",
                       Channels::red(frameColor), Channels::green(frameColor),
                       Channels::blue(frameColor));
}

void Thin::setFrameColor(uint8_t red, uint8_t green, uint8_t blue) {
    frameColor = FontDescription::rgb(red, green, blue);
    if (button) {
        button->setFrameColor(red, green, blue);
    }
}

} // namespace s::gui::drawer::combo::win
