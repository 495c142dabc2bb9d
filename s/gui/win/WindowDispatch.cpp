// The window procedure of a Window: it only dispatches each message to a
// small handler. Runs on the window's thread.
#include "s/gui/win/Window.h"

#include <windowsx.h>

#include "s/gui/win/MessageBoxW.h"
#include "s/gui/win/NativeComponent.h"
#include "s/gui/win/PopupMenu.h"
#include "s/gui/win/WindowMessages.h"

namespace s::gui::win {

void Window::onActivate(WPARAM state) {
    if (LOWORD(state) != WA_INACTIVE) {
        recenterOnCursor();
        if (hideCursor && visible.load()) {
            SetCursor(nullptr);
        }
        raise(static_cast<int32_t>(WindowEvent::Activated));
        active = true;
        deactivationTime = 0;
    } else {
        raise(static_cast<int32_t>(WindowEvent::Deactivated));
        // The tray click that took the activation away still finds the
        // window "in front" for a moment (see toggleFromTray).
        if (active.exchange(false)) {
            deactivationTime = now();
        }
    }
}

bool Window::onSetCursor() {
    if (hideCursor && visible.load()) {
        SetCursor(nullptr);
        return true;
    }
    return false;
}

void Window::onWheel(WPARAM wParam, LPARAM lParam) {
    // Screen coordinates are signed: a monitor left of or above the primary
    // one has negative ones.
    const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    for (s::gui::IComponent* child : children) {
        const NativeComponent* native = NativeComponent::of(child);
        const HWND childWindow = native != nullptr ? native->getHandle() : nullptr;
        if (childWindow != nullptr && native->acceptsWheel() && child->contains(point.x, point.y)) {
            if (SendMessageW(childWindow, WM_MOUSEWHEEL, wParam, lParam) == 0) {
                return;
            }
        }
    }
    if (!listeners[static_cast<int32_t>(WindowEvent::Wheel)].isEmpty()) {
        UINT lines = 3;
        SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        const int32_t turn = static_cast<int32_t>(static_cast<int16_t>(HIWORD(wParam)));
        wheelLines = turn > 0 ? static_cast<int32_t>(lines) : -static_cast<int32_t>(lines);
        raise(static_cast<int32_t>(WindowEvent::Wheel));
    }
}

bool Window::onKeyDown(WPARAM key) {
    lastKey = static_cast<int32_t>(key);
    raise(static_cast<int32_t>(WindowEvent::KeyDown));
    // Enter is consumed, so that the system does not beep.
    return lastKey == VK_RETURN;
}

void Window::onPositionChanged(const WINDOWPOS& position) {
    if ((position.flags & SWP_NOSIZE) == 0 && !IsIconic(getNativeHandle())) {
        if (drawer.load() != nullptr) {
            // The shape follows the size; the frame is painted again.
            applyRegion();
            paintFrame();
        }
        layOutChildren();
    }
}

bool Window::onSystemCommand(WPARAM command) {
    if ((command & 0xFFF0) == SC_MINIMIZE && minimizeToTray && !iconized) {
        iconize();
        return true;
    }
    return false;
}

bool Window::handleMouseMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
        raise(static_cast<int32_t>(WindowEvent::MouseMove));
        return false;
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        raise(static_cast<int32_t>(WindowEvent::LeftDown));
        SetFocus(getNativeHandle());
        return false;
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
        raise(static_cast<int32_t>(WindowEvent::LeftUp));
        onBorderRelease(message, lParam);
        SetFocus(getNativeHandle());
        return false;
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDBLCLK:
        raise(static_cast<int32_t>(WindowEvent::DoubleClick));
        if (passDoubleClicks) {
            return false;
        }
        *result = 0;
        return true;
    case WM_MBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
        raise(static_cast<int32_t>(WindowEvent::MiddleDown));
        onMiddleClick();
        return false;
    case WM_RBUTTONDOWN:
        onRightButtonDown();
        return false;
    case WM_RBUTTONUP:
        raise(static_cast<int32_t>(WindowEvent::RightUp));
        return false;
    case WM_MOUSEWHEEL:
        onWheel(wParam, lParam);
        *result = 0;
        return true;
    default:
        return false;
    }
}

bool Window::handlePrivateMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WindowMessages::kCall:
        onCall(reinterpret_cast<const intptr_t*>(wParam));
        if (lParam == WindowMessages::kPostedCall) {
            delete[] reinterpret_cast<intptr_t*>(wParam);
        }
        *result = static_cast<LRESULT>(callResult);
        return true;
    case WindowMessages::kStartTimer:
        *result = onStartTimer(reinterpret_cast<const int32_t*>(wParam)) ? 1 : 0;
        return true;
    case WindowMessages::kStopTimer:
        onStopTimer(*reinterpret_cast<const int32_t*>(wParam));
        *result = 0;
        return true;
    case WindowMessages::kTray:
        onTrayCallback(lParam);
        *result = 0;
        return true;
    case WindowMessages::kInformation:
        showInformationBox(reinterpret_cast<const char16_t*>(wParam));
        *result = 0;
        return true;
    case WindowMessages::kError:
        showErrorBox(reinterpret_cast<const char16_t*>(wParam));
        *result = 0;
        return true;
    case WindowMessages::kQuestion:
        *result = askYesNoBox(reinterpret_cast<const char16_t*>(wParam)) ? 1 : 0;
        return true;
    case WindowMessages::kNotify:
        raise(static_cast<int32_t>(WindowEvent::Notify));
        *result = 0;
        return true;
    case WindowMessages::kRegisterHotKey:
        *result = onRegisterHotKey(*reinterpret_cast<const HotKeys::Request*>(wParam)) ? 1 : 0;
        return true;
    case WindowMessages::kUnregisterHotKey:
        hotKeys.remove(getNativeHandle(), reinterpret_cast<const char16_t*>(wParam));
        *result = 0;
        return true;
    case WindowMessages::kUnregisterHotKeys:
        hotKeys.removeAll(getNativeHandle());
        *result = 0;
        return true;
    case WindowMessages::kAttach:
        *result = attachChild(reinterpret_cast<s::gui::IComponent*>(wParam)) ? 1 : 0;
        return true;
    default:
        return false;
    }
}

bool Window::handleNativeMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handleMessage(result, message, wParam, lParam)) {
        return true;
    }
    // What happens after default processing needs its result first.
    if (message == WM_SIZE || message == WM_WINDOWPOSCHANGED) {
        *result = defaultProcessing(getNativeHandle(), message, wParam, lParam);
        afterMessage(result, message, wParam, lParam);
        return true;
    }
    return false;
}

void Window::afterMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE) {
        onSize(wParam);
    } else if (message == WM_WINDOWPOSCHANGED) {
        const auto& position = *reinterpret_cast<const WINDOWPOS*>(lParam);
        if ((position.flags & SWP_NOMOVE) == 0) {
            raise(static_cast<int32_t>(WindowEvent::Moved));
        }
        rememberNormalBounds(position);
    }
}

bool Window::handleMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    if (handleFrameMessage(result, message, wParam, lParam) ||
        handleMouseMessage(result, message, wParam, lParam) ||
        handlePrivateMessage(result, message, wParam, lParam) ||
        handlePaintMessage(result, message, wParam, lParam) ||
        handleSessionMessage(result, message, wParam, lParam)) {
        return true;
    }
    switch (message) {
    case WM_ACTIVATE:
        onActivate(wParam);
        return false;
    case WM_CLOSE:
        onClose();
        *result = 0;
        return true;
    case WM_SETCURSOR:
        if (!onSetCursor() && DefWindowProcW(getNativeHandle(), message, wParam, lParam) == 0) {
            SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        }
        *result = TRUE;
        return true;
    case WM_WINDOWPOSCHANGING:
        raise(static_cast<int32_t>(WindowEvent::PositionChanging));
        // With a drawer there is no system frame whose sizes the default
        // processing would impose.
        *result = 0;
        return drawer.load() != nullptr;
    case WM_TIMER:
        *result = 0;
        return onTimer(wParam);
    case WM_WINDOWPOSCHANGED:
        onPositionChanged(*reinterpret_cast<const WINDOWPOS*>(lParam));
        return false;
    case WM_KEYDOWN:
        *result = 0;
        return onKeyDown(wParam);
    case WM_GETDLGCODE:
        *result = DefWindowProcW(getNativeHandle(), message, wParam, lParam) | DLGC_WANTALLKEYS;
        return true;
    case WM_COMMAND:
        *result = 0;
        return onCommand(wParam);
    case WM_SYSCOMMAND:
        *result = 0;
        return onSystemCommand(wParam);
    case WM_HOTKEY:
        hotKeys.onPressed(wParam);
        raise(static_cast<int32_t>(WindowEvent::HotKey));
        *result = 0;
        return true;
    default:
        if (message == TrayIcon::taskbarCreatedMessage() && message != 0) {
            onTaskbarCreated();
        }
        return false;
    }
}

} // namespace s::gui::win
