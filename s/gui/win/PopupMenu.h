#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "s/base/IObject.h"
#include "s/gui/events/EventSource.h"
#include "s/gui/menuitem/MenuItem.h"
#include "s/platform/win/MenuHandle.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::win {

// A popup menu: items with command ids, check and radio marks, separators
// and submenus. The native menu is built afresh each time the menu opens, so
// marks and texts changed in between always show. When the user picks an
// item, the owning window routes the command to the root menu, whose
// select() tells its listeners (code 0).
//
// Ownership: a menu owns its items and its submenus; reset() (and so
// release()) gives the submenus back to the pool with it. A root menu is
// owned by whoever took it until it is handed to a window (Window::
// setTrayMenu), which then owns it and gives it back on its own thread.
// Built on any thread before it is shown; from then on used on the thread of
// the window it opens on. Listeners may be added from any thread.
class PopupMenu : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(PopupMenu, u"s_gui_win_PopupMenu")
public:
    static constexpr int32_t kSelectedEvent = 0;

    void reset() override;

    void setTitle(const char16_t* text) { title = text != nullptr ? text : u""; }
    void append(const char16_t* text, int32_t commandId, bool checked);
    void appendSeparator();
    // The menu takes over the submenu (null is ignored); it must not be
    // appended anywhere else.
    void appendSubmenu(const char16_t* text, PopupMenu* submenu);

    // Marks, found by command id in this menu and its submenus.
    bool isChecked(int32_t commandId) const;
    void setChecked(int32_t commandId, bool checked);
    void checkRadioById(int32_t commandId);
    bool contains(int32_t commandId) const;

    void addListener(s::gui::events::IEventListener* listener);
    // Records the picked command and tells the listeners.
    void select(int32_t commandId);
    int32_t getSelectedId() const { return selectedId; }

    // Opens the menu at a screen point; commands reach `owner` as WM_COMMAND.
    // Returns when the menu has closed.
    void open(HWND owner, int32_t x, int32_t y);

private:
    PopupMenu() { reset(); }
    ~PopupMenu() override { reset(); }

    const s::gui::menuitem::MenuItem* find(int32_t commandId) const;
    s::gui::menuitem::MenuItem* find(int32_t commandId);
    s::platform::win::OwnedMenu buildNative() const;

    std::u16string title;
    std::vector<s::gui::menuitem::MenuItem> items;
    s::gui::events::EventSource listeners;
    int32_t selectedId = -1;
};

} // namespace s::gui::win
