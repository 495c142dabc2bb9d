#include "s/gui/drawer/skin/win/ScrollBarColours.h"

#include "s/gui/drawer/IScrollBar.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"
#include "s/gui/scale/win/SystemScale.h"

namespace s::gui::drawer::skin::win {

using s::gui::drawer::IScrollBar;

namespace {

void colour(IScrollBar& drawer, const Rgb& frame, const Rgb& track) {
    drawer.setThickness(ScrollBarColours::kThickness * s::gui::scale::win::systemScale().getUnit());
    setRgb(drawer, &IScrollBar::setFrameColor, frame);
    setRgb(drawer, &IScrollBar::setTrackColor, track);
}

} // namespace

void ScrollBarColours::thinWindow(IScrollBar& drawer, const ThinWindowPalette& palette) {
    using Role = ThinWindowPalette::Role;
    colour(drawer, palette.colour(Role::ControlFrame), palette.colour(Role::Track));
}

void ScrollBarColours::thin(IScrollBar& drawer, const ThinPalette& palette) {
    using Role = ThinPalette::Role;
    colour(drawer, palette.colour(Role::Frame), palette.colour(Role::Background));
}

} // namespace s::gui::drawer::skin::win
