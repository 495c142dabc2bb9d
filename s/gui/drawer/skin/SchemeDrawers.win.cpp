#include "s/gui/drawer/skin/SchemeDrawers.h"

#include "s/gui/drawer/ISkin.h"
#include "s/gui/drawer/button/win/Thin.h"
#include "s/gui/drawer/checkbox/win/Thin.h"
#include "s/gui/drawer/combo/win/Thin.h"
#include "s/gui/drawer/counter/win/Basic.h"
#include "s/gui/drawer/groupbox/win/Thin.h"
#include "s/gui/drawer/listbox/win/Thin.h"
#include "s/gui/drawer/listheader/win/Thin.h"
#include "s/gui/drawer/menu/win/Basic.h"
#include "s/gui/drawer/radiobutton/win/Thin.h"
#include "s/gui/drawer/scrollbar/win/Thin.h"
#include "s/gui/drawer/skin/win/ButtonColours.h"
#include "s/gui/drawer/skin/win/CheckBoxColours.h"
#include "s/gui/drawer/skin/win/ComboColours.h"
#include "s/gui/drawer/skin/win/CounterColours.h"
#include "s/gui/drawer/skin/win/GroupBoxColours.h"
#include "s/gui/drawer/skin/win/ListBoxColours.h"
#include "s/gui/drawer/skin/win/ListHeaderColours.h"
#include "s/gui/drawer/skin/win/MenuColours.h"
#include "s/gui/drawer/skin/win/RadioButtonColours.h"
#include "s/gui/drawer/skin/win/ScrollBarColours.h"
#include "s/gui/drawer/skin/win/SliderColours.h"
#include "s/gui/drawer/skin/win/StatusBarColours.h"
#include "s/gui/drawer/skin/win/TabBoxColours.h"
#include "s/gui/drawer/skin/win/TextColours.h"
#include "s/gui/drawer/skin/win/WindowColours.h"
#include "s/gui/drawer/slider/win/Thin.h"
#include "s/gui/drawer/statusbar/win/Thin.h"
#include "s/gui/drawer/tabbox/win/Thin.h"
#include "s/gui/drawer/text/win/Basic.h"
#include "s/gui/drawer/window/win/Thin.h"

// Each kind's drawer is taken from its pool, coloured by its own colouring
// class and handed to the skin, in the order of the skin's fields. A drawer
// the pool cannot make stays null in the skin (windows and controls then draw
// that kind natively).

namespace s::gui::drawer::skin {

namespace {

using ButtonDrawer = s::gui::drawer::button::win::Thin;
using CheckBoxDrawer = s::gui::drawer::checkbox::win::Thin;
using ComboDrawer = s::gui::drawer::combo::win::Thin;
using CounterDrawer = s::gui::drawer::counter::win::Basic;
using GroupBoxDrawer = s::gui::drawer::groupbox::win::Thin;
using ListBoxDrawer = s::gui::drawer::listbox::win::Thin;
using ListHeaderDrawer = s::gui::drawer::listheader::win::Thin;
using MenuDrawer = s::gui::drawer::menu::win::Basic;
using RadioButtonDrawer = s::gui::drawer::radiobutton::win::Thin;
using ScrollBarDrawer = s::gui::drawer::scrollbar::win::Thin;
using SliderDrawer = s::gui::drawer::slider::win::Thin;
using StatusBarDrawer = s::gui::drawer::statusbar::win::Thin;
using TabBoxDrawer = s::gui::drawer::tabbox::win::Thin;
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
    skin.setScrollBarDrawer(made<ScrollBarDrawer>(&win::ScrollBarColours::thinWindow, palette));
    skin.setCheckBoxDrawer(made<CheckBoxDrawer>(&win::CheckBoxColours::thinWindow, palette));
    skin.setRadioButtonDrawer(
        made<RadioButtonDrawer>(&win::RadioButtonColours::thinWindow, palette));
    skin.setSliderDrawer(made<SliderDrawer>(&win::SliderColours::thinWindow, palette));
    skin.setCounterDrawer(made<CounterDrawer>(&win::CounterColours::thinWindow, palette));
    skin.setListHeaderDrawer(made<ListHeaderDrawer>(&win::ListHeaderColours::thinWindow, palette));
    skin.setListBoxDrawer(made<ListBoxDrawer>(&win::ListBoxColours::thinWindow, palette));
    skin.setStatusBarDrawer(made<StatusBarDrawer>(&win::StatusBarColours::thinWindow, palette));
    skin.setMenuDrawer(made<MenuDrawer>(&win::MenuColours::thinWindow, palette));
    skin.setComboDrawer(made<ComboDrawer>(&win::ComboColours::thinWindow, palette));
    skin.setGroupBoxDrawer(made<GroupBoxDrawer>(&win::GroupBoxColours::thinWindow, palette));
    skin.setTabBoxDrawer(made<TabBoxDrawer>(&win::TabBoxColours::thinWindow, palette));
}

void giveThinDrawers(s::gui::drawer::ISkin& skin, const ThinPalette& palette) {
    skin.setWindowDrawer(made<WindowDrawer>(&win::WindowColours::thin, palette));
    skin.setButtonDrawer(made<ButtonDrawer>(&win::ButtonColours::thin, palette));
    skin.setTextDrawer(made<TextDrawer>(&win::TextColours::thin, palette));
    skin.setScrollBarDrawer(made<ScrollBarDrawer>(&win::ScrollBarColours::thin, palette));
    skin.setCheckBoxDrawer(made<CheckBoxDrawer>(&win::CheckBoxColours::thin, palette));
    skin.setRadioButtonDrawer(made<RadioButtonDrawer>(&win::RadioButtonColours::thin, palette));
    skin.setSliderDrawer(made<SliderDrawer>(&win::SliderColours::thin, palette));
    skin.setCounterDrawer(made<CounterDrawer>(&win::CounterColours::thin, palette));
    skin.setListHeaderDrawer(made<ListHeaderDrawer>(&win::ListHeaderColours::thin, palette));
    skin.setListBoxDrawer(made<ListBoxDrawer>(&win::ListBoxColours::thin, palette));
    skin.setStatusBarDrawer(made<StatusBarDrawer>(&win::StatusBarColours::thin, palette));
    skin.setMenuDrawer(made<MenuDrawer>(&win::MenuColours::thin, palette));
    skin.setComboDrawer(made<ComboDrawer>(&win::ComboColours::thin, palette));
    skin.setGroupBoxDrawer(made<GroupBoxDrawer>(&win::GroupBoxColours::thin, palette));
    skin.setTabBoxDrawer(made<TabBoxDrawer>(&win::TabBoxColours::thin, palette));
}

} // namespace s::gui::drawer::skin
