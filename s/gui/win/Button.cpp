#include "s/gui/win/Button.h"

#include <windowsx.h>

#include "s/gui/drawer/IButton.h"
#include "s/gui/drawer/ISkin.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/win/Font.h"

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

void fill(HDC dc, int32_t x, int32_t y, int32_t width, int32_t height, COLORREF colour) {
    const RECT area = {x, y, x + width, y + height};
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

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
    drawer = nullptr;
    clickListeners.reset();
    toggleListeners.reset();
    pressListeners.reset();
    measure();
}

DWORD Button::controlStyle() const {
    if (drawer != nullptr) {
        return BS_OWNERDRAW;
    }
    return defaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void Button::applySkin(s::gui::drawer::ISkin* skin) {
    switchDrawer(drawer, skin != nullptr ? skin->getButtonDrawer() : nullptr);
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

void Button::drawSkinned(HDC dc, int32_t width, int32_t height, UINT itemState) {
    // The system shows the button pressed also from the keyboard (space).
    const int32_t state = (itemState & ODS_SELECTED) != 0 ? kStatePressed : mouseState;
    const bool enabled = isEnabled();
    drawer->draw(dc, 0, 0, width, height, state, getText(), true,
                 enabled ? getFont() : getDisabledFont(), enabled, toggled, false);
    if (defaultButton) {
        drawDefaultFrame(dc, width, height);
    }
}

void Button::drawDefaultFrame(HDC dc, int32_t width, int32_t height) const {
    const int32_t unit = s::gui::scale::win::systemScale().getUnit();
    const int32_t inner = 2 * unit;
    if (width <= 2 * inner || height <= 2 * inner) {
        return;
    }
    const COLORREF colour =
        isEnabled() ? RGB(drawer->getFrameRed(), drawer->getFrameGreen(), drawer->getFrameBlue())
                    : RGB(drawer->getDisabledFrameRed(), drawer->getDisabledFrameGreen(),
                          drawer->getDisabledFrameBlue());
    // One more line just inside the drawer's frame (which is one unit).
    const COLORREF previous = GetBkColor(dc);
    fill(dc, unit, unit, width - inner, unit, colour);
    fill(dc, unit, height - inner, width - inner, unit, colour);
    fill(dc, unit, unit, unit, height - inner, colour);
    fill(dc, width - inner, unit, unit, height - inner, colour);
    SetBkColor(dc, previous);
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
