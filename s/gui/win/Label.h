#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/events/EventSource.h"
#include "s/gui/model/Leaf.h"
#include "s/gui/text/TextExtents.h"
#include "s/gui/win/NativeComponent.h"
#include "s/gui/win/OffscreenBuffer.h"
#include "s/lang/TextById.h"
#include "s/thread/ClassPool.h"

namespace s::lang {
class Localizer;
}
namespace s::str::strbuffer {
class StrBuffer;
}
namespace s::gui::drawer {
class IText;
}
namespace s::gui::drawer::text::win {
class Basic;
}

namespace s::gui::win {

class Font;

// Event codes a label raises (the source is the label).
enum class LabelEvent : int32_t {
    Clicked = 1, // a link label was clicked (after its target was opened)
};

// A line (or, with word wrap, lines) of text, or a link.
//
// Sizes: exactly what its text drawer measures for the text in its normal
// font; with word wrap it may narrow down to the widest word, with end
// ellipsis to one pixel. Whenever the text, the font or a switch changes the
// label measures itself again, asks its container to lay out again and
// repaints.
//
// Fonts: normal, disabled, link, link under the mouse, link pressed, each
// completed from the drawer's style of the same rank, so that by default
// disabled text is grey and links are underlined green (olive under the
// mouse and while pressed). A disabled label draws with the disabled font; a
// link with the link font by mouse state; else the normal font. With a skin
// the fonts are completed from the skin's text drawer instead (its colours:
// the scheme's text colour); what the label set itself stays. Without one
// they are completed from the label's own drawer again.
//
// A label that is not a link is transparent to hit tests: clicks fall
// through to what lies behind it. A link tracks the mouse (it captures it
// while the mouse is over it, to notice when it leaves), and a release of the
// left button over it opens its target, when one is set, with the shell's
// "open" verb, then raises code 1.
//
// Painting goes through an off-screen buffer: the parent's pixels behind the
// label (or its background colour when it is not transparent), then the text.
//
// Threads and ownership: taken from its pool and configured on any one
// thread; once attached, the label belongs to its window's thread, except
// setText and flashText, which may be called from any thread (they are sent
// to the label's own window). Its container owns it once it is added. The
// fonts and the text drawer are the label's own; the localizer is borrowed.
class Label : public s::gui::model::Leaf, public NativeComponent {
    S_POOLED_CLASS_LIMIT(Label, u"s_gui_win_Label", 0)
public:
    // Private messages to the label's own window.
    static constexpr UINT kSetText = WM_USER + 4097;   // wParam: text; lParam: repaint
    static constexpr UINT kFlashText = WM_USER + 4098; // wParam: text; lParam: duration in ms
    // The native timer that ends a flash.
    static constexpr UINT_PTR kFlashTimer = 100;

    void reset() override;

    // Any thread: the text shown (null shows nothing).
    void setText(const char16_t* text, bool repaint = true);
    // The localizer's text for the id, or the empty text without a
    // localizer; taken again when a localizer is set later.
    void setTextId(int32_t id);
    // Borrowed; the label's window hands its localizer down.
    void setLocalizer(s::lang::Localizer* localizer);
    void localize(s::lang::Localizer* windowLocalizer) override { setLocalizer(windowLocalizer); }
    // The label's thread: the text shown now (a flash included). Valid until
    // the next change.
    const char16_t* getText() const;

    void setWordWrap(bool on);
    void setEllipsis(bool on);
    // Size code for all five fonts (see FontSize).
    void setFontSize(int32_t code);
    // Colour of the normal text.
    void setTextColor(uint8_t red, uint8_t green, uint8_t blue);
    // An opaque background instead of the parent's pixels.
    void setBackground(uint8_t red, uint8_t green, uint8_t blue);
    void setTransparent();

    void setLink(bool on);
    bool isLink() const { return link; }
    // The address opened by a click; empty opens nothing.
    void setLinkTarget(const char16_t* target);

    Font* getFont() const { return fonts[kNormal]; }
    Font* getDisabledFont() const { return fonts[kDisabled]; }
    Font* getLinkFont() const { return fonts[kLink]; }
    Font* getHoverFont() const { return fonts[kHover]; }
    Font* getPressedFont() const { return fonts[kPressed]; }

    // Any thread, attached labels only: shows `text` for `durationMs`, then
    // the text it replaced (a flash during a flash keeps the first one's
    // text to come back to).
    void flashText(const char16_t* text, int32_t durationMs);

    void addListener(s::gui::events::IEventListener* listener);

    // 0 normal, 1 under the mouse, 2 pressed (links only).
    int32_t getMouseState() const { return mouseState; }

    s::gui::layout::SizeRange getSizeRange() const override;

    // NativeComponent: the skin's text drawer completes the fonts.
    void applySkin(s::gui::drawer::ISkin* skin) override;

protected:
    s::gui::IComponent& component() override { return *this; }
    const s::gui::IComponent& component() const override { return *this; }
    DWORD nativeExStyle() const override { return WS_EX_TRANSPARENT; }
    void afterCreate() override;
    void placed(const s::gui::layout::Rect& inParent) override;
    void visibilityChanged() override { showNative(); }
    void enablingChanged() override;
    bool handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam,
                                LPARAM lParam) override;

private:
    // Ranks of the five fonts, as the drawer's styles.
    static constexpr int32_t kNormal = 0;
    static constexpr int32_t kDisabled = 1;
    static constexpr int32_t kLink = 2;
    static constexpr int32_t kHover = 3;
    static constexpr int32_t kPressed = 4;
    static constexpr int32_t kFontCount = 5;

    Label();
    ~Label() override;

    // Shows `text` on the label's thread (sent there when attached).
    void showText(const char16_t* text, bool repaint);
    // On the label's thread.
    void applyText(const char16_t* text, bool repaint);
    void startFlash(const char16_t* text, UINT durationMs);
    void endFlash();
    void resolveTextId();
    // Completes the five fonts from the skin's text drawer, or from the
    // label's own without a skin.
    void completeFonts();
    // Measures again; lays out the container again when the sizes changed.
    void remeasure();
    void invalidate();
    Font& paintFont() const;
    // Draws the whole label into `target` at (0, 0).
    void paintInto(HDC target) override;
    void paintBackground(HDC dc, int32_t width, int32_t height);
    void onMouseMove(LPARAM lParam);
    void onLeftDown();
    void onLeftUp(LPARAM lParam);
    void onCaptureLost();
    void setMouseState(int32_t state);
    bool isInside(LPARAM lParam) const;

    Font* fonts[kFontCount] = {};
    // Kept across paints (see OffscreenBuffer).
    OffscreenBuffer buffer;
    s::gui::drawer::text::win::Basic* drawer = nullptr;
    // The skin's text drawer (lent), or null: the label's fonts follow its
    // styles.
    s::gui::drawer::IText* skinText = nullptr;
    s::str::strbuffer::StrBuffer* text = nullptr;
    s::str::strbuffer::StrBuffer* linkTarget = nullptr;
    // The text a running flash gives back.
    s::str::strbuffer::StrBuffer* flashSaved = nullptr;
    bool flashing = false;
    s::lang::TextById textById;
    s::gui::text::TextExtents extents;
    bool link = false;
    bool transparent = true;
    COLORREF background = 0;
    int32_t mouseState = 0;
    bool pressing = false;
    s::gui::events::EventSource listeners;
};

} // namespace s::gui::win
