#include "s/gui/drawer/skin/win/RadioButtonColours.h"

#include "s/gui/drawer/IRadioButton.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"

namespace s::gui::drawer::skin::win {

using s::gui::drawer::IRadioButton;

void RadioButtonColours::thinWindow(IRadioButton& drawer, const ThinWindowPalette& palette) {
    using Role = ThinWindowPalette::Role;
    setRgb(drawer, &IRadioButton::setFrameColor, palette.colour(Role::ControlFrame));
    setRgb(drawer, &IRadioButton::setLabelColor, palette.colour(Role::Text));
    setRgb(drawer, &IRadioButton::setSecondLabelColor, palette.colour(Role::Disabled));
}

void RadioButtonColours::thin(IRadioButton& drawer, const ThinPalette& palette) {
    using Role = ThinPalette::Role;
    setRgb(drawer, &IRadioButton::setFrameColor, palette.colour(Role::Frame));
    setRgb(drawer, &IRadioButton::setLabelColor, palette.colour(Role::Text));
    setRgb(drawer, &IRadioButton::setSecondLabelColor, palette.colour(Role::Text));
}

} // namespace s::gui::drawer::skin::win
