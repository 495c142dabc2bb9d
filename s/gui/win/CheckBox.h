#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/events/EventSource.h"
#include "s/gui/model/Leaf.h"
#include "s/gui/win/NativeComponent.h"
#include "s/thread/ClassPool.h"

namespace s::lang {
class Localizer;
}
namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::gui::win {

class Font;

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
// Threads and ownership: configured on any one thread, then used on its
// window's thread once attached; its container owns it once added; events
// arrive on the window's thread (or on the thread calling setChecked before
// it is attached). The localizer is borrowed.
class CheckBox : public s::gui::model::Leaf, public NativeComponent {
    S_POOLED_CLASS_LIMIT(CheckBox, u"s_gui_win_CheckBox", 0)
public:
    static constexpr int32_t kControlId = 1003;

    void reset() override;

    void setText(const char16_t* text);
    // The localizer's text for the id, or the empty text without one.
    void setTextId(int32_t id);
    void setLocalizer(s::lang::Localizer* localizer);
    void localize(s::lang::Localizer* windowLocalizer) override { setLocalizer(windowLocalizer); }
    // The text as given (ampersands single).
    const char16_t* getText() const;
    // Takes effect when the native part is made (attach).
    void setWordWrap(bool on);

    void setChecked(bool on);
    bool isChecked() const { return checked; }
    void addCheckedListener(s::gui::events::IEventListener* listener);
    void addUncheckedListener(s::gui::events::IEventListener* listener);
    Font* getFont() const { return font; }

protected:
    s::gui::IComponent& component() override { return *this; }
    const s::gui::IComponent& component() const override { return *this; }
    bool createNative(HWND parent) override;
    void afterCreate() override;
    void placed(const s::gui::layout::Rect& inParent) override { placeNative(inParent); }
    void visibilityChanged() override { showNative(); }
    void enablingChanged() override { enableNative(); }
    bool handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam,
                                LPARAM lParam) override;

private:
    CheckBox();
    ~CheckBox() override;

    void applyText(const char16_t* text);
    void resolveTextId();
    void measure();
    // Records the state and tells the listeners when it changed.
    void changeState(bool on);
    void onWheel(WPARAM wParam, LPARAM lParam);

    Font* font = nullptr;
    s::str::strbuffer::StrBuffer* text = nullptr;
    // The text as the control gets it: ampersands doubled.
    s::str::strbuffer::StrBuffer* shown = nullptr;
    int32_t textId = -1;
    s::lang::Localizer* localizer = nullptr;
    bool wordWrap = false;
    bool checked = false;
    s::gui::events::EventSource checkedListeners;
    s::gui::events::EventSource uncheckedListeners;
};

} // namespace s::gui::win
