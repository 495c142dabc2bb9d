#include "s/gui/scale/DisplayScale.h"

#include <cstdint>

namespace s::gui::scale {

DisplayScale::DisplayScale(int32_t factor, int32_t reportedDpi) {
    screenFactor = (factor == 2 || factor == 4) ? factor : 1;
    // Absurd values (a broken driver) are held to 16 x so that sizes stay
    // far from overflow.
    constexpr int32_t kLargestDpi = kBaseDpi * 16;
    dpi =
        reportedDpi < kBaseDpi ? kBaseDpi : (reportedDpi > kLargestDpi ? kLargestDpi : reportedDpi);
    const int32_t byFactor = screenFactor * kBaseDpi;
    pixelsPer96 = byFactor > dpi ? byFactor : dpi;
}

int32_t DisplayScale::getUnit() const {
    if (pixelsPer96 >= 4 * kBaseDpi) {
        return 4;
    }
    return pixelsPer96 * 2 >= 3 * kBaseDpi ? 2 : 1;
}

int32_t DisplayScale::pixels(int32_t designSize) const {
    // Rounded half away from zero, in 64 bits so that no design size can
    // overflow on the way.
    const int64_t scaled = static_cast<int64_t>(designSize) * pixelsPer96;
    const int64_t half = kBaseDpi / 2;
    const int64_t rounded =
        scaled >= 0 ? (scaled + half) / kBaseDpi : -((-scaled + half) / kBaseDpi);
    if (rounded > INT32_MAX) {
        return INT32_MAX;
    }
    if (rounded < INT32_MIN) {
        return INT32_MIN;
    }
    return static_cast<int32_t>(rounded);
}

} // namespace s::gui::scale
