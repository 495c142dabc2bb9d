#pragma once
#include <windows.h>

namespace s::platform::win {

// Owns a device context borrowed with GetDC and gives it back with ReleaseDC.
// A null window means the whole screen.
class WindowDC {
public:
    explicit WindowDC(HWND target) : window(target), dc(GetDC(target)) {}
    ~WindowDC() {
        if (dc != nullptr) {
            ReleaseDC(window, dc);
        }
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc; }
    explicit operator bool() const { return dc != nullptr; }

private:
    HWND window;
    HDC dc;
};

} // namespace s::platform::win
