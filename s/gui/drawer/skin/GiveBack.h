#pragma once

namespace s::gui::drawer {
class IWindow;
class IButton;
class IText;
class IScrollBar;
class ICheckBox;
class IRadioButton;
class ISlider;
class ICounter;
class IListHeader;
class IListBox;
class IStatusBar;
class IMenu;
class ICombo;
class IGroupBox;
class ITabBox;
} // namespace s::gui::drawer

namespace s::gui::drawer::skin {

// Gives a skin's drawer back to its pool; null is ignored. The drawer
// interfaces are types of the platform's window toolkit, so giving one back
// is a platform need: on a system without that toolkit no drawer exists and
// the skins only ever hold null.
void giveBack(IWindow* drawer);
void giveBack(IButton* drawer);
void giveBack(IText* drawer);
void giveBack(IScrollBar* drawer);
void giveBack(ICheckBox* drawer);
void giveBack(IRadioButton* drawer);
void giveBack(ISlider* drawer);
void giveBack(ICounter* drawer);
void giveBack(IListHeader* drawer);
void giveBack(IListBox* drawer);
void giveBack(IStatusBar* drawer);
void giveBack(IMenu* drawer);
void giveBack(ICombo* drawer);
void giveBack(IGroupBox* drawer);
void giveBack(ITabBox* drawer);

} // namespace s::gui::drawer::skin
