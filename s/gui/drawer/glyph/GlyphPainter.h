#pragma once
#include <cstdint>

#include "s/gui/paint/IRectFill.h"

namespace s::gui::drawer::glyph {

// The small vector symbols of glyph buttons, made of solid rectangles: a
// label that begins with "#" names one ("#X" close, "#_" minimize, "#Down",
// "#Check", "#Color-00bbggrr", ...). Shapes grow with the display's scale
// factor (1, 2 or 4) and are centred in the rectangle they are given.
//
// Stateless; any thread.
class GlyphPainter {
public:
    // Fills the glyph `label` names, in `colour` (0x00BBGGRR), inside the
    // rectangle (right and bottom exclusive). False, with nothing filled,
    // for a null or empty label, one without the leading "#", or a name that
    // is no glyph.
    static bool paint(s::gui::paint::IRectFill& target, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, const char16_t* label, uint32_t colour, int32_t scale);
};

} // namespace s::gui::drawer::glyph
