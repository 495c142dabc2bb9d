#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/model/Leaf.h"
#include "s/gui/win/NativeComponent.h"
#include "s/gui/win/OffscreenBuffer.h"
#include "s/gui/win/SkinFonts.h"
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
// With a skin the control is owner-drawn: the subclass switches its style
// to BS_OWNERDRAW (controlStyle) and the system asks for every paint with
// WM_DRAWITEM, which the parent reflects back here (kDrawItem); the control
// then paints through an off-screen buffer: the parent's background, then
// the subclass's drawer (drawSkinned). Clicks, the keyboard and focus stay
// the system control's. Without a skin it is the system's control again.
//
// Threads and ownership: configured on any one thread, then used on its
// window's thread once attached (skins arrive there too); its container
// owns it once added. The localizer and the skin's drawers are borrowed;
// the fonts and the text are the control's own.
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
    // The font of the disabled label when a skin draws it (completed from
    // the drawer's disabled style).
    Font* getDisabledFont() const { return disabledFont; }

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
    virtual void measure();
    // After the skin changed (the subclass took its drawer and completed
    // the fonts): the control takes the font, its style and its text again,
    // measures itself and repaints.
    void skinChanged();
    // Puts the skin's drawer in place of the one the control holds (null:
    // the system's control) and completes both fonts from it. Without a
    // drawer before or after nothing changes, so a control never skinned
    // keeps its style untouched.
    template <class Drawer> void switchDrawer(Drawer*& held, Drawer* given) {
        if (given == nullptr && held == nullptr) {
            return;
        }
        held = given;
        if (held != nullptr) {
            matchDisabledFont();
            SkinFonts::complete(*held, font, disabledFont);
        }
        skinChanged();
    }
    // The disabled font takes the normal font's size code before both are
    // completed from a drawer's styles.
    void matchDisabledFont();
    // Owner-drawn only: draws the control over (0, 0, width, height) of the
    // buffer's context, on top of the parent's background. `itemState`: the
    // system's ODS_ bits of this paint.
    virtual void drawSkinned(HDC dc, int32_t width, int32_t height, UINT itemState) {}
    // Whether the control is owner-drawn now (a skin's drawer paints it).
    virtual bool isOwnerDrawn() const { return false; }
    // The system control after a style switch; the check box sets its mark.
    virtual void afterStyleSwitch() {}

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
    void onDrawItem(const DRAWITEMSTRUCT& item);

    const int32_t controlId;
    const Room room;
    Font* font = nullptr;
    Font* disabledFont = nullptr;
    OffscreenBuffer skinBuffer;
    s::str::strbuffer::StrBuffer* text = nullptr;
    s::lang::TextById textById;
};

} // namespace s::gui::win
