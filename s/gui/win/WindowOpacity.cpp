// How much of a Window shows: its opacity through the layered-window style,
// and the two hover-evasion modes that fade it out or shrink it while the
// mouse is over it. Runs on the window's thread.
#include "s/gui/win/Window.h"

#include "s/gui/frame/EvasionSteps.h"
#include "s/gui/frame/Opacity.h"
#include "s/gui/win/MessageBoxW.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/system/win/SystemLibrary.h"
#include "s/thread/PoolRef.h"

namespace s::gui::win {

namespace {

using s::gui::frame::EvasionSteps;
using s::gui::frame::Opacity;

constexpr int32_t kMillisecondsPerSecond = 1000;

bool shiftHeld() {
    return (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
}

} // namespace

// --- opacity ------------------------------------------------------------------------

void Window::setOpacity(int32_t percent, bool onlyWhenOnTop) {
    onWindowThread([this, percent, onlyWhenOnTop] {
        opacityTarget = percent;
        opacityOnlyWhenOnTop = onlyWhenOnTop;
        applyOpacity(Opacity::applied(percent, onlyWhenOnTop, keepOnTop));
    });
}

void Window::applyOpacity(int32_t percent) {
    const HWND window = getNativeHandle();
    if (window == nullptr || percent == opacityNow.load()) {
        return;
    }
    if (user32 == nullptr) {
        // Looked up by name: the layered-window function came with Windows
        // 2000 and the library is loaded from the system folder only.
        user32 = s::system::win::SystemLibrary::load(u"user32.dll");
        if (user32 == nullptr) {
            const DWORD error = GetLastError();
            auto text = s::thread::PoolRef<s::str::strbuffer::StrBuffer>::take();
            text->appendWcs(u"Failed to Load user32Dll.dll!!\nError Code - ");
            text->appendInt64(static_cast<int64_t>(error));
            showInformationBox(text->c_str());
            return;
        }
        setLayeredAttributes =
            s::system::win::SystemLibrary::function<decltype(setLayeredAttributes)>(
                user32, "SetLayeredWindowAttributes");
    }
    if (setLayeredAttributes == nullptr) {
        return;
    }
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if (percent < Opacity::kOpaque) {
        if ((exStyle & WS_EX_LAYERED) == 0) {
            SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
        }
        setLayeredAttributes(window, 0, Opacity::alpha(percent), LWA_ALPHA);
    } else {
        SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    }
    opacityNow = percent;
}

// --- evasion ------------------------------------------------------------------------

void Window::setEvasion(bool on, bool shrink, bool onlyWhenOnTop, int32_t delaySeconds,
                        int32_t shrinkWidth, int32_t shrinkHeight, bool shiftOverride) {
    onWindowThread([=] {
        undoEvasion();
        shrinkTargetWidth = shrinkWidth;
        shrinkTargetHeight = shrinkHeight;
        evasionShiftOverride = shiftOverride;
        if (on) {
            shrinkOnHover = shrink;
            fadeOnHover = !shrink;
            evasionOnlyWhenOnTop = onlyWhenOnTop;
            // A negative delay would never end the wait.
            evasionDelay = delaySeconds < 0 ? 0 : delaySeconds;
        } else {
            shrinkOnHover = false;
            fadeOnHover = false;
            evasionOnlyWhenOnTop = true;
            evasionDelay = 5;
        }
    });
}

void Window::stopEvasionTimers() {
    for (int32_t id = EvasionSteps::kFirstTimer; id <= EvasionSteps::kLastTimer; ++id) {
        KillTimer(getNativeHandle(), static_cast<UINT_PTR>(id));
    }
}

void Window::undoEvasion() {
    stopEvasionTimers();
    if (widthBeforeShrinking >= 0) {
        setSize(widthBeforeShrinking, heightBeforeShrinking);
        widthBeforeShrinking = -1;
        heightBeforeShrinking = -1;
    }
    applyOpacity(Opacity::applied(opacityTarget, opacityOnlyWhenOnTop, keepOnTop));
    evading = false;
}

bool Window::cursorOutside(const RECT& rect) const {
    POINT cursor;
    return GetCursorPos(&cursor) && PtInRect(&rect, cursor) == FALSE;
}

void Window::onHover() {
    if (!isEvasionOn() || (evasionOnlyWhenOnTop && !keepOnTop)) {
        return;
    }
    stopEvasionTimers();
    if (evasionShiftOverride && shiftHeld()) {
        undoEvasion();
        return;
    }
    evading = true;
    const HWND window = getNativeHandle();
    if (fadeOnHover) {
        SetTimer(window, EvasionSteps::kFadeOutTimer, EvasionSteps::kFadeOutPeriod, nullptr);
        return;
    }
    if (widthBeforeShrinking < 0) {
        widthBeforeShrinking = getWidth();
        heightBeforeShrinking = getHeight();
    }
    SetTimer(window, EvasionSteps::kShrinkTimer, EvasionSteps::kShrinkPeriod, nullptr);
}

bool Window::onFrameTimer(WPARAM id) {
    const HWND window = getNativeHandle();
    if (id == kFollowTimer) {
        recenterOnCursor();
        return true;
    }
    if (id < EvasionSteps::kFirstTimer || id > EvasionSteps::kLastTimer) {
        return false;
    }
    // A tick already queued when its timer was stopped (the mode changed, or
    // the evasion was undone) must not act on the new state.
    const bool fadeTimer = id <= EvasionSteps::kFadeOutTimer;
    if (!evading || (fadeTimer ? !fadeOnHover : !shrinkOnHover || widthBeforeShrinking < 0)) {
        KillTimer(window, id);
        return true;
    }
    RECT bounds;
    GetWindowRect(window, &bounds);
    switch (id) {
    case EvasionSteps::kFadeOutTimer:
        applyOpacity(EvasionSteps::fadeOut(opacityNow, opacityTarget));
        if (opacityNow.load() == 0) {
            KillTimer(window, id);
            evasionCountdown = evasionDelay * kMillisecondsPerSecond;
            SetTimer(window, EvasionSteps::kWaitTimer, EvasionSteps::kWaitPeriod, nullptr);
        }
        return true;
    case EvasionSteps::kWaitTimer:
        evasionCountdown = EvasionSteps::countDown(evasionCountdown, cursorOutside(bounds));
        if (evasionCountdown == 0 || (evasionShiftOverride && shiftHeld())) {
            KillTimer(window, id);
            SetTimer(window, EvasionSteps::kFadeInTimer, EvasionSteps::kFadeInPeriod, nullptr);
        }
        return true;
    case EvasionSteps::kFadeInTimer:
        applyOpacity(EvasionSteps::fadeIn(opacityNow, opacityTarget));
        if (opacityNow.load() >= opacityTarget) {
            KillTimer(window, id);
            evading = false;
        }
        return true;
    case EvasionSteps::kShrinkTimer: {
        const int32_t width =
            EvasionSteps::shrink(getWidth(), widthBeforeShrinking, shrinkTargetWidth);
        const int32_t height =
            EvasionSteps::shrink(getHeight(), heightBeforeShrinking, shrinkTargetHeight);
        if (width == getWidth() && height == getHeight()) {
            KillTimer(window, id);
            SetTimer(window, EvasionSteps::kShrunkTimer,
                     static_cast<UINT>(evasionDelay * kMillisecondsPerSecond), nullptr);
        } else {
            setSize(width, height);
        }
        return true;
    }
    case EvasionSteps::kShrunkTimer: {
        const RECT remembered = {bounds.left, bounds.top, bounds.left + widthBeforeShrinking,
                                 bounds.top + heightBeforeShrinking};
        if (cursorOutside(remembered)) {
            KillTimer(window, id);
            SetTimer(window, EvasionSteps::kGrowTimer, EvasionSteps::kGrowPeriod, nullptr);
        }
        return true;
    }
    case EvasionSteps::kGrowTimer: {
        const int32_t width = EvasionSteps::grow(getWidth(), widthBeforeShrinking);
        const int32_t height = EvasionSteps::grow(getHeight(), heightBeforeShrinking);
        setSize(width, height);
        if (width == widthBeforeShrinking && height == heightBeforeShrinking) {
            KillTimer(window, id);
            widthBeforeShrinking = -1;
            heightBeforeShrinking = -1;
            evading = false;
        }
        return true;
    }
    default:
        return false;
    }
}

} // namespace s::gui::win
