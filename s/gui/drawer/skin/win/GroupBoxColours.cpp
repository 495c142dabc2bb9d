#include "s/gui/drawer/skin/win/GroupBoxColours.h"

#include "s/gui/drawer/IGroupBox.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"

namespace s::gui::drawer::skin::win {

using s::gui::drawer::IGroupBox;

void GroupBoxColours::thinWindow(IGroupBox& drawer, const ThinWindowPalette& palette) {
    using Role = ThinWindowPalette::Role;
    setRgb(drawer, &IGroupBox::setFrameColor, palette.colour(Role::GroupFrame));
    setTextRgb(drawer.getStyle1(), palette.colour(Role::Text));
    setTextRgb(drawer.getStyle2(), palette.colour(Role::Text));
}

void GroupBoxColours::thin(IGroupBox& drawer, const ThinPalette& palette) {
    using Role = ThinPalette::Role;
    setRgb(drawer, &IGroupBox::setFrameColor, palette.colour(Role::Frame));
    setTextRgb(drawer.getStyle1(), palette.colour(Role::Text));
    setTextRgb(drawer.getStyle2(), palette.colour(Role::Text));
}

} // namespace s::gui::drawer::skin::win
