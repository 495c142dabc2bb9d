#include "s/gui/win/PopupMenu.h"

#include "s/gui/menuitem/MenuItem.h"
#include "s/platform/win/WideText.h"

namespace s::gui::win {

using s::gui::menuitem::MenuItem;
using s::platform::win::OwnedMenu;

namespace {

// One command entry: its label, its check or radio mark (a radio mark is a
// bullet, the native form of a mark shared by a group) and whether it is
// greyed.
void appendItem(HMENU menu, const MenuItem& item) {
    if (item.isSeparator()) {
        AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        return;
    }
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
    info.fType = MFT_STRING | (item.isRadioSelected() ? MFT_RADIOCHECK : 0);
    info.fState = (item.isChecked() || item.isRadioSelected() ? MFS_CHECKED : MFS_UNCHECKED) |
                  (item.isGreyed() ? MFS_GRAYED : MFS_ENABLED);
    info.wID = static_cast<UINT>(item.getCommandId());
    info.dwTypeData = const_cast<wchar_t*>(s::platform::win::wide(item.getText()));
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
}

// The native form of a portable menu, submenus included. Any portable menu
// may be a submenu, whatever its concrete class.
OwnedMenu buildNative(s::gui::model::PopupMenu& model) {
    OwnedMenu menu(CreatePopupMenu());
    if (!menu) {
        return menu;
    }
    for (int32_t position = 0; position < model.getEntryCount(); ++position) {
        if (const MenuItem* item = model.getItemAt(position)) {
            appendItem(menu.get(), *item);
            continue;
        }
        s::gui::model::PopupMenu* submenu = model.getSubmenuAt(position);
        OwnedMenu nativeSubmenu = buildNative(*submenu);
        const UINT flags =
            MF_POPUP | MF_STRING | (model.isSubmenuEnabled(position) ? 0 : MF_GRAYED);
        if (nativeSubmenu &&
            AppendMenuW(menu.get(), flags, reinterpret_cast<UINT_PTR>(nativeSubmenu.get()),
                        s::platform::win::wide(submenu->getTitle()))) {
            // Attached: destroyed with its parent from now on.
            nativeSubmenu.detach();
        }
    }
    return menu;
}

} // namespace

OwnedMenu PopupMenu::createNative() {
    return buildNative(*this);
}

void PopupMenu::show(int32_t x, int32_t y, HWND owner, UINT flags) {
    const OwnedMenu menu = createNative();
    if (!menu) {
        return;
    }
    TrackPopupMenu(menu.get(), flags, x, y, 0, owner, nullptr);
}

void PopupMenu::showAt(int32_t x, int32_t y, HWND owner) {
    show(x, y, owner, kShowAtFlags);
}

void PopupMenu::showBelow(int32_t x, int32_t y, HWND owner) {
    show(x, y, owner, kShowBelowFlags);
}

} // namespace s::gui::win
