#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/events/EventSource.h"
#include "s/gui/win/ButtonControl.h"
#include "s/thread/ClassPool.h"

namespace s::gui::drawer {
class IButton;
}

namespace s::gui::win {

// Event codes a button raises (the source is the button).
enum class ButtonEvent : int32_t {
    Clicked = 1, // to the click listeners
    Toggled = 2, // after a click, to the toggle listeners (the state has flipped)
    Pressed = 3, // the left button went down inside it (repeated with auto-repeat)
};

// A push button: the system's push-button control with the button's text.
// Its natural size is the system's ideal size for the text.
//
// With a skin the skin's button drawer paints it (owner-drawn, see
// ButtonControl): framed, in its mouse state (pressed also while the system
// shows it pressed, from the keyboard), enabled or not, toggled or not,
// with the label in the button's font completed from the drawer's styles
// (the disabled font for a disabled button). A label naming a glyph ("#X",
// "#_", ...) is drawn as that glyph. The default button shows a second
// frame line inside the drawer's frame, in the same colour: a thicker frame.
// Without a skin the system's control shows every label as written (a glyph
// name as its text).
//
// A click raises 1, then flips a toggle button's state (unless it is toggled
// and may not be released), then raises 2. A double click counts as a press
// and a click. Pressing raises 3; with auto-repeat, holding the button inside
// raises 3 again after 500 ms and then every 100 ms. The button keeps a mouse
// state for drawers: 0 normal, 1 under the mouse (it holds the mouse capture
// to notice the mouse leaving), 2 held down inside. makeDefault and
// makeNormal switch the default-button frame.
//
// Threads and ownership: configured on any one thread, then used on its
// window's thread once attached; its container owns it once added; events
// arrive on the window's thread. The localizer is borrowed.
class Button : public ButtonControl {
    S_POOLED_CLASS_LIMIT(Button, u"s_gui_win_Button", 0)
public:
    static constexpr int32_t kControlId = 1000;
    // Native timers of auto-repeat: the first delay, then the repetition.
    static constexpr UINT_PTR kRepeatDelayTimer = 20001;
    static constexpr UINT_PTR kRepeatTimer = 20002;
    static constexpr UINT kRepeatDelayMs = 500;
    static constexpr UINT kRepeatMs = 100;

    void reset() override;

    void makeDefault();
    void makeNormal();
    bool isDefault() const { return defaultButton; }

    // A toggle button flips its state on every click; `releasable` off keeps
    // it toggled once it is.
    void setToggle(bool on, bool releasable = true);
    bool isToggled() const { return toggled; }
    void setToggled(bool on);

    void setAutoRepeat(bool on) { autoRepeat = on; }
    void addClickListener(s::gui::events::IEventListener* listener);
    void addToggleListener(s::gui::events::IEventListener* listener);
    void addPressListener(s::gui::events::IEventListener* listener);

    // 0 normal, 1 under the mouse, 2 pressed.
    int32_t getMouseState() const { return mouseState; }
    bool isButton() const override { return true; }
    void applySkin(s::gui::drawer::ISkin* skin) override;
    // The skin's button drawer that paints the button (lent), or null.
    s::gui::drawer::IButton* getDrawer() const { return drawer; }

protected:
    DWORD controlStyle() const override;
    bool isOwnerDrawn() const override { return drawer != nullptr; }
    void drawSkinned(HDC dc, int32_t width, int32_t height, UINT itemState) override;
    bool handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam,
                                LPARAM lParam) override;

private:
    Button();
    ~Button() override;

    void onClick();
    void onPress();
    void onRepeatTimer(UINT_PTR timer);
    void stopRepeat();
    void onMouseMove(WPARAM wParam, LPARAM lParam);
    void setMouseState(int32_t state);
    bool isCursorInside() const;
    void drawDefaultFrame(HDC dc, int32_t width, int32_t height) const;

    bool defaultButton = false;
    bool toggle = false;
    bool releasable = true;
    bool toggled = false;
    bool autoRepeat = false;
    int32_t mouseState = 0;
    s::gui::drawer::IButton* drawer = nullptr;
    s::gui::events::EventSource clickListeners;
    s::gui::events::EventSource toggleListeners;
    s::gui::events::EventSource pressListeners;
};

} // namespace s::gui::win
