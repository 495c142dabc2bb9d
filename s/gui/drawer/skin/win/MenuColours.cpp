#include "s/gui/drawer/skin/win/MenuColours.h"

#include "s/gui/drawer/ICombo.h"
#include "s/gui/drawer/IMenu.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"
#include "s/gui/drawer/skin/win/ComboColours.h"

namespace s::gui::drawer::skin::win {

using s::gui::drawer::IMenu;

namespace {

void colour(IMenu& drawer, const Rgb& text, const Rgb& selection, const Rgb& selectedText) {
    setRgb(drawer, &IMenu::setNormalTextColor, text);
    setRgb(drawer, &IMenu::setSelectionColor, selection);
    setRgb(drawer, &IMenu::setSelectedTextColor, selectedText);
    drawer.setFirstFlag(false);
    drawer.setSecondFlag(true);
}

} // namespace

void MenuColours::thinWindow(IMenu& drawer, const ThinWindowPalette& palette) {
    using Role = ThinWindowPalette::Role;
    colour(drawer, palette.colour(Role::Text), palette.colour(Role::ControlFrame),
           palette.colour(Role::Background));
    if (s::gui::drawer::ICombo* combo = drawer.getComboDrawer()) {
        ComboColours::thinWindow(*combo, palette);
    }
}

void MenuColours::thin(IMenu& drawer, const ThinPalette& palette) {
    using Role = ThinPalette::Role;
    colour(drawer, palette.colour(Role::Text), palette.colour(Role::Frame),
           palette.colour(Role::Background));
}

} // namespace s::gui::drawer::skin::win
