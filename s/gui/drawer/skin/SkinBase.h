#pragma once
#include "s/gui/drawer/ISkin.h"
#include "s/thread/IPoolable.h"

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::gui::drawer::skin {

// What every skin class holds: the scheme name and the fifteen drawers of
// the scheme, one per kind (window, button, text, scroll bar, check box,
// radio button, slider, counter, list header, list box, status bar, menu,
// combo box, group box, tab box). The families' classes differ only in how
// their schemes are built.
//
// Ownership: the skin owns its drawers. A setter takes over the drawer it is
// given and gives back the one it replaces (setting the drawer it already
// holds changes nothing); reset() gives back every drawer and clears the
// name. A kind whose drawer was never set is null: windows and controls then
// draw that kind natively.
//
// Threads: a skin is configured on one thread while its scheme is built and
// is only read afterwards, from any window's thread; it takes no lock.
class SkinBase : public s::gui::drawer::ISkin, public s::thread::IPoolable {
public:
    void reset() override;

    const char16_t* getName() const override;
    void setName(const char16_t* text) override;

    IWindow* getWindowDrawer() const override { return window; }
    void setWindowDrawer(IWindow* drawer) override;
    IButton* getButtonDrawer() const override { return button; }
    void setButtonDrawer(IButton* drawer) override;
    IText* getTextDrawer() const override { return text; }
    void setTextDrawer(IText* drawer) override;
    IScrollBar* getScrollBarDrawer() const override { return scrollBar; }
    void setScrollBarDrawer(IScrollBar* drawer) override;
    ICheckBox* getCheckBoxDrawer() const override { return checkBox; }
    void setCheckBoxDrawer(ICheckBox* drawer) override;
    IRadioButton* getRadioButtonDrawer() const override { return radioButton; }
    void setRadioButtonDrawer(IRadioButton* drawer) override;
    ISlider* getSliderDrawer() const override { return slider; }
    void setSliderDrawer(ISlider* drawer) override;
    ICounter* getCounterDrawer() const override { return counter; }
    void setCounterDrawer(ICounter* drawer) override;
    IListHeader* getListHeaderDrawer() const override { return listHeader; }
    void setListHeaderDrawer(IListHeader* drawer) override;
    IListBox* getListBoxDrawer() const override { return listBox; }
    void setListBoxDrawer(IListBox* drawer) override;
    IStatusBar* getStatusBarDrawer() const override { return statusBar; }
    void setStatusBarDrawer(IStatusBar* drawer) override;
    IMenu* getMenuDrawer() const override { return menu; }
    void setMenuDrawer(IMenu* drawer) override;
    ICombo* getComboDrawer() const override { return combo; }
    void setComboDrawer(ICombo* drawer) override;
    IGroupBox* getGroupBoxDrawer() const override { return groupBox; }
    void setGroupBoxDrawer(IGroupBox* drawer) override;
    ITabBox* getTabBoxDrawer() const override { return tabBox; }
    void setTabBoxDrawer(ITabBox* drawer) override;

protected:
    // The derived class's constructor ends with reset().
    SkinBase();
    ~SkinBase() override;

private:
    void giveBackDrawers();

    s::str::strbuffer::StrBuffer* name = nullptr;
    IWindow* window = nullptr;
    IButton* button = nullptr;
    IText* text = nullptr;
    IScrollBar* scrollBar = nullptr;
    ICheckBox* checkBox = nullptr;
    IRadioButton* radioButton = nullptr;
    ISlider* slider = nullptr;
    ICounter* counter = nullptr;
    IListHeader* listHeader = nullptr;
    IListBox* listBox = nullptr;
    IStatusBar* statusBar = nullptr;
    IMenu* menu = nullptr;
    ICombo* combo = nullptr;
    IGroupBox* groupBox = nullptr;
    ITabBox* tabBox = nullptr;
};

} // namespace s::gui::drawer::skin
