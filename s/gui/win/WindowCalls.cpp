// The window's protocols with other threads: the close protocol (close,
// veto, waitClosed), the synchronous and the posted call, and the boxes shown on the
// window's thread.
#include "s/gui/win/Window.h"

#include <new>

#include "s/gui/win/MessageBoxW.h"
#include "s/gui/win/WindowMessages.h"

namespace s::gui::win {

namespace {

// Poll period of waitClosed.
constexpr DWORD kPollMilliseconds = 10;

} // namespace

void Window::close() {
    if (getNativeHandle() != nullptr) {
        SendMessageW(getNativeHandle(), WM_CLOSE, 0, 0);
    }
}

void Window::waitClosed() const {
    while (!closed.load()) {
        Sleep(kPollMilliseconds);
    }
}

void Window::onClose() {
    if (closed.load()) {
        return;
    }
    closeVetoed = false;
    raise(static_cast<int32_t>(WindowEvent::Close));
    if (closeVetoed) {
        return;
    }
    setVisible(false);
    if (clipboardViewer.exchange(false)) {
        leaveClipboardChain();
    }
    if (trayIcon.isShown()) {
        trayIconAlways = false;
        setTrayIcon(false);
    }
    // Whatever the lens did to the cursor, the user gets it back.
    restoreCursor();
    closed = true;
    closeVetoed = false;
}

intptr_t Window::sendCall(intptr_t a, intptr_t b, intptr_t c, intptr_t d) {
    if (getNativeHandle() == nullptr) {
        return 0;
    }
    intptr_t values[4] = {a, b, c, d};
    return static_cast<intptr_t>(SendMessageW(getNativeHandle(), WindowMessages::kCall,
                                              reinterpret_cast<WPARAM>(values), 0));
}

bool Window::postCall(intptr_t a, intptr_t b, intptr_t c, intptr_t d) {
    if (getNativeHandle() == nullptr) {
        return false;
    }
    // The caller does not wait: the values travel as a copy that the
    // window's thread frees once it has read them.
    auto* values = new (std::nothrow) intptr_t[4]{a, b, c, d};
    if (values == nullptr) {
        return false;
    }
    if (!PostMessageW(getNativeHandle(), WindowMessages::kCall, reinterpret_cast<WPARAM>(values),
                      WindowMessages::kPostedCall)) {
        delete[] values;
        return false;
    }
    return true;
}

void Window::onCall(const intptr_t* values) {
    for (int i = 0; i < 4; ++i) {
        callValues[i] = values[i];
    }
    raise(static_cast<int32_t>(WindowEvent::Call));
}

void Window::showInformation(const char16_t* text) {
    if (getNativeHandle() != nullptr) {
        SendMessageW(getNativeHandle(), WindowMessages::kInformation,
                     reinterpret_cast<WPARAM>(text), 0);
    }
}

void Window::showError(const char16_t* text) {
    if (getNativeHandle() != nullptr) {
        SendMessageW(getNativeHandle(), WindowMessages::kError, reinterpret_cast<WPARAM>(text), 0);
    }
}

bool Window::askYesNo(const char16_t* text) {
    return getNativeHandle() != nullptr &&
           SendMessageW(getNativeHandle(), WindowMessages::kQuestion,
                        reinterpret_cast<WPARAM>(text), 0) != 0;
}

} // namespace s::gui::win
