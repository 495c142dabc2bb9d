#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/model/Leaf.h"
#include "s/gui/win/NativeComponent.h"
#include "s/lang/TextById.h"

namespace s::lang {
class Localizer;
}
namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::gui::win {

class Font;

// What the system's "BUTTON"-class controls (push button, check box) share:
// the text, set directly or by id through the localizer the window hands
// down, the font, the natural size the system gives for the text (see
// ControlSize), and wheel turns outside the control passed on to its
// window. Subclasses give the control's style, id and room around the text,
// and may show the text changed (shownText).
//
// Threads and ownership: configured on any one thread, then used on its
// window's thread once attached; its container owns it once added. The
// localizer is borrowed; the font and the text are the control's own.
class ButtonControl : public s::gui::model::Leaf, public NativeComponent {
public:
    void setText(const char16_t* text);
    // The localizer's text for the id, or the empty text without one.
    void setTextId(int32_t id);
    void setLocalizer(s::lang::Localizer* localizer);
    void localize(s::lang::Localizer* windowLocalizer) override { setLocalizer(windowLocalizer); }
    // The text as given.
    const char16_t* getText() const;
    Font* getFont() const { return font; }

protected:
    // The room the system's control needs around its text when it gives no
    // ideal size (design pixels, see ControlSize::natural).
    struct Room {
        int32_t extraWidth;
        int32_t extraHeight;
        int32_t minimumHeight;
    };

    ButtonControl(int32_t controlId, Room room);
    ~ButtonControl() override;

    // Subclasses call it first in their reset, then reset their own state
    // and measure.
    void resetControl();
    // The control's own style bits, next to the child, tab-stop and notify
    // bits every one has.
    virtual DWORD controlStyle() const = 0;
    // The text as the control shows it; the text as given by default.
    virtual const char16_t* shownText() const;
    // After the text changed, before the control gets it.
    virtual void textChanged() {}
    void measure();

    s::gui::IComponent& component() override { return *this; }
    const s::gui::IComponent& component() const override { return *this; }
    bool createNative(HWND parent) override;
    void afterCreate() override;
    void placed(const s::gui::layout::Rect& inParent) override { placeNative(inParent); }
    void visibilityChanged() override { showNative(); }
    void enablingChanged() override { enableNative(); }
    // Takes the wheel; subclasses pass what they do not handle here.
    bool handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam,
                                LPARAM lParam) override;

private:
    void applyText(const char16_t* text);
    void resolveTextId();
    void onWheel(WPARAM wParam, LPARAM lParam);

    const int32_t controlId;
    const Room room;
    Font* font = nullptr;
    s::str::strbuffer::StrBuffer* text = nullptr;
    s::lang::TextById textById;
};

} // namespace s::gui::win
