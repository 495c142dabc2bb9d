// The SSE2 twins of the plain row loops. Built for x86 processors only; on
// others the SSE2 entry points are never chosen (hasSse2() is false) and fall
// back to the plain loops.
#include "s/image/scale/BilinearRows.h"

#if defined(__x86_64__) || defined(__i386__) || defined(_M_X64) || defined(_M_IX86)
#define S_SCALE_X86 1
#include <emmintrin.h>
#if defined(_MSC_VER)
#include <intrin.h>
#define S_SSE2_TARGET
#else
#include <cpuid.h>
// 32-bit builds may target processors without SSE2: only these functions use it.
#define S_SSE2_TARGET __attribute__((target("sse2")))
#endif
#endif

namespace s::image::scale::rows {

#if defined(S_SCALE_X86)

namespace {

constexpr int32_t kHorizontalShift = kWeightBits - kRowFractionBits;
constexpr int32_t kVerticalShift = kWeightBits + kRowFractionBits;
// CPUID leaf 1 reports SSE2 in bit 26 of EDX.
constexpr unsigned kSse2Bit = 1u << 26;

bool askProcessorForSse2() {
#if defined(_MSC_VER)
    int registers[4] = {0, 0, 0, 0};
    __cpuid(registers, 1);
    return (static_cast<unsigned>(registers[3]) & kSse2Bit) != 0;
#else
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) == 0) {
        return false;
    }
    return (edx & kSse2Bit) != 0;
#endif
}

// Two neighbouring source pixels L and R (8 bytes) widened so that each
// channel's pair sits side by side: L0 R0 L1 R1 L2 R2 L3 R3 as int16.
S_SSE2_TARGET inline __m128i pairChannels(const uint8_t* left) {
    const __m128i both = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(left));
    const __m128i paired = _mm_unpacklo_epi8(both, _mm_srli_epi64(both, 32));
    return _mm_unpacklo_epi8(paired, _mm_setzero_si128());
}

S_SSE2_TARGET inline __m128i horizontalPixel(const uint8_t* sourceRow, const Tap& tap,
                                             __m128i rounding) {
    const __m128i sums =
        _mm_madd_epi16(pairChannels(sourceRow + tap.offset), _mm_set1_epi32(tap.weights));
    return _mm_srai_epi32(_mm_add_epi32(sums, rounding), kHorizontalShift);
}

// One pixel from its channels interleaved as upper0 lower0 upper1 lower1 ...
S_SSE2_TARGET inline __m128i blend(__m128i interleaved, __m128i weights, __m128i rounding) {
    const __m128i sums = _mm_madd_epi16(interleaved, weights);
    return _mm_srai_epi32(_mm_add_epi32(sums, rounding), kVerticalShift);
}

} // namespace

bool hasSse2() {
    static const bool present = askProcessorForSse2();
    return present;
}

S_SSE2_TARGET void horizontalSse2(const uint8_t* sourceRow, const Tap* taps, int32_t count,
                                  int16_t* out) {
    const __m128i rounding = _mm_set1_epi32(1 << (kHorizontalShift - 1));
    int32_t i = 0;
    for (; i + 2 <= count; i += 2) {
        const __m128i first = horizontalPixel(sourceRow, taps[i], rounding);
        const __m128i second = horizontalPixel(sourceRow, taps[i + 1], rounding);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i * 4), _mm_packs_epi32(first, second));
    }
    if (i < count) {
        horizontalPlain(sourceRow, taps + i, count - i, 4, out + i * 4);
    }
}

S_SSE2_TARGET void verticalSse2(const int16_t* upper, const int16_t* lower, uint32_t weights,
                                int32_t count, uint8_t* out) {
    const __m128i pair = _mm_set1_epi32(static_cast<int32_t>(weights));
    const __m128i rounding = _mm_set1_epi32(1 << (kVerticalShift - 1));
    int32_t i = 0;
    // Four pixels (16 channels) a round: the channels of the two rows are
    // interleaved so one multiply-add blends each pair.
    for (; i + 4 <= count; i += 4) {
        const __m128i upperLow = _mm_loadu_si128(reinterpret_cast<const __m128i*>(upper + i * 4));
        const __m128i upperHigh =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(upper + i * 4 + 8));
        const __m128i lowerLow = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lower + i * 4));
        const __m128i lowerHigh =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(lower + i * 4 + 8));
        const __m128i p0 = blend(_mm_unpacklo_epi16(upperLow, lowerLow), pair, rounding);
        const __m128i p1 = blend(_mm_unpackhi_epi16(upperLow, lowerLow), pair, rounding);
        const __m128i p2 = blend(_mm_unpacklo_epi16(upperHigh, lowerHigh), pair, rounding);
        const __m128i p3 = blend(_mm_unpackhi_epi16(upperHigh, lowerHigh), pair, rounding);
        const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(p0, p1), _mm_packs_epi32(p2, p3));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i * 4), bytes);
    }
    if (i < count) {
        verticalPlain(upper + i * 4, lower + i * 4, weights, count - i, out + i * 4);
    }
}

#else

bool hasSse2() {
    return false;
}

void horizontalSse2(const uint8_t* sourceRow, const Tap* taps, int32_t count, int16_t* out) {
    horizontalPlain(sourceRow, taps, count, 4, out);
}

void verticalSse2(const int16_t* upper, const int16_t* lower, uint32_t weights, int32_t count,
                  uint8_t* out) {
    verticalPlain(upper, lower, weights, count, out);
}

#endif

} // namespace s::image::scale::rows
