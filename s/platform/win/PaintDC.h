#pragma once
#include <windows.h>

namespace s::platform::win {

// The context of one WM_PAINT: BeginPaint on construction, EndPaint on scope
// exit, so that the update region is validated on every path. Used on the
// window's own thread inside its paint handler.
class PaintDC {
public:
    explicit PaintDC(HWND target) : window(target), dc(BeginPaint(target, &paint)) {}
    ~PaintDC() {
        if (dc != nullptr) {
            EndPaint(window, &paint);
        }
    }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC get() const { return dc; }
    const RECT& dirtyRect() const { return paint.rcPaint; }
    explicit operator bool() const { return dc != nullptr; }

private:
    HWND window;
    PAINTSTRUCT paint = {};
    HDC dc;
};

} // namespace s::platform::win
