#include "s/gui/drawer/skin/SchemeDrawers.h"

#include "s/gui/drawer/ISkin.h"
#include "s/gui/drawer/skin/win/TextColours.h"

// One line per drawer kind; a kind whose drawer class is not there stays
// null in the skin (windows and controls then draw it natively).

namespace s::gui::drawer::skin {

void giveThinWindowDrawers(s::gui::drawer::ISkin& skin, const ThinWindowPalette& palette) {
    skin.setTextDrawer(win::TextColours::newThinWindow(palette));
}

void giveThinDrawers(s::gui::drawer::ISkin& skin, const ThinPalette& palette) {
    skin.setTextDrawer(win::TextColours::newThin(palette));
}

} // namespace s::gui::drawer::skin
