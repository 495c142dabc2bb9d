// User timers of a window: set and killed on the window's own thread (a
// timer belongs to the thread that sets it), reported as code 26. Native
// timer ids below 10000 are the window's own (frame behaviours); a user
// timer id n runs as native id n + 10000.
#include "s/gui/win/Window.h"

#include "s/gui/win/WindowMessages.h"

namespace s::gui::win {

namespace {

constexpr UINT_PTR kUserTimerBase = 10000;

} // namespace

bool Window::startTimer(int32_t id, int32_t periodMs) {
    // Negative ids would land on the window's own timers.
    if (getNativeHandle() == nullptr || id < 0 || periodMs < 0) {
        return false;
    }
    // A running timer of that id is replaced: it runs once, with this period.
    stopTimer(id);
    const int32_t request[2] = {id, periodMs};
    return SendMessageW(getNativeHandle(), WindowMessages::kStartTimer,
                        reinterpret_cast<WPARAM>(request), 0) != 0;
}

void Window::stopTimer(int32_t id) {
    if (getNativeHandle() == nullptr || id < 0) {
        return;
    }
    SendMessageW(getNativeHandle(), WindowMessages::kStopTimer, reinterpret_cast<WPARAM>(&id), 0);
}

bool Window::onStartTimer(const int32_t* request) {
    const UINT_PTR nativeId = kUserTimerBase + static_cast<UINT_PTR>(request[0]);
    return SetTimer(getNativeHandle(), nativeId, static_cast<UINT>(request[1]), nullptr) != 0;
}

void Window::onStopTimer(int32_t id) {
    KillTimer(getNativeHandle(), kUserTimerBase + static_cast<UINT_PTR>(id));
}

bool Window::onTimer(WPARAM nativeId) {
    if (nativeId < kUserTimerBase) {
        return false;
    }
    timerId = static_cast<int32_t>(nativeId - kUserTimerBase);
    timerHandled = false;
    raise(static_cast<int32_t>(WindowEvent::Timer));
    return timerHandled;
}

} // namespace s::gui::win
