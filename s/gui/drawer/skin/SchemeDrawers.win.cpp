#include "s/gui/drawer/skin/SchemeDrawers.h"

#include "s/gui/drawer/ISkin.h"
#include "s/gui/drawer/button/win/Thin.h"
#include "s/gui/drawer/skin/win/ButtonColours.h"
#include "s/gui/drawer/skin/win/TextColours.h"
#include "s/gui/drawer/skin/win/WindowColours.h"
#include "s/gui/drawer/text/win/Basic.h"
#include "s/gui/drawer/window/win/Thin.h"

// Each kind's drawer is taken from its pool, coloured by its own colouring
// class and handed to the skin. A kind whose drawer class is not there stays
// null in the skin (windows and controls then draw it natively).

namespace s::gui::drawer::skin {

namespace {

using ButtonDrawer = s::gui::drawer::button::win::Thin;
using TextDrawer = s::gui::drawer::text::win::Basic;
using WindowDrawer = s::gui::drawer::window::win::Thin;

// A new drawer of class D from its pool, coloured by `colour`; null when
// the pool has none.
template <class D, class Kind, class Palette>
D* made(void (*colour)(Kind&, const Palette&), const Palette& palette) {
    D* drawer = D::newInstance();
    if (drawer != nullptr) {
        colour(*drawer, palette);
    }
    return drawer;
}

} // namespace

void giveThinWindowDrawers(s::gui::drawer::ISkin& skin, const ThinWindowPalette& palette) {
    skin.setWindowDrawer(made<WindowDrawer>(&win::WindowColours::thinWindow, palette));
    skin.setButtonDrawer(made<ButtonDrawer>(&win::ButtonColours::thinWindow, palette));
    skin.setTextDrawer(made<TextDrawer>(&win::TextColours::thinWindow, palette));
}

void giveThinDrawers(s::gui::drawer::ISkin& skin, const ThinPalette& palette) {
    skin.setWindowDrawer(made<WindowDrawer>(&win::WindowColours::thin, palette));
    skin.setButtonDrawer(made<ButtonDrawer>(&win::ButtonColours::thin, palette));
    skin.setTextDrawer(made<TextDrawer>(&win::TextColours::thin, palette));
}

} // namespace s::gui::drawer::skin
