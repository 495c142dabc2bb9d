#pragma once
#include <windows.h>

namespace s::platform::win {

// Child controls tell their parent what happened to them (WM_COMMAND,
// WM_NOTIFY, the colour requests); the toolkit's window class sends each such
// notification back to the control that sent it, as a private message, so
// that every control's wrapper handles its own notifications and no parent
// needs to know its children's kinds.
//
// Reflected messages (sent to the control with the original wParam and
// lParam; WM_APP is 32768):
//   colour requests (WM_CTLCOLOR, WM_CTLCOLORMSGBOX .. WM_CTLCOLORSTATIC)
//                                          -> WM_APP+3, the control's answer
//   WM_COMMAND code 0 / 1 / 5 / 7 / 8 / 0x200 / 0x300
//                 -> WM_APP+4 / +10 / +5 / +15 / +16 / +21 / +12, answer 0
//   WM_NOTIFY  code -101 / -115 / -109     -> WM_APP+6 / +7 / +8, answer 0
//   WM_NOTIFY  code -176 / -551 / -108 / -12 / -310 / -311 / -100
//                 -> WM_APP+9 / +11 / +13 / +14 / +17 / +18 / +19, the control's answer
//   WM_HSCROLL from a control              -> WM_HSCROLL, then the system default
//   WM_DRAWITEM of an owner-drawn control  -> WM_APP+20, answer TRUE (menus
//                                             are left to the default)
// Anything else, and a notification without a live control, is left to the
// system default. Stateless; runs on the thread of the window that received
// the notification, which is also the control's thread.
class NotificationReflector {
public:
    static constexpr UINT kColour = WM_APP + 3;
    static constexpr UINT kCommandFirst = WM_APP + 4; // notification code 0: a click
    static constexpr UINT kDrawItem = WM_APP + 20;    // lParam: the DRAWITEMSTRUCT

    // Answers whether the message was reflected; `result` is then the answer
    // for the parent's window procedure. A message naming `window` itself as
    // its control is never reflected: it would come straight back.
    static bool reflect(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

private:
    static bool reflectCommand(HWND window, WPARAM wParam, LPARAM lParam, LRESULT* result);
    static bool reflectNotify(HWND window, WPARAM wParam, LPARAM lParam, LRESULT* result);
};

} // namespace s::platform::win
