#include "s/gui/drawer/skin/win/TextColours.h"

#include "s/gui/drawer/IText.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"
#include "s/gui/text/FontDescription.h"

namespace s::gui::drawer::skin::win {

using s::gui::text::FontDescription;

void TextColours::thinWindow(s::gui::drawer::IText& drawer, const ThinWindowPalette& palette) {
    using Role = ThinWindowPalette::Role;
    FontDescription& normal = drawer.getStyle1();
    setTextRgb(normal, palette.colour(Role::Text));
    const Rgb& back = palette.colour(Role::Background);
    normal.setBackColor(back.red, back.green, back.blue);
    setRgb(normal, &FontDescription::setShadeColor, palette.colour(Role::Shade));
    setTextRgb(drawer.getStyle2(), palette.colour(Role::Disabled));
    setTextRgb(drawer.getStyle3(), palette.colour(Role::Text));
    setTextRgb(drawer.getStyle4(), palette.colour(Role::ControlFrame));
}

void TextColours::thin(s::gui::drawer::IText& drawer, const ThinPalette& palette) {
    const Rgb& text = palette.colour(ThinPalette::Role::Text);
    setTextRgb(drawer.getStyle1(), text);
    setTextRgb(drawer.getStyle2(), text);
}

} // namespace s::gui::drawer::skin::win
