#pragma once
#include <cstdint>
#include <string>

namespace s::gui::win {
class PopupMenu;
}

namespace s::gui::menuitem {

// One entry of a popup menu: a command with a text and a check mark, a
// separator, or a submenu. Owned by its menu.
struct MenuItem {
    std::u16string text;
    int32_t commandId = 0;
    bool checked = false;
    bool radio = false;
    bool separator = false;
    // Owned by the menu that holds this item, which gives it back to its
    // pool when it is reset.
    s::gui::win::PopupMenu* submenu = nullptr;
};

} // namespace s::gui::menuitem
