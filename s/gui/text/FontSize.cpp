#include "s/gui/text/FontSize.h"

#include <cstdint>

namespace s::gui::text {

namespace {

// Ordinary text: the size a code of 0 gives, and the base of the bold range.
constexpr int32_t kNormalBasePoints = 10;
constexpr int32_t kBoldBasePoints = 14;
constexpr int32_t kBoldRangeStart = 100;
constexpr int32_t kCodeRangeEnd = 1000;
// The height shown for an absurdly large size: 10 points at 96 dpi.
constexpr int32_t kLargestScaledPoints = 100;
constexpr int32_t kFallbackHeight = -13;

} // namespace

FontSize FontSize::fromCode(int32_t code) {
    if (code == kSmallPrintCode) {
        return FontSize(kNormalWeight, kSmallPrintPoints);
    }
    // Compared without negating, so that the most negative code cannot
    // overflow on the way.
    if (code > -kBoldRangeStart && code < kBoldRangeStart) {
        return FontSize(kNormalWeight, kNormalBasePoints + code);
    }
    if (code > -kCodeRangeEnd && code < kCodeRangeEnd) {
        // C++ remainders keep the sign of the dividend: -103 % 100 is -3.
        return FontSize(kBoldWeight, kBoldBasePoints + code % kBoldRangeStart);
    }
    return FontSize();
}

int32_t FontSize::heightFor(int32_t points, const s::gui::scale::DisplayScale& scale) {
    const int32_t q = scale.scaledPoints(points);
    // Sizes of a point or less (also the negative ones that codes below -10
    // give) all become the smallest font: the formula would turn them into
    // positive heights, which the system reads as ever larger cell heights.
    if (q <= 1) {
        return -1;
    }
    if (q > kLargestScaledPoints) {
        return kFallbackHeight;
    }
    return -(q + 1 + (q - 2) / 3);
}

int32_t FontSize::heightForPoints(int32_t points, int32_t dpi) {
    // Tenths of a point over 720 tenths per inch, in 64 bits; a product
    // whose height cannot be a 32-bit value is refused before it could
    // overflow even those.
    constexpr int64_t kTenthsPerInch = 720;
    constexpr int64_t kLargestProduct = static_cast<int64_t>(INT32_MAX) * (kTenthsPerInch / 10);
    const int64_t pointsByDpi = static_cast<int64_t>(dpi) * points;
    if (pointsByDpi > kLargestProduct || pointsByDpi < -kLargestProduct) {
        return -1;
    }
    const int64_t product = pointsByDpi * 10;
    const int64_t half = kTenthsPerInch / 2;
    const int64_t rounded =
        product >= 0 ? (product + half) / kTenthsPerInch : (product - half) / kTenthsPerInch;
    return static_cast<int32_t>(-rounded);
}

} // namespace s::gui::text
