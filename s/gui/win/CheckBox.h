#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/events/EventSource.h"
#include "s/gui/win/ButtonControl.h"
#include "s/thread/ClassPool.h"

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::gui::drawer {
class ICheckBox;
}

namespace s::gui::win {

// Event codes a check box raises (the source is the check box).
enum class CheckBoxEvent : int32_t {
    Checked = 1,   // it became checked
    Unchecked = 2, // it became unchecked
};

// A check box: the system's automatic check-box control, toggled by a click
// or the space bar. Its text is shown as written: every "&" is doubled for
// the control, so none underlines the letter after it. With word wrap the
// control breaks its text into lines.
//
// Changing the state, by the user or by setChecked, raises 1 when it became
// checked and 2 when it became unchecked; setting the state it already has
// raises nothing.
//
// With a skin the skin's check box drawer paints it (owner-drawn, see
// ButtonControl): the box (the design size of the system's check mark,
// scaled for the display), the mark when checked, and the label in the
// check box's font completed from the drawer's styles; its sizes are the
// drawer's layout measure. The state is then the check box's own: a click
// or the space bar flips it, with the same events.
//
// Threads and ownership: configured on any one thread, then used on its
// window's thread once attached; its container owns it once added; events
// arrive on the window's thread (or on the thread calling setChecked before
// it is attached). The localizer is borrowed.
class CheckBox : public ButtonControl {
    S_POOLED_CLASS_LIMIT(CheckBox, u"s_gui_win_CheckBox", 0)
public:
    static constexpr int32_t kControlId = 1003;

    void reset() override;

    // getText gives the text as given (ampersands single).
    // Takes effect when the native part is made (attach).
    void setWordWrap(bool on);

    void setChecked(bool on);
    bool isChecked() const { return checked; }
    void addCheckedListener(s::gui::events::IEventListener* listener);
    void addUncheckedListener(s::gui::events::IEventListener* listener);

    void applySkin(s::gui::drawer::ISkin* skin) override;
    // The skin's check box drawer that paints it (lent), or null.
    s::gui::drawer::ICheckBox* getDrawer() const { return drawer; }
    // The side of the box a drawer paints, in pixels.
    static int32_t boxSide();

protected:
    DWORD controlStyle() const override;
    void measure() override;
    bool isOwnerDrawn() const override { return drawer != nullptr; }
    void drawSkinned(HDC dc, int32_t width, int32_t height, UINT itemState) override;
    void afterStyleSwitch() override;
    const char16_t* shownText() const override;
    void textChanged() override;
    void afterCreate() override;
    bool handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam,
                                LPARAM lParam) override;

private:
    CheckBox();
    ~CheckBox() override;

    // Records the state and tells the listeners when it changed.
    void changeState(bool on);

    // The text as the control gets it: ampersands doubled.
    s::str::strbuffer::StrBuffer* shown = nullptr;
    bool wordWrap = false;
    bool checked = false;
    s::gui::drawer::ICheckBox* drawer = nullptr;
    s::gui::events::EventSource checkedListeners;
    s::gui::events::EventSource uncheckedListeners;
};

} // namespace s::gui::win
