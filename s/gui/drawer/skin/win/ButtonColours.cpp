#include "s/gui/drawer/skin/win/ButtonColours.h"

#include "s/gui/drawer/IButton.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"
#include "s/gui/text/FontDescription.h"

namespace s::gui::drawer::skin::win {

void ButtonColours::thinWindow(s::gui::drawer::IButton& drawer, const ThinWindowPalette& palette) {
    using Role = ThinWindowPalette::Role;
    const Rgb& frame = palette.colour(Role::ControlFrame);
    const Rgb& disabled = palette.colour(Role::Disabled);
    const Rgb& fill = palette.colour(Role::ToggledFill);
    drawer.setFrameColor(frame.red, frame.green, frame.blue);
    drawer.setDisabledFrameColor(disabled.red, disabled.green, disabled.blue);
    drawer.setToggledFrameColor(frame.red, frame.green, frame.blue);
    drawer.setToggledFill(fill.red, fill.green, fill.blue);
    setTextRgb(drawer.getStyle1(), palette.colour(Role::Text));
    setTextRgb(drawer.getStyle2(), disabled);
    setTextRgb(drawer.getToggledStyle(), palette.colour(Role::ToggledText));
    drawer.setFirstFlag(false);
    drawer.setSecondFlag(true);
    drawer.setShiftLabel(true);
}

void ButtonColours::thin(s::gui::drawer::IButton& drawer, const ThinPalette& palette) {
    using Role = ThinPalette::Role;
    const Rgb& frame = palette.colour(Role::Frame);
    drawer.setFrameColor(frame.red, frame.green, frame.blue);
    setTextRgb(drawer.getStyle1(), palette.colour(Role::Text));
    setTextRgb(drawer.getStyle2(), palette.colour(Role::Text));
}

} // namespace s::gui::drawer::skin::win
