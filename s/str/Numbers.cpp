#include "s/str/Numbers.h"

#include "s/str/Ascii.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string>

namespace s::str {

namespace {

std::uint32_t lengthOf(const char16_t* text, std::int32_t n) {
    if (text == nullptr) {
        return 0;
    }
    if (n >= 0) {
        return static_cast<std::uint32_t>(n);
    }
    std::uint32_t length = 0;
    while (text[length] != 0) {
        ++length;
    }
    return length;
}

// The sign and the magnitude of a leading decimal integer; the magnitude
// saturates at `limit`.
struct ParsedInteger {
    bool negative = false;
    std::uint64_t magnitude = 0;
    bool overflow = false;
};

ParsedInteger parseDecimal(const char16_t* text, std::uint32_t n, std::uint64_t limit) {
    ParsedInteger result;
    std::uint32_t i = 0;
    while (i < n && Numbers::isParseSpace(text[i])) {
        ++i;
    }
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        result.negative = text[i] == u'-';
        ++i;
    }
    for (; i < n && Ascii::isDigit(text[i]); ++i) {
        const std::uint64_t digit = text[i] - u'0';
        if (result.magnitude > (limit - digit) / 10) {
            result.overflow = true;
            result.magnitude = limit;
        } else if (!result.overflow) {
            result.magnitude = result.magnitude * 10 + digit;
        }
    }
    return result;
}

// The characters of a decimal floating-point number as ASCII (digits, one
// point, an exponent with its sign), and what is needed to tell an overflow
// from an underflow when the value is out of range.
struct DecimalText {
    std::string ascii;
    bool seenDigit = false;
    bool seenNonZero = false;
    int integerDigits = 0;
    int leadingFractionZeros = 0;
    long long exponent = 0;
};

std::uint32_t readMantissa(const char16_t* text, std::uint32_t i, std::uint32_t count,
                           DecimalText& number) {
    bool seenPoint = false;
    for (; i < count; ++i) {
        const char16_t ch = text[i];
        if (Ascii::isDigit(ch)) {
            number.seenDigit = true;
            number.seenNonZero = number.seenNonZero || ch != u'0';
            if (!seenPoint && number.seenNonZero) {
                ++number.integerDigits;
            } else if (seenPoint && !number.seenNonZero) {
                ++number.leadingFractionZeros;
            }
        } else if (ch == u'.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        number.ascii.push_back(static_cast<char>(ch));
    }
    return i;
}

void readExponent(const char16_t* text, std::uint32_t i, std::uint32_t count, DecimalText& number) {
    if (i >= count || (text[i] != u'e' && text[i] != u'E')) {
        return;
    }
    std::uint32_t j = i + 1;
    std::string exponentText = "e";
    if (j < count && (text[j] == u'-' || text[j] == u'+')) {
        exponentText.push_back(static_cast<char>(text[j]));
        ++j;
    }
    if (j >= count || !Ascii::isDigit(text[j])) {
        return; // "3e" is 3: the exponent needs a digit
    }
    long long magnitude = 0;
    for (; j < count && Ascii::isDigit(text[j]); ++j) {
        exponentText.push_back(static_cast<char>(text[j]));
        magnitude = std::min(magnitude * 10 + (text[j] - u'0'), 100000000ll);
    }
    number.ascii += exponentText;
    number.exponent = exponentText[1] == '-' ? -magnitude : magnitude;
}

std::size_t widen(const char* text, const char* end, char16_t* out) {
    std::size_t length = 0;
    for (; text < end && length + 1 < Numbers::kMaxText; ++text) {
        out[length++] = static_cast<unsigned char>(*text);
    }
    out[length] = 0;
    return length;
}

template <class T> std::size_t formatInteger(T value, char16_t* out) {
    char text[24];
    const std::to_chars_result result = std::to_chars(text, text + sizeof text, value);
    return widen(text, result.ptr, out);
}

} // namespace

bool Numbers::isParseSpace(char16_t unit) {
    return unit == u' ' || (unit >= u'\t' && unit <= u'\r') || unit == 0x3000;
}

std::int64_t Numbers::parseInt64(const char16_t* text, std::int32_t n) {
    const std::uint64_t limit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    const ParsedInteger parsed = parseDecimal(text, lengthOf(text, n), limit + 1);
    if (parsed.negative) {
        // -(2^63) is the one magnitude above the positive limit.
        return parsed.magnitude > limit ? std::numeric_limits<std::int64_t>::min()
                                        : -static_cast<std::int64_t>(parsed.magnitude);
    }
    return parsed.magnitude > limit ? std::numeric_limits<std::int64_t>::max()
                                    : static_cast<std::int64_t>(parsed.magnitude);
}

std::int32_t Numbers::parseInt32(const char16_t* text, std::int32_t n) {
    const std::int64_t value = parseInt64(text, n);
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

std::uint32_t Numbers::parseUInt32(const char16_t* text, std::int32_t n) {
    const std::uint64_t limit = std::numeric_limits<std::uint32_t>::max();
    const ParsedInteger parsed = parseDecimal(text, lengthOf(text, n), limit);
    if (parsed.overflow) {
        return std::numeric_limits<std::uint32_t>::max();
    }
    const auto magnitude = static_cast<std::uint32_t>(parsed.magnitude);
    return parsed.negative ? 0u - magnitude : magnitude;
}

double Numbers::parseDouble(const char16_t* text, std::int32_t n) {
    const std::uint32_t count = lengthOf(text, n);
    std::uint32_t i = 0;
    while (i < count && isParseSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < count && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    // 1. Collect the number's own characters as ASCII; the parse below is
    //    locale-independent.
    DecimalText number;
    i = readMantissa(text, i, count, number);
    if (!number.seenDigit) {
        return 0.0;
    }
    readExponent(text, i, count, number);
    // 2. Parse; a value beyond double's range becomes infinity or zero, as a
    //    C library parse would answer.
    double value = 0.0;
    const std::string& ascii = number.ascii;
    const std::from_chars_result result =
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const long long magnitude =
            number.seenNonZero ? (number.integerDigits > 0
                                      ? static_cast<long long>(number.integerDigits)
                                      : -static_cast<long long>(number.leadingFractionZeros)) +
                                     number.exponent
                               : -1;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

std::size_t Numbers::formatInt32(std::int32_t value, char16_t* out) {
    return formatInteger(value, out);
}

std::size_t Numbers::formatUInt32(std::uint32_t value, char16_t* out) {
    return formatInteger(value, out);
}

std::size_t Numbers::formatInt64(std::int64_t value, char16_t* out) {
    return formatInteger(value, out);
}

std::size_t Numbers::formatDouble(double value, char16_t* out) {
    char text[kMaxText];
    const std::to_chars_result result =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 6);
    return widen(text, result.ec == std::errc() ? result.ptr : text, out);
}

} // namespace s::str
