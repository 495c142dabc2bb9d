#pragma once
#include <windows.h>

#include <atomic>
#include <cstddef>

namespace s::gui::win {

// The one notification-area icon of a window: the records sent to the shell
// to add, update and delete it, and whether it counts as shown. The shell's
// answers are passed back but do not change the shown state: an icon the
// shell refused (no taskbar yet) still counts as shown, so that it is added
// again when the taskbar appears (see taskbarCreatedMessage()).
//
// Embedded in its Window, which owns it. The commands run on the window's
// thread; isShown() may be read from any thread.
class TrayIcon {
public:
    // Sent to the window for mouse activity over the icon; lParam is the
    // mouse message.
    static constexpr UINT kCallbackMessage = WM_USER + 2;
    // Units of the shell's tip field, terminator included.
    static constexpr size_t kTipCapacity = 128;

    // Adds the icon (message, picture and tip) and marks it shown.
    bool add(HWND window, HICON icon, const char16_t* tip);
    // Sends message, picture and tip again, when shown.
    bool modify(HWND window, HICON icon, const char16_t* tip);
    // Sends only a new tip, when shown.
    bool modifyTip(HWND window, const char16_t* tip);
    // Deletes the icon and marks it not shown.
    bool remove(HWND window);

    bool isShown() const { return shown.load(); }

    // Copies `text` (null counts as empty) into a tip field of `capacity`
    // units with the terminator. A longer text is cut and ends with an
    // ellipsis; the cut never splits a surrogate pair. Answers the units
    // written before the terminator.
    static size_t copyTip(const char16_t* text, wchar_t* field, size_t capacity);

    // The message the shell broadcasts to top-level windows when its taskbar
    // has been (re)created, for example after the shell restarted.
    static UINT taskbarCreatedMessage();

private:
    bool send(DWORD command, HWND window, UINT flags, HICON icon, const char16_t* tip);

    std::atomic<bool> shown{false};
};

} // namespace s::gui::win
