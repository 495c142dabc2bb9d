#pragma once
#include <cstddef>
#include <cstdint>

namespace s::str {

// Decimal numbers as text, the one parser and formatter of the library
// (string buffers, documents, settings).
//
// Parsing is forgiving: leading white space (space, tab, line feed,
// vertical tab, form feed, carriage return, U+3000) is skipped, an optional
// sign and the digits (for floating-point values also a point and an
// exponent) up to the first other unit are taken, and a text without digits
// reads as 0. Integers beyond the range saturate like the C library's
// conversions (parseUInt32 of "-1" gives 4294967295, as strtoul does);
// doubles beyond the range become infinity or zero. No "inf", "nan" or
// hexadecimal forms are taken.
//
// Formatting writes what printf's "%d", "%u", "%I64d" and "%f" (six
// decimals) write. Neither side depends on the locale. Texts are `n` units
// long, or zero-terminated when n is -1; a null text reads as 0. Stateless
// and allocation-free apart from a small copy inside parseDouble; safe from
// any thread.
class Numbers {
public:
    // Room for any formatted number and its terminator, including "%f" of
    // the largest double (316 units).
    static constexpr std::size_t kMaxText = 400;

    static std::int32_t parseInt32(const char16_t* text, std::int32_t n = -1);
    static std::uint32_t parseUInt32(const char16_t* text, std::int32_t n = -1);
    static std::int64_t parseInt64(const char16_t* text, std::int32_t n = -1);
    static double parseDouble(const char16_t* text, std::int32_t n = -1);

    // Each writes the text and a terminating zero into `out` (kMaxText units)
    // and returns its length.
    static std::size_t formatInt32(std::int32_t value, char16_t* out);
    static std::size_t formatUInt32(std::uint32_t value, char16_t* out);
    static std::size_t formatInt64(std::int64_t value, char16_t* out);
    static std::size_t formatDouble(double value, char16_t* out);

    static bool isParseSpace(char16_t unit);
};

} // namespace s::str
