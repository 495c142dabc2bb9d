#pragma once
#include <cstddef>
#include <cstdint>

namespace s::str {

// Hexadecimal digits: lower case when written, either case when read.
// Stateless; safe from any thread.
class Hex {
public:
    // The digit of the low four bits of `value`.
    static constexpr char16_t digit(std::uint64_t value) {
        return u"0123456789abcdef"[value & 0xF];
    }
    // 0-15 for a hex digit, -1 for any other unit.
    static constexpr int value(char16_t unit) {
        if (unit >= u'0' && unit <= u'9') {
            return unit - u'0';
        }
        if (unit >= u'a' && unit <= u'f') {
            return unit - u'a' + 10;
        }
        if (unit >= u'A' && unit <= u'F') {
            return unit - u'A' + 10;
        }
        return -1;
    }
    // The same, but 0 for any other unit: lenient readers of stored hex text.
    static constexpr unsigned valueOrZero(char16_t unit) {
        return value(unit) < 0 ? 0u : static_cast<unsigned>(value(unit));
    }
    // `value` as exactly `digits` digits (the low ones), most significant
    // first, at out[0 .. digits - 1]; no terminator.
    static void write(char16_t* out, std::uint64_t value, unsigned digits) {
        for (unsigned i = digits; i > 0; --i) {
            out[i - 1] = digit(value);
            value >>= 4;
        }
    }
    // `count` values, each as all the digits of its type (two per byte), one
    // after the other, then a terminating zero; returns the digits written.
    // out needs count * 2 * sizeof(T) + 1 units.
    template <class T>
    static std::size_t writeAll(const T* values, std::size_t count, char16_t* out) {
        constexpr unsigned kDigits = sizeof(T) * 2;
        for (std::size_t i = 0; i < count; ++i) {
            write(out + i * kDigits, static_cast<std::uint64_t>(values[i]), kDigits);
        }
        out[count * kDigits] = 0;
        return count * kDigits;
    }
    // `value` with as many digits as it needs (at least one); returns the
    // count. out needs 16 units.
    static unsigned writeShortest(char16_t* out, std::uint64_t value) {
        unsigned digits = 1;
        while (digits < 16 && (value >> (4 * digits)) != 0) {
            ++digits;
        }
        write(out, value, digits);
        return digits;
    }
};

} // namespace s::str
