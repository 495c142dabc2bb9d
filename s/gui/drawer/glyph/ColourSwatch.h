#pragma once
#include <cstdint>

#include "s/gui/drawer/glyph/GlyphFrame.h"

namespace s::gui::drawer::glyph {

// The colour glyph "#Color-xxbbggrr": a black box inset one pixel from the
// rectangle, holding the colour one pixel further in. The eight digits are
// a COLORREF in hexadecimal (the first pair is ignored), so a colour picker
// can label its buttons with the colour itself.
//
// Stateless; any thread.
class ColourSwatch {
public:
    // The name's fixed start; the digits follow it.
    static constexpr char16_t kPrefix[] = u"#Color-";
    static constexpr int32_t kDigits = 8;

    // The colour (0x00BBGGRR) the digits after the prefix give; false for
    // anything but exactly eight hexadecimal digits (either case).
    static bool parse(const char16_t* digits, uint32_t& colour);
    static void paint(const GlyphFrame& frame, uint32_t colour);

private:
    static int32_t hexValue(char16_t digit);
};

} // namespace s::gui::drawer::glyph
