#pragma once
#include <windows.h>

#include <cstdint>

#include "s/gui/drawer/IDrawer.h"
#include "s/gui/text/FontDescription.h"

namespace s::gui::win {
class Font;
}

namespace s::gui::drawer {

// Paints a group box: a frame around a group of controls with the group's
// caption in a gap of its top edge.
//
// Owned by a skin; no lock (see IDrawer).
class IGroupBox : public IDrawer {
public:
    static constexpr const char16_t* kInterfaceName = u"s_gui_drawer_IGroupBox";

    // Draws the caption (measured by the caller: captionWidth x
    // captionHeight) as one line in the font's colour, then the frame.
    // Nothing for an empty or inverted rectangle; no caption without a text
    // or a font.
    virtual void draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      const char16_t* caption, s::gui::win::Font* font, int32_t captionWidth,
                      int32_t captionHeight) = 0;
    virtual void setFrameColor(uint8_t red, uint8_t green, uint8_t blue) = 0;
    virtual uint8_t getFrameRed() const = 0;
    virtual uint8_t getFrameGreen() const = 0;
    virtual uint8_t getFrameBlue() const = 0;
    // The caption's fonts complete from styles 1 (enabled) and 2 (disabled);
    // null entries are skipped.
    virtual void completeFonts(s::gui::win::Font* first, s::gui::win::Font* second) = 0;
    virtual s::gui::text::FontDescription& getStyle1() = 0;
    virtual s::gui::text::FontDescription& getStyle2() = 0;
};

} // namespace s::gui::drawer
