#include "s/gui/drawer/skin/win/StatusBarColours.h"

#include "s/gui/drawer/IStatusBar.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"

namespace s::gui::drawer::skin::win {

using s::gui::drawer::IStatusBar;

void StatusBarColours::thinWindow(IStatusBar& drawer, const ThinWindowPalette& palette) {
    setRgb(drawer, &IStatusBar::setBackground,
           palette.colour(ThinWindowPalette::Role::ControlFrame));
}

void StatusBarColours::thin(IStatusBar& drawer, const ThinPalette& palette) {
    setRgb(drawer, &IStatusBar::setBackground, palette.colour(ThinPalette::Role::Frame));
}

} // namespace s::gui::drawer::skin::win
