#pragma once
#include <cstdint>

#include "s/gui/text/FontDescription.h"

namespace s::gui::drawer::skin {

// One colour of a scheme as the drawers' setters take it: three 8-bit
// channels. colorRef() packs it the way drawers store colours (0x00BBGGRR).
struct Rgb {
    uint8_t red;
    uint8_t green;
    uint8_t blue;

    constexpr uint32_t colorRef() const {
        return static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 |
               static_cast<uint32_t>(blue) << 16;
    }
    constexpr bool operator==(const Rgb& other) const {
        return red == other.red && green == other.green && blue == other.blue;
    }
    constexpr bool operator!=(const Rgb& other) const { return !(*this == other); }
};

// Calls a three-channel colour setter of `target` with the colour, e.g.
// setRgb(drawer, &IScrollBar::setTrackColor, track).
template <class Target, class Owner>
void setRgb(Target& target, void (Owner::*setter)(uint8_t, uint8_t, uint8_t), const Rgb& colour) {
    (target.*setter)(colour.red, colour.green, colour.blue);
}

// The text colour of a style: what most scheme colourings set on the styles
// their drawers' labels complete fonts from.
inline void setTextRgb(s::gui::text::FontDescription& style, const Rgb& colour) {
    setRgb(style, &s::gui::text::FontDescription::setTextColor, colour);
}

} // namespace s::gui::drawer::skin
