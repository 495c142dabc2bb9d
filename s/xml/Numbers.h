#pragma once
#include <cstddef>
#include <cstdint>

namespace s::xml {

// Numbers as documents store them: decimal text written like printf's "%d",
// "%u", "%I64d" and "%f" (six decimals), read back with the forgiving decimal
// parse of the string buffer: leading whitespace is skipped, an optional sign
// and the digits (for floating-point values also a point and an exponent) up
// to the first other unit are taken, and a text without digits reads as 0.
// Values beyond the range saturate like the C library's conversions
// (parseUInt32 of "-1" gives 4294967295, as strtoul does). Texts are
// zero-terminated; every function is thread-safe and allocates nothing.
class Numbers {
public:
    // Room for any formatted number including "%f" of the largest double.
    static constexpr std::size_t kMaxText = 400;

    static std::int32_t parseInt32(const char16_t* text);
    static std::uint32_t parseUInt32(const char16_t* text);
    static std::int64_t parseInt64(const char16_t* text);
    static double parseDouble(const char16_t* text);

    // Each writes the text and a terminating zero into `out` (kMaxText units)
    // and returns its length.
    static std::size_t formatInt32(std::int32_t value, char16_t* out);
    static std::size_t formatUInt32(std::uint32_t value, char16_t* out);
    static std::size_t formatInt64(std::int64_t value, char16_t* out);
    static std::size_t formatDouble(double value, char16_t* out);
    // `count` values as lower-case hex digits, `digits` per value (2, 4, 8 or
    // 16), no separators; out needs count * digits + 1 units.
    static std::size_t formatHex(const void* values, std::size_t count, unsigned digits,
                                 char16_t* out);
};

} // namespace s::xml
