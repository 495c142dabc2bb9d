#pragma once
#include <cstdint>

#include "s/base/IObject.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::lang {
class Localizer;
}
namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::gui::menuitem {

// One entry of a popup menu: a command with its label, check mark and radio
// mark, or a separator line. The label is either fixed or, with a text id,
// looked up in the item's localizer, so that the menu can label it again when
// the language changes.
//
// Ownership: taken from the pool by whoever builds a menu and handed to the
// menu (append, insert), which owns it from then on and gives it back when it
// removes it or is reset. The localizer is borrowed. An item is used on the
// thread of its menu only.
class MenuItem final : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(MenuItem, u"s_gui_menuitem_MenuItem")
public:
    // Text id and command id of an item that has none.
    static constexpr int32_t kNone = -1;

    void reset() override;

    // A new item (owned by the caller) labelled by the text of `textId` in
    // the localizer's current language; null when out of memory.
    static MenuItem* newItem(s::lang::Localizer* localizer, int32_t textId, int32_t commandId,
                             bool checked);
    // A new item with a fixed label.
    static MenuItem* newText(const char16_t* text, int32_t commandId, bool checked);
    static MenuItem* newSeparator();

    s::lang::Localizer* getLocalizer() const { return localizer; }
    void setLocalizer(s::lang::Localizer* source) { localizer = source; }
    // The label; never null.
    const char16_t* getText() const;
    void setText(const char16_t* label);
    int32_t getTextId() const { return textId; }
    void setTextId(int32_t id) { textId = id; }
    // Takes the label from the text id again; an item without a text id or
    // without a localizer keeps its label.
    void applyTextId();

    int32_t getCommandId() const { return commandId; }
    void setCommandId(int32_t id) { commandId = id; }
    bool isChecked() const { return checked != 0; }
    void setChecked(bool on) { checked = on ? 1 : 0; }
    bool isRadioSelected() const { return radioSelected != 0; }
    void setRadioSelected(bool on) { radioSelected = on ? 1 : 0; }
    bool isSeparator() const { return separator != 0; }
    void setSeparator(bool on) { separator = on ? 1 : 0; }
    bool isGreyed() const { return greyed != 0; }
    void setGreyed(bool on) { greyed = on ? 1 : 0; }
    int32_t getData() const { return data; }
    void setData(int32_t value) { data = value; }

    // A command item (not a separator) with this command id.
    bool isCommand(int32_t id) const { return separator == 0 && id != kNone && commandId == id; }

private:
    MenuItem();
    ~MenuItem() override;

    s::lang::Localizer* localizer = nullptr;
    // Owned for the item's whole life; reset() frees its storage.
    s::str::strbuffer::StrBuffer* text = nullptr;
    int32_t textId = kNone;
    int32_t commandId = kNone;
    uint8_t checked = 0;
    uint8_t radioSelected = 0;
    uint8_t separator = 0;
    // Greyed out and not selectable.
    uint8_t greyed = 0;
    // A client value to find the item by.
    int32_t data = 0;
};

} // namespace s::gui::menuitem
