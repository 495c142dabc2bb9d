#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"
#include "s/gui/layout/Size.h"
#include "s/gui/text/FontDescription.h"
#include "s/gui/text/TextExtents.h"

namespace s::gui::win {
class Font;
class FontSetting;
} // namespace s::gui::win

namespace s::gui::drawer {

// Draws and measures the toolkit's texts, and holds the five text styles
// that components complete their fonts from: 1 normal, 2 disabled, 3 link,
// 4 link under the mouse, 5 link pressed. A skin colours the styles; a
// component's font keeps whatever it set itself (see
// FontDescription::inheritFrom). The styles are bare descriptions, the
// value a FontSetting holds, so that fonts and settings complete alike.
//
// Drawing and measuring change nothing in the drawer: the state they need
// lives in the device context and the font they are given, and they leave
// the context as they found it. Completing fonts writes the styles.
class IText : public IDrawer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_IText";

    // Draws `text` into the rectangle in the font's colour with its effect
    // (see TextEffect), by the font's switches (see TextFormat); nothing for
    // an empty or inverted rectangle.
    virtual void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      const char16_t* text, s::gui::win::Font& font) const = 0;
    // The size of the rectangle the text takes when laid out from the given
    // one by the font's switches (word wrap breaks within its width), with
    // the room the font's effect needs.
    virtual s::gui::layout::Size measure(HDC dc, int32_t left, int32_t top, int32_t right,
                                         int32_t bottom, const char16_t* text,
                                         s::gui::win::Font& font) const = 0;
    // The sizes the text offers a layout (see LayoutMeasure), with the room
    // the font's effect needs.
    virtual s::gui::text::TextExtents measureForLayout(HDC dc, const char16_t* text,
                                                       s::gui::win::Font& font) const = 0;
    // For each font given (null: none), style i first takes the font's size
    // code, then the font takes from style i what it has not set itself.
    virtual void completeFonts(s::gui::win::Font* font1, s::gui::win::Font* font2,
                               s::gui::win::Font* font3, s::gui::win::Font* font4,
                               s::gui::win::Font* font5) = 0;
    // The same for text styles (a drawer completing its own sub-drawers'
    // styles from a skin's).
    virtual void completeSettings(s::gui::win::FontSetting* setting1,
                                  s::gui::win::FontSetting* setting2,
                                  s::gui::win::FontSetting* setting3,
                                  s::gui::win::FontSetting* setting4,
                                  s::gui::win::FontSetting* setting5) = 0;
    virtual s::gui::text::FontDescription& getStyle1() = 0;
    virtual s::gui::text::FontDescription& getStyle2() = 0;
    virtual s::gui::text::FontDescription& getStyle3() = 0;
    virtual s::gui::text::FontDescription& getStyle4() = 0;
    virtual s::gui::text::FontDescription& getStyle5() = 0;
    // Centred text is drawn as one line in the middle, cut with an ellipsis.
    virtual void setCentered(bool on) = 0;
};

} // namespace s::gui::drawer
