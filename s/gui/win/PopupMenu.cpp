#include "s/gui/win/PopupMenu.h"

#include "s/platform/win/WideText.h"

namespace s::gui::win {

using s::gui::menuitem::MenuItem;

void PopupMenu::reset() {
    title.clear();
    for (MenuItem& item : items) {
        if (item.submenu != nullptr) {
            item.submenu->release();
        }
    }
    items.clear();
    listeners.reset();
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
    if (submenu == nullptr) {
        return;
    }
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
    listeners.add(listener);
}

void PopupMenu::select(int32_t commandId) {
    selectedId = commandId;
    listeners.raise(this, kSelectedEvent);
}

s::platform::win::OwnedMenu PopupMenu::buildNative() const {
    s::platform::win::OwnedMenu menu(CreatePopupMenu());
    if (!menu) {
        return menu;
    }
    for (const MenuItem& item : items) {
        const wchar_t* text = s::platform::win::wide(item.text.c_str());
        if (item.separator) {
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        } else if (item.submenu != nullptr) {
            s::platform::win::OwnedMenu submenu = item.submenu->buildNative();
            if (submenu && AppendMenuW(menu.get(), MF_POPUP | MF_STRING,
                                       reinterpret_cast<UINT_PTR>(submenu.get()), text)) {
                // Attached: destroyed with its parent from now on.
                submenu.detach();
            }
        } else {
            AppendMenuW(menu.get(), MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED),
                        static_cast<UINT_PTR>(item.commandId), text);
        }
    }
    return menu;
}

void PopupMenu::open(HWND owner, int32_t x, int32_t y) {
    const s::platform::win::OwnedMenu menu = buildNative();
    if (!menu) {
        return;
    }
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
}

} // namespace s::gui::win
