#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/model/PopupMenu.h"
#include "s/platform/win/MenuHandle.h"
#include "s/thread/ClassPool.h"

namespace s::gui::win {

// The Windows popup menu: the portable menu (entries, marks, titles, the
// language change, the command event) plus its native menu. The native menu
// is built from the model each time the menu opens and destroyed when it
// closes, so marks and texts changed in between always show and no native
// handle outlives a showing.
//
// Command routing: the menu opens with a window as the receiver of its
// commands; the picked command arrives at that window as WM_COMMAND, and the
// window calls select() on the root menu that contains it.
//
// Ownership and threads: as the portable menu; it opens on the thread of its
// owner window, and the native menu lives on that thread only while open.
class PopupMenu : public s::gui::model::PopupMenu {
    S_POOLED_CLASS(PopupMenu, u"s_gui_win_PopupMenu")
public:
    // Flags of the two ways to open: above the point, as a tray menu opens,
    // and below it, as a context menu opens.
    static constexpr UINT kShowAtFlags = TPM_RIGHTBUTTON | TPM_BOTTOMALIGN | TPM_NOANIMATION;
    static constexpr UINT kShowBelowFlags = TPM_RIGHTBUTTON | TPM_NOANIMATION;

    // Opens the menu with its bottom edge at the screen point (it opens above
    // it); commands reach `owner` as WM_COMMAND. Returns when the menu has
    // closed, before the command arrives. On the owner's thread.
    void showAt(int32_t x, int32_t y, HWND owner);
    // The same with the menu opening below the point.
    void showBelow(int32_t x, int32_t y, HWND owner);

    // A native menu that shows this menu's present state, with a native
    // submenu for each submenu; owned by the caller. Empty when the system
    // has no menu to give.
    s::platform::win::OwnedMenu createNative();

private:
    PopupMenu() { reset(); }
    ~PopupMenu() override = default;

    void show(int32_t x, int32_t y, HWND owner, UINT flags);
};

} // namespace s::gui::win
