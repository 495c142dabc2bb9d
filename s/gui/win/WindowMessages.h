#pragma once
#include <windows.h>

namespace s::gui::win {

// Private messages of a Window, sent to it so that the work runs on its own
// thread: message boxes, hot keys and timers belong to the thread that makes them
// (WM_USER is 1024, WM_APP is 32768).
struct WindowMessages {
    static constexpr UINT kCall = WM_USER + 1; // wParam: four values; raises 2
    // lParam of a posted call: the window owns (and frees) the copied values.
    static constexpr LPARAM kPostedCall = 1;
    static constexpr UINT kTray = WM_USER + 2;            // lParam: the tray icon's mouse message
    static constexpr UINT kInformation = WM_USER + 4;     // wParam: text of an information box
    static constexpr UINT kError = WM_USER + 5;           // wParam: text of an error box
    static constexpr UINT kQuestion = WM_USER + 6;        // wParam: text; answers 1 for Yes, else 0
    static constexpr UINT kNotify = WM_USER + 7;          // raises 15
    static constexpr UINT kRegisterHotKey = WM_USER + 12; // wParam: a HotKeys::Request
    static constexpr UINT kUnregisterHotKey = WM_USER + 13;  // wParam: the key's name
    static constexpr UINT kUnregisterHotKeys = WM_USER + 14; // every key of the window
    static constexpr UINT kStartTimer = WM_USER + 20; // wParam: {id, period ms}; answers 1 when set
    static constexpr UINT kStopTimer = WM_USER + 21;  // wParam: {id}
    static constexpr UINT kDestroy = WM_APP + 1;      // the class turns it into a destroying close
    static constexpr UINT kAttach =
        WM_APP + 2; // wParam: an IComponent to attach; answers 1 when attached
};

} // namespace s::gui::win
