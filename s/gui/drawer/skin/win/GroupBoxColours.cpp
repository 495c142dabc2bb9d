#include "s/gui/drawer/skin/win/GroupBoxColours.h"

#include "s/gui/drawer/IGroupBox.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"
#include "s/gui/text/FontDescription.h"

namespace s::gui::drawer::skin::win {

using s::gui::drawer::IGroupBox;
using s::gui::text::FontDescription;

void GroupBoxColours::thinWindow(IGroupBox& drawer, const ThinWindowPalette& palette) {
    using Role = ThinWindowPalette::Role;
    setRgb(drawer, &IGroupBox::setFrameColor, palette.colour(Role::GroupFrame));
    setRgb(drawer.getStyle1(), &FontDescription::setTextColor, palette.colour(Role::Text));
    setRgb(drawer.getStyle2(), &FontDescription::setTextColor, palette.colour(Role::Text));
}

void GroupBoxColours::thin(IGroupBox& drawer, const ThinPalette& palette) {
    using Role = ThinPalette::Role;
    setRgb(drawer, &IGroupBox::setFrameColor, palette.colour(Role::Frame));
    setRgb(drawer.getStyle1(), &FontDescription::setTextColor, palette.colour(Role::Text));
    setRgb(drawer.getStyle2(), &FontDescription::setTextColor, palette.colour(Role::Text));
}

} // namespace s::gui::drawer::skin::win
