#include "s/platform/win/NativeWindow.h"

#include <mutex>

namespace s::platform::win {

namespace {

// The window-class message that destroys a window from its own thread: the
// class turns it into a close, whose default processing destroys the window.
constexpr UINT kDestroyMessage = WM_APP + 1;

std::mutex& classLock() {
    static std::mutex lock;
    return lock;
}

} // namespace

bool NativeWindow::registerClass() {
    static bool registered = false;
    std::lock_guard<std::mutex> guard(classLock());
    if (registered) {
        return true;
    }
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_GLOBALCLASS;
    windowClass.lpfnWndProc = classProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        MessageBoxW(nullptr, L"Window Registration Failed!", L"Error!", MB_ICONWARNING | MB_OK);
        return false;
    }
    registered = true;
    return true;
}

bool NativeWindow::create(DWORD exStyle, const wchar_t* title, DWORD style, int32_t x, int32_t y,
                          int32_t width, int32_t height, HWND parent) {
    if (!registerClass()) {
        return false;
    }
    const HWND created = CreateWindowExW(exStyle, kClassName, title, style, x, y, width, height,
                                         parent, nullptr, GetModuleHandleW(nullptr), this);
    if (created == nullptr) {
        MessageBoxW(nullptr, L"Window Creation Failed!", L"Error!", MB_ICONWARNING | MB_OK);
        return false;
    }
    nativeHandle = created;
    return true;
}

void NativeWindow::destroy() {
    if (nativeHandle == nullptr) {
        return;
    }
    const HWND window = nativeHandle;
    // The wrapper lets go first: no message of the dying window reaches it.
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    nativeHandle = nullptr;
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        DestroyWindow(window);
    } else {
        // Only the creating thread may destroy a window: the class turns this
        // message into a close, whose default processing destroys it there.
        SendMessageW(window, kDestroyMessage, 0, 0);
    }
}

LRESULT NativeWindow::defaultProcessing(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kDestroyMessage) {
        message = WM_CLOSE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK NativeWindow::classProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* wrapper = static_cast<NativeWindow*>(creation->lpCreateParams);
        if (wrapper != nullptr) {
            wrapper->nativeHandle = window;
        }
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(wrapper));
    }
    auto* wrapper = reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (wrapper != nullptr) {
        LRESULT result = 0;
        // No exception may cross into the system's dispatcher.
        try {
            if (wrapper->handleNativeMessage(&result, message, wParam, lParam)) {
                return result;
            }
        } catch (...) {
            return 0;
        }
        if (message == WM_NCDESTROY) {
            // The window is gone: the wrapper must not hand out its handle.
            wrapper->nativeHandle = nullptr;
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        }
    }
    return defaultProcessing(window, message, wParam, lParam);
}

} // namespace s::platform::win
