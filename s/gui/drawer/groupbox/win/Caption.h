#pragma once
#include <windows.h>

#include <cstdint>

namespace s::gui::win {
class Font;
}

namespace s::gui::drawer::groupbox::win {

// The caption step both group boxes share: the caption as one line in
// (x, 0, x + width, height), transparent, in the font's colour, "&" shown as
// it is. The context's background mode, font and text colour are put back
// afterwards, as the context belongs to the box's paint. Nothing without a
// caption or a font. Stateless; the painting thread.
class Caption {
public:
    // DT_SINGLELINE | DT_NOPREFIX.
    static constexpr UINT kFormat = 0x820;

    static void draw(HDC dc, int32_t x, const char16_t* caption, s::gui::win::Font* font,
                     int32_t width, int32_t height);
};

} // namespace s::gui::drawer::groupbox::win
