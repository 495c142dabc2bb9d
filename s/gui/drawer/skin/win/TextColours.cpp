#include "s/gui/drawer/skin/win/TextColours.h"

#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"
#include "s/gui/drawer/text/win/Basic.h"

namespace s::gui::drawer::skin::win {

namespace {

using Basic = s::gui::drawer::text::win::Basic;
using s::gui::text::FontDescription;

void setText(FontDescription& style, const Rgb& colour) {
    style.setTextColor(colour.red, colour.green, colour.blue);
}

} // namespace

s::gui::drawer::IText* TextColours::newThinWindow(const ThinWindowPalette& palette) {
    using Role = ThinWindowPalette::Role;
    Basic* drawer = Basic::newInstance();
    if (drawer == nullptr) {
        return nullptr;
    }
    FontDescription& normal = drawer->getStyle1();
    setText(normal, palette.colour(Role::Text));
    const Rgb& back = palette.colour(Role::Background);
    normal.setBackColor(back.red, back.green, back.blue);
    setText(drawer->getStyle2(), palette.colour(Role::Disabled));
    setText(drawer->getStyle3(), palette.colour(Role::Text));
    setText(drawer->getStyle4(), palette.colour(Role::ControlFrame));
    return drawer;
}

s::gui::drawer::IText* TextColours::newThin(const ThinPalette& palette) {
    Basic* drawer = Basic::newInstance();
    if (drawer == nullptr) {
        return nullptr;
    }
    const Rgb& text = palette.colour(ThinPalette::Role::Text);
    setText(drawer->getStyle1(), text);
    setText(drawer->getStyle2(), text);
    return drawer;
}

} // namespace s::gui::drawer::skin::win
