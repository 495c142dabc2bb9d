#pragma once
#include <cstdint>

namespace s::gui::drawer::slider {

// Colours given as hue, saturation and value or lightness, as the colour
// pickers' gradients use them, turned into 0x00BBGGRR by the usual
// formulas, each channel truncated to a whole 8-bit step. Hue is in degrees
// (taken modulo 360), the other components in percent (clamped to 0 ...
// 100).
//
// Stateless; any thread.
class ColorSpace {
public:
    static uint32_t fromHsv(int32_t hue, int32_t saturation, int32_t value);
    static uint32_t fromHsl(int32_t hue, int32_t saturation, int32_t lightness);
};

} // namespace s::gui::drawer::slider
