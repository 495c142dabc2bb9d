#include "s/gui/win/PopupMenu.h"

#include "s/platform/win/WideText.h"

namespace s::gui::win {

using s::gui::menuitem::MenuItem;

void PopupMenu::reset() {
    title.clear();
    items.clear();
    listeners.clear();
    selectedId = -1;
}

void PopupMenu::append(const char16_t* text, int32_t commandId, bool checked) {
    MenuItem item;
    item.text = text != nullptr ? text : u"";
    item.commandId = commandId;
    item.checked = checked;
    items.push_back(item);
}

void PopupMenu::appendSeparator() {
    MenuItem item;
    item.separator = true;
    items.push_back(item);
}

void PopupMenu::appendSubmenu(const char16_t* text, PopupMenu* submenu) {
    MenuItem item;
    item.text = text != nullptr ? text : u"";
    item.submenu = submenu;
    items.push_back(item);
}

const MenuItem* PopupMenu::find(int32_t commandId) const {
    for (const MenuItem& item : items) {
        if (item.submenu != nullptr) {
            if (const MenuItem* found = item.submenu->find(commandId)) {
                return found;
            }
        } else if (!item.separator && item.commandId == commandId) {
            return &item;
        }
    }
    return nullptr;
}

MenuItem* PopupMenu::find(int32_t commandId) {
    return const_cast<MenuItem*>(static_cast<const PopupMenu*>(this)->find(commandId));
}

bool PopupMenu::isChecked(int32_t commandId) const {
    const MenuItem* item = find(commandId);
    return item != nullptr && item->checked;
}

void PopupMenu::setChecked(int32_t commandId, bool checked) {
    if (MenuItem* item = find(commandId)) {
        item->checked = checked;
    }
}

void PopupMenu::checkRadioById(int32_t commandId) {
    for (MenuItem& item : items) {
        if (!item.separator && item.submenu == nullptr) {
            item.radio = true;
            item.checked = item.commandId == commandId;
        }
    }
}

bool PopupMenu::contains(int32_t commandId) const {
    return find(commandId) != nullptr;
}

void PopupMenu::addListener(s::gui::events::IEventListener* listener) {
    if (listener != nullptr) {
        listeners.push_back(listener);
    }
}

void PopupMenu::select(int32_t commandId) {
    selectedId = commandId;
    for (size_t i = 0; i < listeners.size(); ++i) {
        listeners[i]->onEvent(this, kSelectedEvent);
    }
}

HMENU PopupMenu::buildNative() const {
    const HMENU menu = CreatePopupMenu();
    if (menu == nullptr) {
        return nullptr;
    }
    for (const MenuItem& item : items) {
        const wchar_t* text = s::platform::win::wide(item.text.c_str());
        if (item.separator) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else if (item.submenu != nullptr) {
            const HMENU submenu = item.submenu->buildNative();
            if (submenu != nullptr) {
                AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), text);
            }
        } else {
            AppendMenuW(menu, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED),
                        static_cast<UINT_PTR>(item.commandId), text);
        }
    }
    return menu;
}

void PopupMenu::open(HWND owner, int32_t x, int32_t y) {
    const HMENU menu = buildNative();
    if (menu == nullptr) {
        return;
    }
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
    // Destroying the root destroys the submenus attached to it.
    DestroyMenu(menu);
}

} // namespace s::gui::win
