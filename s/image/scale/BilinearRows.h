#pragma once
#include <cstdint>

namespace s::image::scale {

// The two inner loops of the bilinear scaler, one plain and one with SSE2,
// giving the same bytes. Fixed point throughout:
//  - a weight pair is (kWeightOne - t, t) with t the 14-bit fraction of the
//    sample position, packed as low | high << 16;
//  - a horizontal pass turns a source row into 16-bit channels with
//    kRowFractionBits fraction bits (at most 255 << 7, so they fit int16);
//  - a vertical pass blends two such rows and rounds back to bytes.
// Rounding at each step keeps the result within one level of exact bilinear
// interpolation.
namespace rows {

constexpr int32_t kWeightBits = 14;
constexpr int32_t kWeightOne = 1 << kWeightBits;
constexpr int32_t kRowFractionBits = 7;

// One output column: the byte offset of its left source pixel in the row and
// its weight pair. The right pixel is `step` bytes further on (4, or 0 for a
// one-pixel-wide source, so nothing past the row is ever read).
struct Tap {
    int32_t offset;
    uint32_t weights;
};

constexpr uint32_t packWeights(int32_t fraction) {
    return static_cast<uint32_t>(kWeightOne - fraction) | (static_cast<uint32_t>(fraction) << 16);
}

// `count` output columns from one source row into `out` (count * 4 values).
void horizontalPlain(const uint8_t* sourceRow, const Tap* taps, int32_t count, int32_t step,
                     int16_t* out);
// The same; needs step 4 and SSE2.
void horizontalSse2(const uint8_t* sourceRow, const Tap* taps, int32_t count, int16_t* out);

// `count` pixels blended from two horizontal rows with one weight pair.
void verticalPlain(const int16_t* upper, const int16_t* lower, uint32_t weights, int32_t count,
                   uint8_t* out);
void verticalSse2(const int16_t* upper, const int16_t* lower, uint32_t weights, int32_t count,
                  uint8_t* out);

// Whether the processor runs SSE2 code (asked once, then cached).
bool hasSse2();

} // namespace rows
} // namespace s::image::scale
