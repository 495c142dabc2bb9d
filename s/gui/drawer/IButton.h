#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"
#include "s/gui/text/FontDescription.h"

namespace s::gui::win {
class Font;
class FontSetting;
} // namespace s::gui::win

namespace s::gui::drawer {

// Paints push buttons in every state, the caption buttons of a window and
// the arrows and thumbs of scroll bars included. A label beginning with "#"
// names a glyph (for example "#X", "#_", "#Down"): the drawer paints that
// symbol instead of text.
//
// States: 0 normal, 1 under the mouse, 2 pressed. A toggled button swaps 1
// and 2 and is filled behind its label.
//
// Owned by a skin or by the drawer that paints with it; no lock (see
// IDrawer).
class IButton : public IDrawer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_IButton";

    // Paints the button over the rectangle (right and bottom exclusive);
    // nothing for an empty or inverted one. `style` is the label's font (its
    // colour included), or null: then a text label is not drawn. `framed`
    // shows the frame in every state; `openBottom` gives an unframed button
    // a frame without bottom edge (or, toggled, starts its fill one pixel
    // lower).
    virtual void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      int32_t state, const char16_t* label, bool framed, s::gui::win::Font* style,
                      bool enabled, bool toggled, bool openBottom) = 0;
    // Paints the glyph `label` names in the colour inside the rectangle; false
    // when the label names no glyph (the caller then draws text).
    virtual bool paintGlyph(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                            const char16_t* label, uint8_t red, uint8_t green, uint8_t blue) = 0;

    virtual void setAccentColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual void setFirstFlag(bool on) = 0;
    virtual void setSecondFlag(bool on) = 0;
    virtual void setCornerStyle(int32_t style) = 0;
    // The label moves with the mouse-over and pressed states.
    virtual void setShiftLabel(bool on) = 0;
    virtual uint8_t getFrameRed() const = 0;
    virtual uint8_t getFrameGreen() const = 0;
    virtual uint8_t getFrameBlue() const = 0;
    virtual void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual uint8_t getDisabledFrameRed() const = 0;
    virtual uint8_t getDisabledFrameGreen() const = 0;
    virtual uint8_t getDisabledFrameBlue() const = 0;
    virtual void setDisabledFrameColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual void setToggledFrameColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual void setToggledFill(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual uint8_t getToggledFillRed() const = 0;
    virtual uint8_t getToggledFillGreen() const = 0;
    virtual uint8_t getToggledFillBlue() const = 0;

    // The label's text drawer: fonts complete from its styles 1 (enabled)
    // and 2 (disabled); null entries are skipped.
    virtual void completeFonts(s::gui::win::Font* first, s::gui::win::Font* second) = 0;
    virtual void completeSettings(s::gui::win::FontSetting* first,
                                  s::gui::win::FontSetting* second) = 0;
    virtual s::gui::text::FontDescription& getStyle1() = 0;
    virtual s::gui::text::FontDescription& getStyle2() = 0;
    // The text drawer for the label on a toggled fill (its style 1).
    virtual void completeToggledFont(s::gui::win::Font* font) = 0;
    virtual void completeToggledSetting(s::gui::win::FontSetting* setting) = 0;
    virtual s::gui::text::FontDescription& getToggledStyle() = 0;
    // Shading of the frame's bevel.
    virtual void setShaded(bool on) = 0;
};

} // namespace s::gui::drawer
