#pragma once
// Test helpers for controls: a shown top-level window of the toolkit's class
// on the test's thread (its class reflects child notifications back to the
// controls), and a message pump that runs until a condition holds.
#include <windows.h>

#include <cstdint>

#include "s/gui/win/InvisibleWindow.h"

namespace controlhost {

// Dispatches the thread's messages until `done()` or about `timeoutMs`;
// answers `done()`. The time only bounds a failing wait, nothing asserts it.
template <class Condition> bool pumpUntil(Condition done, int32_t timeoutMs = 3000) {
    for (int32_t waited = 0; !done() && waited < timeoutMs; waited += 5) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
    return done();
}

// Dispatches for a while, for checks that something does NOT happen.
inline void pumpFor(int32_t ms) {
    pumpUntil([] { return false; }, ms);
}

class Host : public s::gui::win::InvisibleWindow {
public:
    static constexpr int32_t kX = 40;
    static constexpr int32_t kY = 40;

    // The X window manager places a window it maps where it likes, a moment
    // after the map and later still on a loaded machine: the host is put back
    // until it has stayed where the tests expect it for a while, so screen
    // positions taken from it hold.
    Host() {
        createHidden();
        const HWND window = getNativeHandle();
        SetWindowPos(window, HWND_TOP, kX, kY, 400, 300, SWP_SHOWWINDOW);
        int steady = 0;
        pumpUntil([&] {
            RECT bounds;
            GetWindowRect(window, &bounds);
            if (bounds.left == kX && bounds.top == kY) {
                ++steady;
            } else {
                steady = 0;
                SetWindowPos(window, nullptr, kX, kY, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
            return steady >= kSteadyPolls;
        });
    }
    ~Host() override { destroy(); }
    HWND get() const { return getNativeHandle(); }

    // Wheel messages that reached the host.
    int wheels = 0;

protected:
    bool handleNativeMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_MOUSEWHEEL) {
            ++wheels;
            *result = 0;
            return true;
        }
        return false;
    }

private:
    // Polls of about 5 ms each that must find the host in place.
    static constexpr int kSteadyPolls = 30;
};

} // namespace controlhost
