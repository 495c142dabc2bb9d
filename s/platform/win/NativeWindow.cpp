#include "s/platform/win/NativeWindow.h"

#include <mutex>

#include "s/platform/win/NotificationReflector.h"

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

bool NativeWindow::createControl(const wchar_t* controlClass, DWORD exStyle, const wchar_t* title,
                                 DWORD style, int32_t x, int32_t y, int32_t width, int32_t height,
                                 HWND parent, int32_t controlId) {
    const HWND created =
        CreateWindowExW(exStyle, controlClass, title, style, x, y, width, height, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                        GetModuleHandleW(nullptr), nullptr);
    if (created == nullptr) {
        MessageBoxW(nullptr, L"Window Creation Failed!", L"Error!", MB_ICONWARNING | MB_OK);
        return false;
    }
    // The wrapper is known before the procedure is swapped, so the first
    // message through the new procedure already finds it.
    nativeHandle = created;
    SetWindowLongPtrW(created, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    controlDefault = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        created, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NativeWindow::controlProcedure)));
    return true;
}

void NativeWindow::destroy() {
    if (nativeHandle == nullptr) {
        return;
    }
    const HWND window = nativeHandle;
    // The wrapper lets go first: no message of the dying window reaches it.
    // A subclassed control keeps its own procedure for what is left.
    if (controlDefault != nullptr) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(controlDefault));
        controlDefault = nullptr;
    }
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
    LRESULT reflected = 0;
    if (NotificationReflector::reflect(window, message, wParam, lParam, &reflected)) {
        return reflected;
    }
    switch (message) {
    case WM_SETCURSOR:
        // Without a class cursor nothing else would set one over the window.
        if (DefWindowProcW(window, message, wParam, lParam) != 0) {
            return 1;
        }
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        return 0;
    case WM_INITMENU:
    case WM_LBUTTONDOWN:
        // A click or a menu counts as activating the window, also when the
        // system does not activate it (an owned or child window).
        SendMessageW(window, WM_ACTIVATE, WA_CLICKACTIVE, 0);
        break;
    case WM_INITMENUPOPUP: {
        LRESULT forwarded = 0;
        if (forwardMenuPopup(window, wParam, lParam, &forwarded)) {
            return forwarded;
        }
        break;
    }
    case kDestroyMessage:
        message = WM_CLOSE;
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool NativeWindow::forwardMenuPopup(HWND window, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    MENUINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    if (!GetMenuInfo(reinterpret_cast<HMENU>(wParam), &info)) {
        return false;
    }
    const HWND target = reinterpret_cast<HWND>(info.dwMenuData);
    // A menu naming this window itself would send the message round in a
    // circle.
    if (target == nullptr || target == window || !IsWindow(target)) {
        return false;
    }
    *result = SendMessageW(target, WM_INITMENUPOPUP, wParam, lParam);
    return true;
}

LRESULT NativeWindow::callDefault(UINT message, WPARAM wParam, LPARAM lParam) {
    if (controlDefault != nullptr) {
        return CallWindowProcW(controlDefault, nativeHandle, message, wParam, lParam);
    }
    return defaultProcessing(nativeHandle, message, wParam, lParam);
}

bool NativeWindow::dispatch(NativeWindow* wrapper, LRESULT* result, UINT message, WPARAM wParam,
                            LPARAM lParam) {
    // No exception may cross into the system's dispatcher.
    try {
        return wrapper->handleNativeMessage(result, message, wParam, lParam);
    } catch (...) {
        *result = 0;
        return true;
    }
}

void NativeWindow::forget(HWND window, NativeWindow* wrapper) {
    // The window is gone: the wrapper must not hand out its handle.
    wrapper->nativeHandle = nullptr;
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
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
        if (dispatch(wrapper, &result, message, wParam, lParam)) {
            return result;
        }
        if (message == WM_NCDESTROY) {
            forget(window, wrapper);
        }
    }
    return defaultProcessing(window, message, wParam, lParam);
}

LRESULT CALLBACK NativeWindow::controlProcedure(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    auto* wrapper = reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (wrapper == nullptr || wrapper->controlDefault == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const WNDPROC original = wrapper->controlDefault;
    LRESULT result = 0;
    if (dispatch(wrapper, &result, message, wParam, lParam)) {
        return result;
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        wrapper->controlDefault = nullptr;
        forget(window, wrapper);
    }
    return CallWindowProcW(original, window, message, wParam, lParam);
}

} // namespace s::platform::win
