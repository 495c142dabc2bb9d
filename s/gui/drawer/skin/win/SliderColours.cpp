#include "s/gui/drawer/skin/win/SliderColours.h"

#include "s/gui/drawer/ISlider.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"

namespace s::gui::drawer::skin::win {

using s::gui::drawer::ISlider;

void SliderColours::thinWindow(ISlider& drawer, const ThinWindowPalette& palette) {
    using Role = ThinWindowPalette::Role;
    setRgb(drawer, &ISlider::setFrameColor, palette.colour(Role::ControlFrame));
    setRgb(drawer, &ISlider::setFillColor, palette.colour(Role::Track));
    setRgb(drawer, &ISlider::setDisabledColor, palette.colour(Role::Disabled));
}

void SliderColours::thin(ISlider& drawer, const ThinPalette& palette) {
    using Role = ThinPalette::Role;
    setRgb(drawer, &ISlider::setFrameColor, palette.colour(Role::Frame));
    setRgb(drawer, &ISlider::setFillColor, palette.colour(Role::SliderFill));
}

} // namespace s::gui::drawer::skin::win
