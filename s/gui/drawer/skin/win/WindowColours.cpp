#include "s/gui/drawer/skin/win/WindowColours.h"

#include "s/gui/drawer/IWindow.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"

namespace s::gui::drawer::skin::win {

namespace {

// The window drawer's square corners.
constexpr int32_t kSquareCorners = 0;

void colour(s::gui::drawer::IWindow& drawer, const Rgb& frame, const Rgb& background) {
    drawer.setFrameColor(frame.red, frame.green, frame.blue);
    drawer.setBackground(background.red, background.green, background.blue);
}

} // namespace

void WindowColours::thinWindow(s::gui::drawer::IWindow& drawer, const ThinWindowPalette& palette) {
    using Role = ThinWindowPalette::Role;
    colour(drawer, palette.colour(Role::Frame), palette.colour(Role::Background));
    drawer.setTopCorners(kSquareCorners);
    drawer.setBottomCorners(kSquareCorners);
}

void WindowColours::thin(s::gui::drawer::IWindow& drawer, const ThinPalette& palette) {
    using Role = ThinPalette::Role;
    colour(drawer, palette.colour(Role::Frame), palette.colour(Role::Background));
}

} // namespace s::gui::drawer::skin::win
