#pragma once
// Test helper: where a child window stands in its parent's client area.
#include <windows.h>

namespace wintest {

inline RECT placement(HWND child) {
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace wintest
