#include "s/gui/drawer/skin/win/CheckBoxColours.h"

#include "s/gui/drawer/ICheckBox.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"

namespace s::gui::drawer::skin::win {

namespace {

void colour(s::gui::drawer::ICheckBox& drawer, const Rgb& frame, const Rgb& label,
            const Rgb& disabledLabel) {
    drawer.setFrameColor(frame.red, frame.green, frame.blue);
    drawer.setLabelColor(label.red, label.green, label.blue);
    drawer.setSecondLabelColor(disabledLabel.red, disabledLabel.green, disabledLabel.blue);
}

} // namespace

void CheckBoxColours::thinWindow(s::gui::drawer::ICheckBox& drawer,
                                 const ThinWindowPalette& palette) {
    using Role = ThinWindowPalette::Role;
    colour(drawer, palette.colour(Role::ControlFrame), palette.colour(Role::Text),
           palette.colour(Role::Disabled));
}

void CheckBoxColours::thin(s::gui::drawer::ICheckBox& drawer, const ThinPalette& palette) {
    using Role = ThinPalette::Role;
    colour(drawer, palette.colour(Role::Frame), palette.colour(Role::Text),
           palette.colour(Role::Text));
}

} // namespace s::gui::drawer::skin::win
