// The window's system-wide hot keys. Registration runs on the window's
// thread (a hot key belongs to the thread that registers it); the calling
// thread builds the request and waits for the answer.
#include "s/gui/win/Window.h"

#include "s/gui/win/MessageBoxW.h"
#include "s/gui/win/WindowMessages.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/system/win/OsVersion.h"
#include "s/thread/PoolRef.h"

namespace s::gui::win {

using s::str::strbuffer::StrBuffer;

bool Window::registerHotKey(bool alt, bool ctrl, bool shift, bool win, int32_t keyCode,
                            const char16_t* name, bool reportFailure) {
    const HWND window = getNativeHandle();
    if (window == nullptr) {
        return false;
    }
    unregisterHotKey(name);
    auto failureText = s::thread::PoolRef<StrBuffer>::take();
    if (!failureText) {
        return false;
    }
    HotKeys::appendOccupiedText(failureText.get(), alt, ctrl, shift, win, keyCode);
    // Held down, a key raises its event once on systems that can say so.
    const bool noRepeat = s::system::win::OsVersion::get().atLeast61;
    const HotKeys::Request request = {HotKeys::modifierMask(alt, ctrl, shift, win, noRepeat),
                                      keyCode, name, reportFailure, failureText->c_str()};
    return SendMessageW(window, WindowMessages::kRegisterHotKey, reinterpret_cast<WPARAM>(&request),
                        0) != 0;
}

void Window::unregisterHotKey(const char16_t* name) {
    if (getNativeHandle() != nullptr) {
        SendMessageW(getNativeHandle(), WindowMessages::kUnregisterHotKey,
                     reinterpret_cast<WPARAM>(name), 0);
    }
}

void Window::unregisterAllHotKeys() {
    if (getNativeHandle() != nullptr) {
        SendMessageW(getNativeHandle(), WindowMessages::kUnregisterHotKeys, 0, 0);
    }
}

bool Window::onRegisterHotKey(const HotKeys::Request& request) {
    DWORD error = ERROR_SUCCESS;
    if (hotKeys.add(getNativeHandle(), request, &error)) {
        return true;
    }
    if (request.reportFailure) {
        auto message = s::thread::PoolRef<StrBuffer>::take();
        if (message) {
            message->appendWcs(u"(");
            message->appendUInt32(static_cast<uint32_t>(error));
            message->appendWcs(u") ");
            message->appendWcs(request.failureText);
            showInformationBox(message->c_str());
        }
    }
    return false;
}

} // namespace s::gui::win
