#include "s/gui/drawer/skin/SkinBase.h"

#include "s/gui/drawer/skin/GiveBack.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui::drawer::skin {

namespace {

// Stores `given` in `slot`, giving back what the slot held unless it is the
// same drawer.
template <class Kind> void replace(Kind*& slot, Kind* given) {
    if (slot != given) {
        giveBack(slot);
        slot = given;
    }
}

} // namespace

SkinBase::SkinBase() {
    name = s::str::strbuffer::StrBuffer::newInstance();
}

SkinBase::~SkinBase() {
    giveBackDrawers();
    if (name != nullptr) {
        name->release();
    }
}

void SkinBase::reset() {
    giveBackDrawers();
    if (name != nullptr) {
        name->clear();
    }
}

void SkinBase::giveBackDrawers() {
    replace<IWindow>(window, nullptr);
    replace<IButton>(button, nullptr);
    replace<IText>(text, nullptr);
    replace<IScrollBar>(scrollBar, nullptr);
    replace<ICheckBox>(checkBox, nullptr);
    replace<IRadioButton>(radioButton, nullptr);
    replace<ISlider>(slider, nullptr);
    replace<ICounter>(counter, nullptr);
    replace<IListHeader>(listHeader, nullptr);
    replace<IListBox>(listBox, nullptr);
    replace<IStatusBar>(statusBar, nullptr);
    replace<IMenu>(menu, nullptr);
    replace<ICombo>(combo, nullptr);
    replace<IGroupBox>(groupBox, nullptr);
    replace<ITabBox>(tabBox, nullptr);
}

const char16_t* SkinBase::getName() const {
    return name != nullptr ? name->c_str() : u"";
}

void SkinBase::setName(const char16_t* given) {
    if (name == nullptr) {
        return;
    }
    name->clear();
    if (given != nullptr) {
        name->appendWcs(given);
    }
}

void SkinBase::setWindowDrawer(IWindow* drawer) {
    replace(window, drawer);
}

void SkinBase::setButtonDrawer(IButton* drawer) {
    replace(button, drawer);
}

void SkinBase::setTextDrawer(IText* drawer) {
    replace(text, drawer);
}

void SkinBase::setScrollBarDrawer(IScrollBar* drawer) {
    replace(scrollBar, drawer);
}

void SkinBase::setCheckBoxDrawer(ICheckBox* drawer) {
    replace(checkBox, drawer);
}

void SkinBase::setRadioButtonDrawer(IRadioButton* drawer) {
    replace(radioButton, drawer);
}

void SkinBase::setSliderDrawer(ISlider* drawer) {
    replace(slider, drawer);
}

void SkinBase::setCounterDrawer(ICounter* drawer) {
    replace(counter, drawer);
}

void SkinBase::setListHeaderDrawer(IListHeader* drawer) {
    replace(listHeader, drawer);
}

void SkinBase::setListBoxDrawer(IListBox* drawer) {
    replace(listBox, drawer);
}

void SkinBase::setStatusBarDrawer(IStatusBar* drawer) {
    replace(statusBar, drawer);
}

void SkinBase::setMenuDrawer(IMenu* drawer) {
    replace(menu, drawer);
}

void SkinBase::setComboDrawer(ICombo* drawer) {
    replace(combo, drawer);
}

void SkinBase::setGroupBoxDrawer(IGroupBox* drawer) {
    replace(groupBox, drawer);
}

void SkinBase::setTabBoxDrawer(ITabBox* drawer) {
    replace(tabBox, drawer);
}

} // namespace s::gui::drawer::skin
