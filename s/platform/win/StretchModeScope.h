#pragma once
#include <windows.h>

namespace s::platform::win {

// Sets a device context's stretch mode and restores the previous mode on
// scope exit, since the context may belong to a paint cycle of someone else.
class StretchModeScope {
public:
    StretchModeScope(HDC target, int mode) : dc(target), previous(GetStretchBltMode(target)) {
        SetStretchBltMode(target, mode);
        if (mode == HALFTONE) {
            // HALFTONE needs the brush origin reset after the mode is set.
            SetBrushOrgEx(target, 0, 0, nullptr);
        }
    }
    ~StretchModeScope() {
        if (previous != 0) {
            SetStretchBltMode(dc, previous);
        }
    }
    StretchModeScope(const StretchModeScope&) = delete;
    StretchModeScope& operator=(const StretchModeScope&) = delete;

private:
    HDC dc;
    int previous;
};

} // namespace s::platform::win
