#include "s/gui/drawer/skin/win/TabBoxColours.h"

#include "s/gui/drawer/ITabBox.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"

namespace s::gui::drawer::skin::win {

using s::gui::drawer::ITabBox;

void TabBoxColours::thinWindow(ITabBox& drawer, const ThinWindowPalette& palette) {
    using Role = ThinWindowPalette::Role;
    setRgb(drawer, &ITabBox::setColor, palette.colour(Role::ControlFrame));
    const Rgb& text = palette.colour(Role::Text);
    setTextRgb(drawer.getStyle1(), text);
    setTextRgb(drawer.getStyle2(), text);
    setTextRgb(drawer.getSecondStyle(), text);
}

void TabBoxColours::thin(ITabBox& drawer, const ThinPalette& palette) {
    setRgb(drawer, &ITabBox::setColor, palette.colour(ThinPalette::Role::Frame));
}

} // namespace s::gui::drawer::skin::win
