#pragma once
#include <windows.h>

#include "s/platform/win/BorrowedHandle.h"
#include "s/platform/win/OwnedHandle.h"

namespace s::platform::win {

// Native menus: destroyed with DestroyMenu, which also destroys the
// submenus attached to them. A submenu attached to a parent is owned by the
// parent from then on (detach() it from its own owner once attached).
struct MenuHandleTraits {
    using Handle = HMENU;
    static Handle none() { return nullptr; }
    static bool isValid(Handle handle) { return handle != nullptr; }
    static void close(Handle handle) { DestroyMenu(handle); }
};

using OwnedMenu = OwnedHandle<MenuHandleTraits>;
using BorrowedMenu = BorrowedHandle<MenuHandleTraits>;

} // namespace s::platform::win
