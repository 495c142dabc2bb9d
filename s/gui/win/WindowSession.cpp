// The window in the system's session: the clipboard-viewer chain (code 27),
// suspend and resume, and the end of the session (the window closes and the
// bound settings are stored). Runs on the window's thread.
#include "s/gui/win/Window.h"

namespace s::gui::win {

namespace {

// Power broadcasts that suspend and resume the system.
constexpr WPARAM kSuspend = 4;          // PBT_APMSUSPEND
constexpr WPARAM kResumeSuspend = 7;    // PBT_APMRESUMESUSPEND
constexpr WPARAM kResumeAutomatic = 18; // PBT_APMRESUMEAUTOMATIC

} // namespace

void Window::setClipboardViewer(bool on) {
    if (clipboardViewer.exchange(on) == on) {
        return;
    }
    onWindowThread([this, on] {
        if (on) {
            joinClipboardChain();
        } else {
            leaveClipboardChain();
        }
    });
}

void Window::joinClipboardChain() {
    if (getNativeHandle() != nullptr) {
        nextViewer = SetClipboardViewer(getNativeHandle());
    }
}

void Window::leaveClipboardChain() {
    if (getNativeHandle() != nullptr) {
        ChangeClipboardChain(getNativeHandle(), nextViewer);
    }
    nextViewer = nullptr;
}

void Window::onDrawClipboard() {
    raise(static_cast<int32_t>(WindowEvent::ClipboardChanged));
    if (nextViewer != nullptr) {
        PostMessageW(nextViewer, WM_DRAWCLIPBOARD, 0, 0);
    }
}

void Window::onChangeClipboardChain(HWND leaving, HWND next) {
    if (leaving == nextViewer) {
        nextViewer = next;
    } else if (nextViewer != nullptr) {
        PostMessageW(nextViewer, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(leaving),
                     reinterpret_cast<LPARAM>(next));
    }
}

void Window::onEndSession() {
    shutdownPending = true;
    if (!closed.load() && IsWindow(getNativeHandle())) {
        SendMessageW(getNativeHandle(), WM_CLOSE, 0, 0);
    }
    IWindowSettings* bound = settings;
    if (bound != nullptr) {
        bound->saveSettings();
    }
}

bool Window::handleSessionMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWCLIPBOARD:
        onDrawClipboard();
        *result = 0;
        return true;
    case WM_CHANGECBCHAIN:
        onChangeClipboardChain(reinterpret_cast<HWND>(wParam), reinterpret_cast<HWND>(lParam));
        *result = 0;
        return true;
    case WM_POWERBROADCAST:
        if (wParam == kSuspend) {
            suspended = true;
        } else if (wParam == kResumeSuspend || wParam == kResumeAutomatic) {
            suspended = false;
        }
        return false;
    case WM_ENDSESSION:
        // The session really ends, by shutdown or by log-off alike: either
        // way the program ends without another chance to store its bounds.
        if (wParam != FALSE) {
            onEndSession();
        }
        return false;
    default:
        return false;
    }
}

} // namespace s::gui::win
