#include "s/gui/drawer/skin/GiveBack.h"

// Without the Windows toolkit no drawer class exists, so a skin never holds
// a drawer to give back.

namespace s::gui::drawer::skin {

void giveBack(IWindow*) {}
void giveBack(IButton*) {}
void giveBack(IText*) {}
void giveBack(IScrollBar*) {}
void giveBack(ICheckBox*) {}
void giveBack(IRadioButton*) {}
void giveBack(ISlider*) {}
void giveBack(ICounter*) {}
void giveBack(IListHeader*) {}
void giveBack(IListBox*) {}
void giveBack(IStatusBar*) {}
void giveBack(IMenu*) {}
void giveBack(ICombo*) {}
void giveBack(IGroupBox*) {}
void giveBack(ITabBox*) {}

} // namespace s::gui::drawer::skin
