#include "s/gui/menuitem/MenuItem.h"

#include "s/lang/Localizer.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui::menuitem {

using s::str::strbuffer::StrBuffer;

MenuItem::MenuItem() : text(StrBuffer::newInstance()) {
    reset();
}

MenuItem::~MenuItem() {
    if (text != nullptr) {
        text->release();
    }
}

void MenuItem::reset() {
    localizer = nullptr;
    if (text != nullptr) {
        // Idle items keep no text memory.
        text->freeStorage();
    }
    textId = kNone;
    commandId = kNone;
    checked = 0;
    radioSelected = 0;
    separator = 0;
    greyed = 0;
    data = 0;
}

MenuItem* MenuItem::newItem(s::lang::Localizer* localizer, int32_t textId, int32_t commandId,
                            bool checked) {
    MenuItem* item = newInstance();
    if (item != nullptr) {
        item->localizer = localizer;
        item->textId = textId;
        item->commandId = commandId;
        item->setChecked(checked);
        item->applyTextId();
    }
    return item;
}

MenuItem* MenuItem::newText(const char16_t* label, int32_t commandId, bool checked) {
    MenuItem* item = newInstance();
    if (item != nullptr) {
        item->setText(label);
        item->commandId = commandId;
        item->setChecked(checked);
    }
    return item;
}

MenuItem* MenuItem::newSeparator() {
    MenuItem* item = newInstance();
    if (item != nullptr) {
        item->separator = 1;
    }
    return item;
}

const char16_t* MenuItem::getText() const {
    return text != nullptr ? text->c_str() : u"";
}

void MenuItem::setText(const char16_t* label) {
    if (text != nullptr) {
        text->assignWcs(label != nullptr ? label : u"");
    }
}

void MenuItem::applyTextId() {
    if (textId != kNone && localizer != nullptr) {
        setText(localizer->getText(textId));
    }
}

} // namespace s::gui::menuitem
