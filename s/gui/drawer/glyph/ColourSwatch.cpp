#include "s/gui/drawer/glyph/ColourSwatch.h"

namespace s::gui::drawer::glyph {

namespace {
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kColourMask = 0x00FFFFFF;
} // namespace

int32_t ColourSwatch::hexValue(char16_t digit) {
    if (digit >= u'0' && digit <= u'9') {
        return digit - u'0';
    }
    if (digit >= u'a' && digit <= u'f') {
        return digit - u'a' + 10;
    }
    if (digit >= u'A' && digit <= u'F') {
        return digit - u'A' + 10;
    }
    return -1;
}

bool ColourSwatch::parse(const char16_t* digits, uint32_t& colour) {
    uint32_t value = 0;
    for (int32_t i = 0; i < kDigits; ++i) {
        // A terminating zero is no hex digit, so a short name stops here.
        const int32_t digit = hexValue(digits[i]);
        if (digit < 0) {
            return false;
        }
        value = value << 4 | static_cast<uint32_t>(digit);
    }
    if (digits[kDigits] != u'\0') {
        return false;
    }
    colour = value & kColourMask;
    return true;
}

void ColourSwatch::paint(const GlyphFrame& frame, uint32_t colour) {
    const int64_t width = frame.right - frame.left;
    const int64_t height = frame.bottom - frame.top;
    frame.fillColour(frame.left + 1, frame.top + 1, width - 2, height - 2, kBlack);
    frame.fillColour(frame.left + 2, frame.top + 2, width - 4, height - 4, colour);
}

} // namespace s::gui::drawer::glyph
