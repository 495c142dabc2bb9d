#pragma once
#include <cstdint>

namespace s::system::monitor {

// The screen scale factor of large displays: pixel sizes of the toolkit
// (fonts, glyphs, icons) are multiplied by it. 4 for primary screens wider
// than 4096 and at least 3240 high, 2 for wider than 1920 and at least 1620
// high, 1 otherwise. Pure, so the thresholds can be checked anywhere.
inline int32_t scaleForPrimaryScreen(int32_t width, int32_t height) {
    if (width > 4096 && height >= 3240) {
        return 4;
    }
    if (width > 1920 && height >= 1620) {
        return 2;
    }
    return 1;
}

} // namespace s::system::monitor
