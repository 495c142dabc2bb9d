#include "s/gui/win/Button.h"

#include <windowsx.h>

namespace s::gui::win {

namespace {

// Notifications the window class reflects back to the control.
constexpr UINT kReflectedClick = WM_APP + 4;
constexpr UINT kReflectedDoubleClick = WM_APP + 5;

// Mouse states.
constexpr int32_t kStateNormal = 0;
constexpr int32_t kStateHover = 1;
constexpr int32_t kStatePressed = 2;

// Room around the text when the system gives no ideal size (design pixels):
// the frame and the focus rectangle's margin on each side.
constexpr int32_t kExtraWidth = 16;
constexpr int32_t kExtraHeight = 10;

} // namespace

Button::Button() : ButtonControl(kControlId, {kExtraWidth, kExtraHeight, 0}) {
    reset();
}

Button::~Button() = default;

void Button::reset() {
    resetControl();
    defaultButton = false;
    toggle = false;
    releasable = true;
    toggled = false;
    autoRepeat = false;
    mouseState = kStateNormal;
    clickListeners.reset();
    toggleListeners.reset();
    pressListeners.reset();
    measure();
}

DWORD Button::controlStyle() const {
    return defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void Button::makeDefault() {
    defaultButton = true;
    if (isAttached()) {
        SendMessageW(getHandle(), BM_SETSTYLE, controlStyle() | BS_NOTIFY, TRUE);
    }
}

void Button::makeNormal() {
    defaultButton = false;
    if (isAttached()) {
        SendMessageW(getHandle(), BM_SETSTYLE, controlStyle() | BS_NOTIFY, TRUE);
    }
}

void Button::setToggle(bool on, bool mayRelease) {
    toggle = on;
    releasable = mayRelease;
}

void Button::setToggled(bool on) {
    toggled = on;
    if (isAttached()) {
        InvalidateRect(getHandle(), nullptr, FALSE);
    }
}

void Button::addClickListener(s::gui::events::IEventListener* listener) {
    clickListeners.add(listener);
}

void Button::addToggleListener(s::gui::events::IEventListener* listener) {
    toggleListeners.add(listener);
}

void Button::addPressListener(s::gui::events::IEventListener* listener) {
    pressListeners.add(listener);
}

void Button::onClick() {
    clickListeners.raise(this, static_cast<int32_t>(ButtonEvent::Clicked));
    if (toggle && isEnabled() && !(toggled && !releasable)) {
        toggled = !toggled;
        if (isAttached()) {
            InvalidateRect(getHandle(), nullptr, FALSE);
        }
    }
    toggleListeners.raise(this, static_cast<int32_t>(ButtonEvent::Toggled));
}

void Button::onPress() {
    pressListeners.raise(this, static_cast<int32_t>(ButtonEvent::Pressed));
    if (autoRepeat) {
        KillTimer(getHandle(), kRepeatTimer);
        SetTimer(getHandle(), kRepeatDelayTimer, kRepeatDelayMs, nullptr);
    }
}

void Button::onRepeatTimer(UINT_PTR timer) {
    if (timer == kRepeatDelayTimer) {
        KillTimer(getHandle(), kRepeatDelayTimer);
        SetTimer(getHandle(), kRepeatTimer, kRepeatMs, nullptr);
    }
    // Held but moved outside: the repetition pauses until the cursor is back.
    if (isCursorInside()) {
        pressListeners.raise(this, static_cast<int32_t>(ButtonEvent::Pressed));
    }
}

void Button::stopRepeat() {
    KillTimer(getHandle(), kRepeatDelayTimer);
    KillTimer(getHandle(), kRepeatTimer);
}

bool Button::isCursorInside() const {
    POINT cursor;
    RECT bounds;
    return GetCursorPos(&cursor) && GetWindowRect(getHandle(), &bounds) &&
           PtInRect(&bounds, cursor);
}

void Button::setMouseState(int32_t state) {
    if (mouseState != state) {
        mouseState = state;
        InvalidateRect(getHandle(), nullptr, FALSE);
    }
}

void Button::onMouseMove(WPARAM wParam, LPARAM lParam) {
    RECT client;
    GetClientRect(getHandle(), &client);
    const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const bool inside = PtInRect(&client, point) != FALSE;
    if ((wParam & MK_LBUTTON) != 0) {
        // The control holds the capture while pressed; only the state moves.
        setMouseState(inside ? kStatePressed : kStateNormal);
        return;
    }
    holdCaptureWhile(inside);
    setMouseState(inside ? kStateHover : kStateNormal);
}

bool Button::handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    *result = 0;
    switch (message) {
    case kReflectedClick:
        onClick();
        return true;
    case kReflectedDoubleClick:
        onPress();
        onClick();
        return true;
    case WM_LBUTTONDOWN:
        onPress();
        setMouseState(kStatePressed);
        // The control's own pressing and capture follow.
        return false;
    case WM_LBUTTONUP:
        stopRepeat();
        return false;
    case WM_TIMER:
        if (wParam != kRepeatDelayTimer && wParam != kRepeatTimer) {
            return false;
        }
        onRepeatTimer(wParam);
        return true;
    case WM_MOUSEMOVE:
        onMouseMove(wParam, lParam);
        return false;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != getHandle()) {
            // No release will come to stop the repetition.
            stopRepeat();
            setMouseState(kStateNormal);
        }
        return false;
    default:
        return ButtonControl::handleComponentMessage(result, message, wParam, lParam);
    }
}

} // namespace s::gui::win
