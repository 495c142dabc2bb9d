// The window's icon in the notification area and what it does: adding,
// updating and removing it, iconizing into it and restoring from it, the
// mouse callbacks (the show/hide toggle, the tray menu), and adding it again
// when the shell's taskbar is re-created. The icon's commands run on the
// window's thread.
#include "s/gui/win/Window.h"

#include "s/gui/win/PopupMenu.h"
#include "s/gui/win/WindowMessages.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui::win {

namespace {

// Clicking the tray icon first takes the activation away from the window
// (the taskbar becomes active), so a window that lost it this recently was
// in front when the user clicked: the click hides it rather than bringing it
// forward again.
constexpr int64_t kClickGraceMilliseconds = 150;

static_assert(WindowMessages::kTray == TrayIcon::kCallbackMessage,
              "the tray icon calls back with the window's tray message");

// The system's millisecond clock: milliseconds since 1970-01-01 UTC.
int64_t systemMilliseconds() {
    FILETIME time;
    GetSystemTimeAsFileTime(&time);
    const int64_t units = (static_cast<int64_t>(time.dwHighDateTime) << 32) |
                          static_cast<int64_t>(time.dwLowDateTime);
    // 100-nanosecond units from 1601-01-01 to 1970-01-01.
    constexpr int64_t kEpochUnits = 116444736LL * 1000000000LL;
    return (units - kEpochUnits) / 10000;
}

} // namespace

int64_t Window::now() const {
    const Clock current = clock.load();
    return current != nullptr ? current() : systemMilliseconds();
}

void Window::setClock(Clock newClock) {
    clock = newClock;
}

// --- the icon -----------------------------------------------------------------

void Window::addTrayIcon() {
    trayIcon.add(getNativeHandle(), smallIcon.get(), title->c_str());
}

void Window::removeTrayIcon() {
    trayIcon.remove(getNativeHandle());
}

void Window::setTrayIcon(bool on) {
    if (getNativeHandle() == nullptr) {
        return;
    }
    onWindowThread([this, on] {
        if (on) {
            addTrayIcon();
        } else if (!trayIconAlways && trayIcon.isShown()) {
            removeTrayIcon();
        }
    });
}

void Window::updateTrayIcon() {
    if (getNativeHandle() == nullptr) {
        return;
    }
    onWindowThread([this] { trayIcon.modify(getNativeHandle(), smallIcon.get(), title->c_str()); });
}

void Window::setTrayIconAlways(bool on) {
    if (trayIconAlways.exchange(on) == on) {
        return;
    }
    if (on) {
        setTrayIcon(true);
    } else if (!iconized && !showTrayIcon) {
        // The icon still stands for an iconized window, and the
        // show-tray-icon switch still asks for it.
        setTrayIcon(false);
    }
}

void Window::setShowTrayIcon(bool on) {
    showTrayIcon = on;
    if (getNativeHandle() == nullptr) {
        return;
    }
    if (on && !trayIcon.isShown()) {
        setTrayIcon(true);
    } else if (!on && trayIcon.isShown() && !iconized) {
        setTrayIcon(false);
    }
}

void Window::onTaskbarCreated() {
    // The new taskbar knows no icons: one that was shown must come back, or
    // a window that lives in the tray would leave its user without a way in.
    if (trayIcon.isShown()) {
        addTrayIcon();
    }
}

// --- iconize and restore ----------------------------------------------------------

void Window::iconize() {
    if (getNativeHandle() == nullptr) {
        return;
    }
    onWindowThread([this] {
        if (iconized) {
            return;
        }
        minimize();
        setVisible(false);
        if (!trayIcon.isShown()) {
            addTrayIcon();
        }
        iconized = true;
    });
}

void Window::restore() {
    const HWND window = getNativeHandle();
    if (window == nullptr) {
        return;
    }
    onWindowThread([this, window] {
        if (settings != nullptr && IsZoomed(window)) {
            settings->setMaximized(false);
        }
        if (iconized) {
            setVisible(true);
            SetForegroundWindow(window);
            iconized = false;
            if (!showTrayIcon) {
                setTrayIcon(false);
            }
        }
        // A hidden window stays hidden: restoring would show it behind the
        // back of the visible flag.
        if (visible.load()) {
            ShowWindow(window, SW_RESTORE);
        }
    });
}

void Window::setActive(bool on) {
    const HWND window = getNativeHandle();
    if (window == nullptr) {
        return;
    }
    if (on) {
        // A moment as topmost brings the window in front of other topmost
        // windows as well.
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        setActive();
        if (!keepOnTop) {
            SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        active = true;
        deactivationTime = 0;
    } else {
        // The activation handler records when the window lost it.
        SendMessageW(window, WM_ACTIVATE, WA_INACTIVE, 0);
        active = false;
    }
}

// --- mouse callbacks -----------------------------------------------------------------

void Window::onTrayCallback(LPARAM mouseMessage) {
    switch (static_cast<UINT>(mouseMessage)) {
    case WM_MOUSEMOVE:
        if (hideCursor) {
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        }
        break;
    case WM_LBUTTONDOWN:
        if (trayClickToggles) {
            toggleFromTray();
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

void Window::toggleFromTray() {
    const int64_t lostAt = deactivationTime.load();
    const int64_t elapsed = now() - lostAt;
    const bool justInFront = lostAt != 0 && elapsed >= 0 && elapsed <= kClickGraceMilliseconds;
    if (iconized) {
        restore();
    } else if (active || justInFront) {
        iconize();
    } else {
        setActive(true);
        if (IsIconic(getNativeHandle())) {
            restore();
        }
    }
}

void Window::openTrayMenu() {
    POINT position = {0, 0};
    GetCursorPos(&position);
    // The menu closes properly on an outside click only when its owner is the
    // foreground window.
    SetForegroundWindow(getNativeHandle());
    trayMenu->showAt(position.x, position.y, getNativeHandle());
    SetForegroundWindow(getNativeHandle());
    PostMessageW(getNativeHandle(), WM_NULL, 0, 0);
}

} // namespace s::gui::win
