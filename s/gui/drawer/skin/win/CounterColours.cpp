#include "s/gui/drawer/skin/win/CounterColours.h"

#include "s/gui/drawer/ICounter.h"
#include "s/gui/drawer/skin/ThinPalette.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"

namespace s::gui::drawer::skin::win {

using s::gui::drawer::ICounter;

void CounterColours::thinWindow(ICounter& drawer, const ThinWindowPalette& palette) {
    using Role = ThinWindowPalette::Role;
    setRgb(drawer, &ICounter::setFirstColor, palette.colour(Role::FirstSeries));
    setRgb(drawer, &ICounter::setSecondColor, palette.colour(Role::SecondSeries));
}

void CounterColours::thin(ICounter& drawer, const ThinPalette& palette) {
    using Role = ThinPalette::Role;
    setRgb(drawer, &ICounter::setFirstColor, palette.colour(Role::FirstSeries));
    setRgb(drawer, &ICounter::setSecondColor, palette.colour(Role::SecondSeries));
}

} // namespace s::gui::drawer::skin::win
