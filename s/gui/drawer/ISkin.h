#pragma once
#include "s/base/IObject.h"

namespace s::gui::drawer {

class IWindow;
// The drawers of the other kinds of controls. Only their names are needed
// here: a skin hands them out, and each control that paints with one knows
// its own interface.
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

// One complete look: a scheme name and one drawer per kind of control, all
// configured with the scheme's colours. The skin owns its drawers: a setter
// takes over the drawer it is given (and gives back the one it replaces);
// giving the skin back releases them all. The getters lend the drawer, which
// stays valid while the skin lives.
//
// A skin belongs to its skinner, which gives it back; it is configured once
// and then only read, from any window's thread.
class ISkin : public s::base::IObject {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_ISkin";

    // Gives the skin (and its drawers) back to its pool.
    virtual void release() = 0;

    // The scheme name, for example "White"; never null.
    virtual const char16_t* getName() const = 0;
    virtual void setName(const char16_t* name) = 0;

    virtual IWindow* getWindowDrawer() const = 0;
    virtual void setWindowDrawer(IWindow* drawer) = 0;
    virtual IButton* getButtonDrawer() const = 0;
    virtual void setButtonDrawer(IButton* drawer) = 0;
    virtual IText* getTextDrawer() const = 0;
    virtual void setTextDrawer(IText* drawer) = 0;
    virtual IScrollBar* getScrollBarDrawer() const = 0;
    virtual void setScrollBarDrawer(IScrollBar* drawer) = 0;
    virtual ICheckBox* getCheckBoxDrawer() const = 0;
    virtual void setCheckBoxDrawer(ICheckBox* drawer) = 0;
    virtual IRadioButton* getRadioButtonDrawer() const = 0;
    virtual void setRadioButtonDrawer(IRadioButton* drawer) = 0;
    virtual ISlider* getSliderDrawer() const = 0;
    virtual void setSliderDrawer(ISlider* drawer) = 0;
    virtual ICounter* getCounterDrawer() const = 0;
    virtual void setCounterDrawer(ICounter* drawer) = 0;
    virtual IListHeader* getListHeaderDrawer() const = 0;
    virtual void setListHeaderDrawer(IListHeader* drawer) = 0;
    virtual IListBox* getListBoxDrawer() const = 0;
    virtual void setListBoxDrawer(IListBox* drawer) = 0;
    virtual IStatusBar* getStatusBarDrawer() const = 0;
    virtual void setStatusBarDrawer(IStatusBar* drawer) = 0;
    virtual IMenu* getMenuDrawer() const = 0;
    virtual void setMenuDrawer(IMenu* drawer) = 0;
    virtual ICombo* getComboDrawer() const = 0;
    virtual void setComboDrawer(ICombo* drawer) = 0;
    virtual IGroupBox* getGroupBoxDrawer() const = 0;
    virtual void setGroupBoxDrawer(IGroupBox* drawer) = 0;
    virtual ITabBox* getTabBoxDrawer() const = 0;
    virtual void setTabBoxDrawer(ITabBox* drawer) = 0;
};

} // namespace s::gui::drawer
