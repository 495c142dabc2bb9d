// The window's icon in the notification area: adding, updating and removing
// it, and the mouse callbacks that open the tray menu. All of it runs on the
// window's thread except setTrayIcon's calls from reset and close.
#include "s/gui/win/Window.h"

#include <shellapi.h>

#include "s/gui/win/PopupMenu.h"
#include "s/gui/win/WindowMessages.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui::win {

void Window::notifyTray(DWORD command) {
    NOTIFYICONDATAW data = {};
    data.cbSize = NOTIFYICONDATAW_V3_SIZE;
    data.hWnd = getNativeHandle();
    data.uID = 0;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = WindowMessages::kTray;
    data.hIcon = smallIcon.get();
    // The tip field holds 128 units with the terminator; longer titles are cut.
    const size_t capacity = sizeof(data.szTip) / sizeof(data.szTip[0]);
    const size_t length = title->length() < capacity - 1 ? title->length() : capacity - 1;
    const char16_t* units = title->c_str();
    for (size_t i = 0; i < length; ++i) {
        data.szTip[i] = static_cast<wchar_t>(units[i]);
    }
    data.szTip[length] = 0;
    Shell_NotifyIconW(command, &data);
}

void Window::setTrayIcon(bool on) {
    if (getNativeHandle() == nullptr) {
        return;
    }
    if (on) {
        notifyTray(NIM_ADD);
        trayIconShown = true;
    } else if (!trayIconAlways && trayIconShown) {
        notifyTray(NIM_DELETE);
        trayIconShown = false;
    }
}

void Window::updateTrayIcon() {
    if (trayIconShown) {
        notifyTray(NIM_MODIFY);
    }
}

void Window::setTrayIconAlways(bool on) {
    if (trayIconAlways == on) {
        return;
    }
    trayIconAlways = on;
    setTrayIcon(on);
}

void Window::onTrayCallback(LPARAM mouseMessage) {
    switch (static_cast<UINT>(mouseMessage)) {
    case WM_MOUSEMOVE:
        if (hideCursor) {
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        }
        break;
    case WM_LBUTTONDOWN:
        if (trayClickToggles) {
            if (IsWindowVisible(getNativeHandle())) {
                setVisible(false);
            } else {
                setVisible(true, true);
            }
        }
        raise(static_cast<int32_t>(WindowEvent::TrayLeftClick));
        break;
    case WM_RBUTTONDOWN:
        if (trayMenu != nullptr) {
            raise(static_cast<int32_t>(WindowEvent::TrayRightClick));
            openTrayMenu();
        }
        break;
    default:
        break;
    }
}

void Window::openTrayMenu() {
    POINT position = {0, 0};
    GetCursorPos(&position);
    // The menu closes properly on an outside click only when its owner is the
    // foreground window.
    SetForegroundWindow(getNativeHandle());
    trayMenu->open(getNativeHandle(), position.x, position.y);
    SetForegroundWindow(getNativeHandle());
    PostMessageW(getNativeHandle(), WM_NULL, 0, 0);
}

} // namespace s::gui::win
