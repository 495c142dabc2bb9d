#pragma once
#include <cstdint>

namespace s::gui::drawer {

// The 8-bit channels of a colour stored as 0x00BBGGRR, for the drawers'
// colour getters and for handing a stored colour to an operation that takes
// three channels. Stateless; any thread.
struct ColourChannels {
    static constexpr uint8_t red(uint32_t colour) { return static_cast<uint8_t>(colour & 0xFFu); }
    static constexpr uint8_t green(uint32_t colour) {
        return static_cast<uint8_t>((colour >> 8) & 0xFFu);
    }
    static constexpr uint8_t blue(uint32_t colour) {
        return static_cast<uint8_t>((colour >> 16) & 0xFFu);
    }
};

} // namespace s::gui::drawer
