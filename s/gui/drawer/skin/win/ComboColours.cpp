#include "s/gui/drawer/skin/win/ComboColours.h"

#include "s/gui/drawer/ICombo.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"

namespace s::gui::drawer::skin::win {

using s::gui::drawer::ICombo;

void ComboColours::thinWindow(ICombo& drawer, const ThinWindowPalette& palette) {
    using Role = ThinWindowPalette::Role;
    setRgb(drawer, &ICombo::setLabelColor, palette.colour(Role::Text));
    setRgb(drawer, &ICombo::setSecondLabelColor, palette.colour(Role::Text));
    setRgb(drawer, &ICombo::setFrameColor, palette.colour(Role::ControlFrame));
}

void ComboColours::thin(ICombo& drawer, const ThinPalette& palette) {
    using Role = ThinPalette::Role;
    setRgb(drawer, &ICombo::setLabelColor, palette.colour(Role::Text));
    setRgb(drawer, &ICombo::setSecondLabelColor, palette.colour(Role::Text));
    setRgb(drawer, &ICombo::setFrameColor, palette.colour(Role::Frame));
}

} // namespace s::gui::drawer::skin::win
