#include "s/image/scale/BilinearRows.h"

namespace s::image::scale::rows {

namespace {
constexpr int32_t kHorizontalShift = kWeightBits - kRowFractionBits;
constexpr int32_t kHorizontalRounding = 1 << (kHorizontalShift - 1);
constexpr int32_t kVerticalShift = kWeightBits + kRowFractionBits;
constexpr int32_t kVerticalRounding = 1 << (kVerticalShift - 1);
} // namespace

void horizontalPlain(const uint8_t* sourceRow, const Tap* taps, int32_t count, int32_t step,
                     int16_t* out) {
    for (int32_t i = 0; i < count; ++i) {
        const uint8_t* left = sourceRow + taps[i].offset;
        const uint8_t* right = left + step;
        const int32_t leftWeight = static_cast<int32_t>(taps[i].weights & 0xFFFF);
        const int32_t rightWeight = static_cast<int32_t>(taps[i].weights >> 16);
        for (int32_t channel = 0; channel < 4; ++channel) {
            const int32_t sum = left[channel] * leftWeight + right[channel] * rightWeight;
            out[i * 4 + channel] =
                static_cast<int16_t>((sum + kHorizontalRounding) >> kHorizontalShift);
        }
    }
}

void verticalPlain(const int16_t* upper, const int16_t* lower, uint32_t weights, int32_t count,
                   uint8_t* out) {
    const int32_t upperWeight = static_cast<int32_t>(weights & 0xFFFF);
    const int32_t lowerWeight = static_cast<int32_t>(weights >> 16);
    for (int32_t i = 0; i < count * 4; ++i) {
        const int32_t sum = upper[i] * upperWeight + lower[i] * lowerWeight;
        out[i] = static_cast<uint8_t>((sum + kVerticalRounding) >> kVerticalShift);
    }
}

} // namespace s::image::scale::rows
