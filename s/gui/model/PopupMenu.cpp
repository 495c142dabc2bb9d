#include "s/gui/model/PopupMenu.h"

#include "s/gui/menuitem/MenuItem.h"
#include "s/lang/Localizer.h"

namespace s::gui::model {

using s::gui::menuitem::MenuItem;
using s::str::strbuffer::StrBuffer;

PopupMenu::PopupMenu() : title(StrBuffer::newInstance()) {
    reset();
}

PopupMenu::~PopupMenu() {
    reset();
    if (title != nullptr) {
        title->release();
    }
}

void PopupMenu::reset() {
    if (localizer != nullptr) {
        localizer->removeListener(this);
        localizer = nullptr;
    }
    removeAll();
    if (title != nullptr) {
        title->freeStorage();
    }
    titleId = -1;
    listeners.reset();
    selectedId = -1;
}

void PopupMenu::onEvent(s::base::IObject* source, int32_t code) {
    if (localizer == nullptr || source != static_cast<s::base::IObject*>(localizer)) {
        return;
    }
    // The submenus listen to the localizer themselves; their titles are read
    // afresh (getTitle) whenever the menu is shown.
    refreshTexts();
}

// --- entries ------------------------------------------------------------------

bool PopupMenu::insertEntry(int32_t position, const Entry& entry) {
    if (position < 0 || position > getEntryCount()) {
        position = getEntryCount();
    }
    entries.insert(entries.begin() + position, entry);
    return true;
}

bool PopupMenu::append(MenuItem* item) {
    return insert(getEntryCount(), item);
}

bool PopupMenu::insert(int32_t position, MenuItem* item) {
    // An item held twice would be given back twice.
    if (item == nullptr || holds(item)) {
        return false;
    }
    if (!item->isSeparator()) {
        item->applyTextId();
    }
    Entry entry;
    entry.item = item;
    return insertEntry(position, entry);
}

bool PopupMenu::appendSubmenu(PopupMenu* submenu) {
    // A menu held twice, or inside itself, would be given back twice and
    // searched without end.
    if (submenu == nullptr || submenu == this || holds(submenu) || submenu->holds(this)) {
        return false;
    }
    Entry entry;
    entry.submenu = submenu;
    return insertEntry(getEntryCount(), entry);
}

bool PopupMenu::holds(const MenuItem* item) const {
    for (const Entry& entry : entries) {
        if (entry.item == item) {
            return true;
        }
    }
    return false;
}

bool PopupMenu::holds(const PopupMenu* menu) const {
    for (const Entry& entry : entries) {
        if (entry.submenu != nullptr && (entry.submenu == menu || entry.submenu->holds(menu))) {
            return true;
        }
    }
    return false;
}

void PopupMenu::releaseEntry(Entry& entry) {
    if (entry.item != nullptr) {
        entry.item->release();
        entry.item = nullptr;
    }
    if (entry.submenu != nullptr) {
        entry.submenu->release();
        entry.submenu = nullptr;
    }
}

void PopupMenu::removeAll() {
    // Taken out of the list first: giving a submenu back resets it, and
    // nothing may find a half-released entry meanwhile.
    std::vector<Entry> removed;
    removed.swap(entries);
    for (auto entry = removed.rbegin(); entry != removed.rend(); ++entry) {
        releaseEntry(*entry);
    }
}

bool PopupMenu::removeAt(int32_t position) {
    if (position < 0 || position >= getEntryCount()) {
        return false;
    }
    Entry entry = entries[position];
    entries.erase(entries.begin() + position);
    releaseEntry(entry);
    return true;
}

bool PopupMenu::removeById(int32_t commandId) {
    int32_t position = -1;
    return indexOfId(commandId, position) && removeAt(position);
}

bool PopupMenu::removeByData(int32_t data) {
    int32_t position = -1;
    return indexOfData(data, position) && removeAt(position);
}

MenuItem* PopupMenu::getItemAt(int32_t position) const {
    return position >= 0 && position < getEntryCount() ? entries[position].item : nullptr;
}

PopupMenu* PopupMenu::getSubmenuAt(int32_t position) const {
    return position >= 0 && position < getEntryCount() ? entries[position].submenu : nullptr;
}

bool PopupMenu::isSubmenuEnabled(int32_t position) const {
    return getSubmenuAt(position) != nullptr && entries[position].enabled;
}

// --- finding --------------------------------------------------------------------

MenuItem* PopupMenu::findById(int32_t commandId) const {
    int32_t position = -1;
    return indexOfId(commandId, position) ? entries[position].item : nullptr;
}

MenuItem* PopupMenu::locate(int32_t commandId) const {
    if (MenuItem* item = findById(commandId)) {
        return item;
    }
    for (const Entry& entry : entries) {
        if (entry.submenu != nullptr) {
            if (MenuItem* item = entry.submenu->locate(commandId)) {
                return item;
            }
        }
    }
    return nullptr;
}

bool PopupMenu::contains(int32_t commandId) const {
    return locate(commandId) != nullptr;
}

bool PopupMenu::indexOfId(int32_t commandId, int32_t& position) const {
    for (int32_t i = 0; i < getEntryCount(); ++i) {
        if (entries[i].item != nullptr && entries[i].item->isCommand(commandId)) {
            position = i;
            return true;
        }
    }
    return false;
}

bool PopupMenu::indexOfData(int32_t data, int32_t& position) const {
    for (int32_t i = 0; i < getEntryCount(); ++i) {
        if (entries[i].item != nullptr && !entries[i].item->isSeparator() &&
            entries[i].item->getData() == data) {
            position = i;
            return true;
        }
    }
    return false;
}

int32_t PopupMenu::commandAt(int32_t position) const {
    const MenuItem* item = getItemAt(position);
    return item != nullptr && !item->isSeparator() ? item->getCommandId() : MenuItem::kNone;
}

// --- marks and state ----------------------------------------------------------------

bool PopupMenu::isChecked(int32_t commandId) const {
    const MenuItem* item = locate(commandId);
    return item != nullptr && item->isChecked();
}

bool PopupMenu::setChecked(int32_t commandId, bool checked) {
    MenuItem* item = locate(commandId);
    if (item == nullptr) {
        return false;
    }
    item->setChecked(checked);
    return true;
}

bool PopupMenu::setEnabled(int32_t commandId, bool enabled) {
    MenuItem* item = locate(commandId);
    if (item == nullptr) {
        return false;
    }
    item->setGreyed(!enabled);
    return true;
}

bool PopupMenu::setSubmenuEnabled(const PopupMenu* submenu, bool enabled) {
    for (Entry& entry : entries) {
        if (submenu != nullptr && entry.submenu == submenu) {
            entry.enabled = enabled;
            return true;
        }
    }
    return false;
}

bool PopupMenu::setText(int32_t commandId, const char16_t* text) {
    MenuItem* item = locate(commandId);
    if (item == nullptr) {
        return false;
    }
    item->setText(text);
    item->applyTextId();
    return true;
}

bool PopupMenu::setTextId(int32_t commandId, int32_t textId) {
    MenuItem* item = locate(commandId);
    if (item == nullptr) {
        return false;
    }
    item->setTextId(textId);
    item->applyTextId();
    return true;
}

void PopupMenu::refreshTexts() {
    for (Entry& entry : entries) {
        if (entry.item != nullptr && !entry.item->isSeparator()) {
            entry.item->applyTextId();
        }
    }
}

// --- radio marks ------------------------------------------------------------------------

void PopupMenu::checkRadio(int32_t position, int32_t first, int32_t last) {
    if (first < 0) {
        first = 0;
    }
    if (last >= getEntryCount()) {
        last = getEntryCount() - 1;
    }
    const int32_t selected =
        position >= first && position <= last ? commandAt(position) : MenuItem::kNone;
    for (int32_t i = first; i <= last; ++i) {
        if (MenuItem* item = getItemAt(i)) {
            item->setRadioSelected(item->isCommand(selected));
        }
    }
}

void PopupMenu::checkRadioAt(int32_t position) {
    checkRadio(position, 0, getEntryCount() - 1);
}

bool PopupMenu::checkRadioById(int32_t commandId) {
    int32_t position = -1;
    if (!indexOfId(commandId, position)) {
        return false;
    }
    checkRadioAt(position);
    return true;
}

bool PopupMenu::checkRadioByData(int32_t data) {
    int32_t position = -1;
    if (!indexOfData(data, position)) {
        return false;
    }
    checkRadioAt(position);
    return true;
}

// --- title and language ---------------------------------------------------------------------

void PopupMenu::setLocalizer(s::lang::Localizer* source) {
    if (source == localizer) {
        return;
    }
    if (localizer != nullptr) {
        localizer->removeListener(this);
    }
    localizer = source;
    if (localizer != nullptr) {
        localizer->addListener(this);
    }
}

const char16_t* PopupMenu::getTitle() {
    if (title == nullptr) {
        return u"";
    }
    if (titleId != -1 && localizer != nullptr) {
        title->assignWcs(localizer->getText(titleId));
    }
    return title->c_str();
}

void PopupMenu::setTitleId(int32_t textId) {
    titleId = textId;
    getTitle();
}

void PopupMenu::setTitle(const char16_t* text) {
    if (title != nullptr) {
        title->assignWcs(text != nullptr ? text : u"");
    }
}

// --- commands -----------------------------------------------------------------------------------

void PopupMenu::addListener(s::gui::events::IEventListener* listener) {
    listeners.add(listener);
}

void PopupMenu::select(int32_t commandId) {
    selectedId = commandId;
    listeners.raise(this, kSelectedEvent);
}

} // namespace s::gui::model
