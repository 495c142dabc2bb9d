#pragma once
#include "s/platform/win/NativeWindow.h"

namespace s::gui::win {

// A bare native window of the toolkit's class with no behaviour of its own.
// Every Window keeps one as the hidden owner of its real window: an owned
// window gets no taskbar button, and the owner itself is a zero-sized
// tool window that never shows in the taskbar either. Lives on its Window's
// thread.
class InvisibleWindow : public s::platform::win::NativeWindow {
public:
    // Creates the owner hidden, without the app-window style and as a tool
    // window.
    bool createHidden() {
        if (!create(0, L"", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    nullptr)) {
            return false;
        }
        const HWND window = getNativeHandle();
        ShowWindow(window, SW_HIDE);
        LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
        exStyle = (exStyle & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW)) | WS_EX_TOOLWINDOW;
        SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle);
        return true;
    }
};

} // namespace s::gui::win
