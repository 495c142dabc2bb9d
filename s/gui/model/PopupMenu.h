#pragma once
#include <cstdint>
#include <vector>

#include "s/base/IObject.h"
#include "s/gui/events/EventSource.h"
#include "s/gui/events/IEventListener.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::menuitem {
class MenuItem;
}
namespace s::lang {
class Localizer;
}

namespace s::gui::model {

// A popup menu's portable part: its entries in display order (items, which
// may be separators, and submenus), their check and radio marks, its title,
// and the command picked last. It knows its items' texts by text id, so that
// it labels them again when the language of its localizer changes, and it
// turns a picked command into an event (code 0) for its listeners. The
// Windows menu (s::gui::win::PopupMenu) builds its native menu from this
// state whenever it opens, so what it shows always matches the model.
//
// Positions count every entry, items and submenus alike, in display order:
// they are the positions of the native menu.
//
// Radio groups: the whole-menu form (checkRadioAt, checkRadioById) treats all
// entries of the menu as one group; the range form (checkRadio) limits it to
// the positions first to last. Each item keeps its radio mark, so a language
// change keeps the marks.
//
// Ownership: a menu owns its items and submenus and gives them back to their
// pools when it removes them or is reset. A root menu belongs to whoever took
// it until it is handed to a window (Window::setTrayMenu). The localizer and
// the listeners are borrowed; the menu leaves its localizer when it is reset.
//
// Threads: built on any one thread before it is shown, then used on the
// thread of the window that opens it; listeners are told on that thread and
// may be added from any thread. A language change is taken on the thread that
// makes it, which in this toolkit is the window's (the language menu's
// command). No lock.
class PopupMenu : public s::gui::events::IEventListener,
                  public s::base::IObject,
                  public s::thread::IPoolable {
    S_POOLED_CLASS(PopupMenu, u"s_gui_model_PopupMenu")
public:
    // The code of the event told when a command is picked.
    static constexpr int32_t kSelectedEvent = 0;

    void reset() override;

    // A language change of the menu's own localizer labels the entries
    // again; other sources are ignored.
    void onEvent(s::base::IObject* source, int32_t code) override;

    // -- entries ------------------------------------------------------------
    // The menu takes over the item (a separator adds a separator line); an
    // item with a text id takes its text from its localizer. False (and
    // nothing taken over) for null and for an item the menu already holds.
    bool append(s::gui::menuitem::MenuItem* item);
    // The same at a position; a position outside 0 to getEntryCount() appends.
    bool insert(int32_t position, s::gui::menuitem::MenuItem* item);
    // The menu takes over the submenu, shown under its title (getTitle()).
    // False (and nothing taken over) for null, for a menu already in this
    // tree and for one that holds this menu.
    bool appendSubmenu(PopupMenu* submenu);
    // Gives every entry back.
    void removeAll();
    // Gives back the entry at the position (an item or a submenu).
    bool removeAt(int32_t position);
    bool removeById(int32_t commandId);
    bool removeByData(int32_t data);

    int32_t getEntryCount() const { return static_cast<int32_t>(entries.size()); }
    // The item at a position, or null (a submenu or no such position).
    s::gui::menuitem::MenuItem* getItemAt(int32_t position) const;
    // The submenu at a position, or null.
    PopupMenu* getSubmenuAt(int32_t position) const;
    bool isSubmenuEnabled(int32_t position) const;

    // -- finding ------------------------------------------------------------
    // The item of this menu (not of its submenus) with the command id.
    s::gui::menuitem::MenuItem* findById(int32_t commandId) const;
    // True when this menu or, at any depth, a submenu has the command id.
    bool contains(int32_t commandId) const;
    // The position in this menu of the item with the command id (or data).
    bool indexOfId(int32_t commandId, int32_t& position) const;
    bool indexOfData(int32_t data, int32_t& position) const;

    // -- marks and state, by command id in this menu and its submenus ---------
    bool isChecked(int32_t commandId) const;
    // False when no item has the id.
    bool setChecked(int32_t commandId, bool checked);
    bool setEnabled(int32_t commandId, bool enabled);
    bool setSubmenuEnabled(const PopupMenu* submenu, bool enabled);
    // The label becomes text, unless the item has a text id and a localizer:
    // then the text of the id stays.
    bool setText(int32_t commandId, const char16_t* text);
    // The item's text id becomes textId and, with a localizer, its label the
    // text of it.
    bool setTextId(int32_t commandId, int32_t textId);
    // Every item of this menu takes its label from its text id again.
    void refreshTexts();

    // -- radio marks (this menu only) ------------------------------------------
    // The radio mark goes to the item at `position` among the positions first
    // to last; the other items there lose it. A position outside the range,
    // or one that holds no command, clears the range.
    void checkRadio(int32_t position, int32_t first, int32_t last);
    // The same over the whole menu; -1 clears every radio mark.
    void checkRadioAt(int32_t position);
    // checkRadioAt(the item's position); an id no item has changes nothing.
    bool checkRadioById(int32_t commandId);
    bool checkRadioByData(int32_t data);

    // -- title and language ------------------------------------------------------
    // Stores the localizer and listens to its language changes; the menu's
    // items keep their own localizers.
    void setLocalizer(s::lang::Localizer* source);
    s::lang::Localizer* getLocalizer() const { return localizer; }
    // The label of this menu as a submenu; with a title id it is looked up
    // again in the localizer first. Never null.
    const char16_t* getTitle();
    int32_t getTitleId() const { return titleId; }
    void setTitleId(int32_t textId);
    void setTitle(const char16_t* text);

    // -- commands -----------------------------------------------------------
    // Listeners are told (code 0) when a command of this menu tree is picked.
    void addListener(s::gui::events::IEventListener* listener);
    // Records the command and tells the listeners; the window calls it on the
    // root menu for a command of any of its submenus.
    void select(int32_t commandId);
    int32_t getSelectedId() const { return selectedId; }

protected:
    PopupMenu();
    ~PopupMenu() override;

private:
    // An item or a submenu, owned by the menu.
    struct Entry {
        s::gui::menuitem::MenuItem* item = nullptr;
        PopupMenu* submenu = nullptr;
        bool enabled = true;
    };

    // The item with the id in this menu or, at any depth, a submenu.
    s::gui::menuitem::MenuItem* locate(int32_t commandId) const;
    bool insertEntry(int32_t position, const Entry& entry);
    // The command id shown at a position; MenuItem::kNone for a separator, a
    // submenu or a position outside the menu.
    int32_t commandAt(int32_t position) const;
    void releaseEntry(Entry& entry);
    bool holds(const s::gui::menuitem::MenuItem* item) const;
    // True when the menu is a submenu of this one at any depth.
    bool holds(const PopupMenu* menu) const;

    std::vector<Entry> entries;
    s::lang::Localizer* localizer = nullptr;
    // Owned; the fixed title, or the text of titleId.
    s::str::strbuffer::StrBuffer* title = nullptr;
    int32_t titleId = -1;
    s::gui::events::EventSource listeners;
    int32_t selectedId = -1;
};

} // namespace s::gui::model
