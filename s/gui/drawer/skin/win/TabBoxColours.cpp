#include "s/gui/drawer/skin/win/TabBoxColours.h"

#include "s/gui/drawer/ITabBox.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"
#include "s/gui/text/FontDescription.h"

namespace s::gui::drawer::skin::win {

using s::gui::drawer::ITabBox;
using s::gui::text::FontDescription;

void TabBoxColours::thinWindow(ITabBox& drawer, const ThinWindowPalette& palette) {
    using Role = ThinWindowPalette::Role;
    setRgb(drawer, &ITabBox::setColor, palette.colour(Role::ControlFrame));
    const Rgb& text = palette.colour(Role::Text);
    setRgb(drawer.getStyle1(), &FontDescription::setTextColor, text);
    setRgb(drawer.getStyle2(), &FontDescription::setTextColor, text);
    setRgb(drawer.getSecondStyle(), &FontDescription::setTextColor, text);
}

void TabBoxColours::thin(ITabBox& drawer, const ThinPalette& palette) {
    setRgb(drawer, &ITabBox::setColor, palette.colour(ThinPalette::Role::Frame));
}

} // namespace s::gui::drawer::skin::win
