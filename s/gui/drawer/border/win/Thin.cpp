#include "s/gui/drawer/border/win/Thin.h"

#include "s/gui/drawer/border/Bevel.h"
#include "s/gui/paint/win/DcFill.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/text/FontDescription.h"

namespace s::gui::drawer::border::win {

void Thin::reset() {
    shaded = true;
}

void Thin::draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t type,
                int32_t cornerStyle, uint8_t red, uint8_t green, uint8_t blue) {
    if (dc == nullptr || left >= right || top >= bottom) {
        return;
    }
    s::gui::paint::win::DcFill target(dc);
    Bevel::paint(target, left, top, right, bottom, type, cornerStyle,
                 s::gui::scale::win::systemScale().getUnit(), shaded,
                 s::gui::text::FontDescription::rgb(red, green, blue));
}

} // namespace s::gui::drawer::border::win
