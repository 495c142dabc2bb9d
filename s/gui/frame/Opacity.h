#pragma once
#include <cstdint>

namespace s::gui::frame {

// Window opacity in percent as the layered-window alpha needs it. Pure
// arithmetic; any thread.
class Opacity {
public:
    static constexpr int32_t kOpaque = 100;

    // The alpha byte of a percentage: p x 255 / 100, held to 0..255 so that
    // a percentage out of range still gives a defined alpha.
    static uint8_t alpha(int32_t percent);

    // The opacity to apply for a target: a window translucent only while
    // kept on top is opaque otherwise.
    static int32_t applied(int32_t target, bool onlyWhenOnTop, bool keptOnTop);
};

} // namespace s::gui::frame
