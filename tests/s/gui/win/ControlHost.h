#pragma once
// Test helpers for controls: a shown top-level window of the toolkit's class
// on the test's thread (its class reflects child notifications back to the
// controls), and a message pump that runs until a condition holds.
#include <windows.h>

#include <cstdint>

#include "s/gui/win/InvisibleWindow.h"

namespace controlhost {

class Host : public s::gui::win::InvisibleWindow {
public:
    static constexpr int32_t kX = 40;
    static constexpr int32_t kY = 40;

    Host() {
        createHidden();
        SetWindowPos(getNativeHandle(), HWND_TOP, kX, kY, 400, 300, SWP_SHOWWINDOW);
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
};

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

} // namespace controlhost
