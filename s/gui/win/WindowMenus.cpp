// The window's menus and its status bar: the menu bar (a native menu made
// from the model, made again when the model tells the window something), the
// context menu opened by the right button, the routing of menu commands, and
// the status bar kept along the bottom edge. Runs on the window's thread.
#include "s/gui/win/Window.h"

#include "s/gui/win/NativeComponent.h"
#include "s/gui/win/PopupMenu.h"

namespace s::gui::win {

namespace {

// Longest item text carried over into the menu bar, in UTF-16 units.
constexpr UINT kItemTextCapacity = 256;

// A menu bar with the items of the model's native menu. The model makes a
// pop-up menu; a bar must be a menu of its own kind, since a pop-up menu
// remembers the window it was shown in and, on some systems, destroying it
// later destroys that window too. The submenus move over to the bar.
s::platform::win::OwnedMenu menuBarFrom(PopupMenu& menu) {
    s::platform::win::OwnedMenu popup = menu.createNative();
    s::platform::win::OwnedMenu bar(CreateMenu());
    if (!popup || !bar) {
        return {};
    }
    while (GetMenuItemCount(popup.get()) > 0) {
        wchar_t text[kItemTextCapacity] = {};
        MENUITEMINFOW item = {};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING | MIIM_DATA;
        item.dwTypeData = text;
        item.cch = kItemTextCapacity;
        if (!GetMenuItemInfoW(popup.get(), 0, TRUE, &item)) {
            break;
        }
        InsertMenuItemW(bar.get(), GetMenuItemCount(bar.get()), TRUE, &item);
        // Removing (not deleting) leaves the submenu to the bar.
        RemoveMenu(popup.get(), 0, MF_BYPOSITION);
    }
    return bar;
}

} // namespace

void Window::setMenuBar(PopupMenu* menu) {
    onWindowThread([this, menu] {
        const HWND window = getNativeHandle();
        if (menuBar != nullptr && menuBar != menu) {
            menuBar->release();
        }
        const bool added = menu != nullptr && menu != menuBar;
        menuBar = menu;
        // The native bar shows the model's present state; the old one goes
        // once the window no longer shows it.
        s::platform::win::OwnedMenu native;
        if (menu != nullptr) {
            native = menuBarFrom(*menu);
        }
        if (window != nullptr) {
            SetMenu(window, native.get());
            DrawMenuBar(window);
        }
        menuBarNative = std::move(native);
        if (added) {
            // Picked commands may change marks and texts: the bar follows.
            menu->addListener(this);
        }
    });
}

void Window::setContextMenu(PopupMenu* menu, bool owned) {
    onWindowThread([this, menu, owned] {
        if (contextMenu != nullptr && contextMenu != menu && contextMenuOwned) {
            contextMenu->release();
        }
        contextMenu = menu;
        contextMenuOwned = menu != nullptr && owned;
    });
}

void Window::setStatusBar(s::gui::IComponent* bar) {
    onWindowThread([this, bar] {
        if (statusBar != nullptr && statusBar != bar) {
            statusBar->setParent(nullptr);
            statusBar->release();
        }
        statusBar = bar;
        if (bar == nullptr) {
            return;
        }
        bar->setParent(this);
        NativeComponent* native = NativeComponent::of(bar);
        if (native != nullptr && getNativeHandle() != nullptr) {
            native->attach(getNativeHandle());
        }
        placeStatusBar();
    });
}

void Window::placeStatusBar() {
    if (statusBar == nullptr || !statusBar->isVisible()) {
        return;
    }
    RECT client;
    GetClientRect(getNativeHandle(), &client);
    const int32_t height = statusBar->getHeight();
    statusBar->setBounds(0, client.bottom - height, client.right, height);
}

void Window::onRightButtonDown() {
    raise(static_cast<int32_t>(WindowEvent::RightDown));
    if (contextMenu != nullptr) {
        raise(static_cast<int32_t>(WindowEvent::ContextMenu));
        openContextMenu();
    }
}

void Window::openContextMenu() {
    POINT cursor;
    // A listener of code 19 may have taken the menu away.
    if (contextMenu != nullptr && GetCursorPos(&cursor)) {
        contextMenu->showBelow(cursor.x, cursor.y, getNativeHandle());
    }
}

bool Window::onCommand(WPARAM wParam) {
    if (wParam > 0xFFFF) {
        return false; // a control's notification, not a menu command
    }
    const int32_t id = LOWORD(wParam);
    for (PopupMenu* menu : {menuBar, trayMenu, contextMenu}) {
        if (menu != nullptr && menu->contains(id)) {
            menu->select(id);
            return true;
        }
    }
    return false;
}

} // namespace s::gui::win
