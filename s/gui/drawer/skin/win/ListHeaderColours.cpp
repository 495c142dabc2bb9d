#include "s/gui/drawer/skin/win/ListHeaderColours.h"

#include "s/gui/drawer/IListHeader.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"

namespace s::gui::drawer::skin::win {

using s::gui::drawer::IListHeader;

void ListHeaderColours::thinWindow(IListHeader& drawer, const ThinWindowPalette& palette) {
    using Role = ThinWindowPalette::Role;
    drawer.setShiftLabel(true);
    setRgb(drawer, &IListHeader::setFrameColor, palette.colour(Role::ControlFrame));
    setRgb(drawer, &IListHeader::setBackground, palette.colour(Role::ToggledFill));
    setTextRgb(drawer.getTextStyle(), palette.colour(Role::ToggledText));
}

void ListHeaderColours::thin(IListHeader& drawer, const ThinPalette& palette) {
    using Role = ThinPalette::Role;
    drawer.setShiftLabel(true);
    setRgb(drawer, &IListHeader::setFrameColor, palette.colour(Role::Frame));
    setRgb(drawer, &IListHeader::setBackground, palette.colour(Role::Background));
    setTextRgb(drawer.getTextStyle(), palette.colour(Role::Text));
}

} // namespace s::gui::drawer::skin::win
