#pragma once
#include <windows.h>

namespace s::gui::win {

// Private messages of a Window, sent to it so that the work runs on its own
// thread (WM_USER is 1024, WM_APP is 32768).
struct WindowMessages {
    static constexpr UINT kCall = WM_USER + 1;        // wParam: four values; raises 2
    static constexpr UINT kTray = WM_USER + 2;        // lParam: the tray icon's mouse message
    static constexpr UINT kInformation = WM_USER + 4; // wParam: text of an information box
    static constexpr UINT kDestroy = WM_APP + 1;      // the class turns it into a destroying close
    static constexpr UINT kAttach = WM_APP + 2;       // wParam: a Box to take over and attach
};

} // namespace s::gui::win
