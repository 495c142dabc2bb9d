#pragma once
#include "s/str/Ascii.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace s::str::strbuffer {

// Comparisons of runs of UTF-16 units, exact or folding ASCII letters, shared
// by the string buffer's comparisons and searches. Stateless.
class UnitCompare {
public:
    template <bool IgnoreCase> static char16_t fold(char16_t unit) {
        return IgnoreCase ? s::str::Ascii::toLower(unit) : unit;
    }

    template <bool IgnoreCase>
    static bool equal(const char16_t* a, const char16_t* b, std::uint32_t n) {
        if (!IgnoreCase) {
            return n == 0 || std::memcmp(a, b, n * sizeof(char16_t)) == 0;
        }
        for (std::uint32_t i = 0; i < n; ++i) {
            if (fold<true>(a[i]) != fold<true>(b[i])) {
                return false;
            }
        }
        return true;
    }

    template <bool IgnoreCase>
    static bool inSet(char16_t unit, const char16_t* set, std::uint32_t n) {
        const char16_t wanted = fold<IgnoreCase>(unit);
        for (std::uint32_t i = 0; i < n; ++i) {
            if (fold<IgnoreCase>(set[i]) == wanted) {
                return true;
            }
        }
        return false;
    }

    // -1, 0 or 1 over units compared as unsigned numbers, the shorter text first.
    template <bool IgnoreCase>
    static int compare(const char16_t* a, std::uint32_t aLength, const char16_t* b,
                       std::uint32_t bLength) {
        const std::uint32_t common = std::min(aLength, bLength);
        for (std::uint32_t i = 0; i < common; ++i) {
            const char16_t x = fold<IgnoreCase>(a[i]);
            const char16_t y = fold<IgnoreCase>(b[i]);
            if (x != y) {
                return x < y ? -1 : 1;
            }
        }
        if (aLength == bLength) {
            return 0;
        }
        return aLength < bLength ? -1 : 1;
    }
};

} // namespace s::str::strbuffer
