#include "s/gui/drawer/skin/GiveBack.h"

#include "s/gui/drawer/IButton.h"
#include "s/gui/drawer/ICheckBox.h"
#include "s/gui/drawer/ICombo.h"
#include "s/gui/drawer/ICounter.h"
#include "s/gui/drawer/IGroupBox.h"
#include "s/gui/drawer/IListBox.h"
#include "s/gui/drawer/IListHeader.h"
#include "s/gui/drawer/IMenu.h"
#include "s/gui/drawer/IRadioButton.h"
#include "s/gui/drawer/IScrollBar.h"
#include "s/gui/drawer/ISlider.h"
#include "s/gui/drawer/IStatusBar.h"
#include "s/gui/drawer/ITabBox.h"
#include "s/gui/drawer/IText.h"
#include "s/gui/drawer/IWindow.h"

namespace s::gui::drawer::skin {

namespace {

void giveBackDrawer(IDrawer* drawer) {
    if (drawer != nullptr) {
        drawer->release();
    }
}

} // namespace

void giveBack(IWindow* drawer) {
    giveBackDrawer(drawer);
}

void giveBack(IButton* drawer) {
    giveBackDrawer(drawer);
}

void giveBack(IText* drawer) {
    giveBackDrawer(drawer);
}

void giveBack(ICheckBox* drawer) {
    giveBackDrawer(drawer);
}

void giveBack(IScrollBar* drawer) {
    giveBackDrawer(drawer);
}

void giveBack(IRadioButton* drawer) {
    giveBackDrawer(drawer);
}

void giveBack(ISlider* drawer) {
    giveBackDrawer(drawer);
}

void giveBack(IListHeader* drawer) {
    giveBackDrawer(drawer);
}

void giveBack(IMenu* drawer) {
    giveBackDrawer(drawer);
}

void giveBack(ICombo* drawer) {
    giveBackDrawer(drawer);
}

void giveBack(ICounter* drawer) {
    giveBackDrawer(drawer);
}

void giveBack(IListBox* drawer) {
    giveBackDrawer(drawer);
}

void giveBack(IStatusBar* drawer) {
    giveBackDrawer(drawer);
}

void giveBack(IGroupBox* drawer) {
    giveBackDrawer(drawer);
}

void giveBack(ITabBox* drawer) {
    giveBackDrawer(drawer);
}

} // namespace s::gui::drawer::skin
