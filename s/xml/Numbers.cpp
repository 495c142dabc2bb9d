#include "s/xml/Numbers.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace s::xml {

namespace {

bool isSpace(char16_t unit) {
    return unit == u' ' || unit == u'\n' || unit == 0x3000 || unit == u'\t' || unit == u'\r' ||
           unit == u'\v' || unit == u'\f';
}

bool isDigit(char16_t unit) {
    return unit >= u'0' && unit <= u'9';
}

// Sign and magnitude of the leading decimal integer; the magnitude stops
// growing once it exceeds every 64-bit value.
struct Integer {
    bool negative = false;
    std::uint64_t magnitude = 0;
    bool overflow = false;
};

Integer readInteger(const char16_t* text) {
    Integer result;
    if (text == nullptr) {
        return result;
    }
    while (isSpace(*text)) {
        ++text;
    }
    if (*text == u'-' || *text == u'+') {
        result.negative = *text == u'-';
        ++text;
    }
    for (; isDigit(*text); ++text) {
        std::uint64_t digit = static_cast<std::uint64_t>(*text - u'0');
        if (result.magnitude > (std::numeric_limits<std::uint64_t>::max() - digit) / 10) {
            result.overflow = true;
        } else if (!result.overflow) {
            result.magnitude = result.magnitude * 10 + digit;
        }
    }
    return result;
}

std::int64_t clampSigned(const Integer& value, std::int64_t minimum, std::int64_t maximum) {
    if (value.negative) {
        std::uint64_t limit = static_cast<std::uint64_t>(-(minimum + 1)) + 1;
        return value.overflow || value.magnitude >= limit
                   ? minimum
                   : -static_cast<std::int64_t>(value.magnitude);
    }
    return value.overflow || value.magnitude > static_cast<std::uint64_t>(maximum)
               ? maximum
               : static_cast<std::int64_t>(value.magnitude);
}

std::size_t widen(const char* text, int length, char16_t* out) {
    if (length < 0) {
        length = 0;
    }
    if (static_cast<std::size_t>(length) >= Numbers::kMaxText) {
        length = static_cast<int>(Numbers::kMaxText - 1);
    }
    for (int i = 0; i < length; ++i) {
        out[i] = static_cast<unsigned char>(text[i]);
    }
    out[length] = 0;
    return static_cast<std::size_t>(length);
}

} // namespace

std::int32_t Numbers::parseInt32(const char16_t* text) {
    return static_cast<std::int32_t>(clampSigned(readInteger(text),
                                                 std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

std::uint32_t Numbers::parseUInt32(const char16_t* text) {
    Integer value = readInteger(text);
    if (value.overflow || value.magnitude > std::numeric_limits<std::uint32_t>::max()) {
        return std::numeric_limits<std::uint32_t>::max();
    }
    auto magnitude = static_cast<std::uint32_t>(value.magnitude);
    return value.negative ? 0u - magnitude : magnitude;
}

std::int64_t Numbers::parseInt64(const char16_t* text) {
    return clampSigned(readInteger(text), std::numeric_limits<std::int64_t>::min(),
                       std::numeric_limits<std::int64_t>::max());
}

double Numbers::parseDouble(const char16_t* text) {
    if (text == nullptr) {
        return 0.0;
    }
    while (isSpace(*text)) {
        ++text;
    }
    // Copy the part that makes up the number, then let the C library round
    // it; no "inf", "nan" or hexadecimal forms are taken.
    std::string number;
    const char16_t* p = text;
    if (*p == u'-' || *p == u'+') {
        number.push_back(static_cast<char>(*p++));
    }
    bool digits = false;
    for (; isDigit(*p); ++p) {
        number.push_back(static_cast<char>(*p));
        digits = true;
    }
    if (*p == u'.') {
        number.push_back('.');
        for (++p; isDigit(*p); ++p) {
            number.push_back(static_cast<char>(*p));
            digits = true;
        }
    }
    if (!digits) {
        return 0.0;
    }
    if (*p == u'e' || *p == u'E') {
        const char16_t* exponent = p + 1;
        if (*exponent == u'-' || *exponent == u'+') {
            ++exponent;
        }
        if (isDigit(*exponent)) {
            for (const char16_t* q = p; q < exponent; ++q) {
                number.push_back(static_cast<char>(*q));
            }
            for (; isDigit(*exponent); ++exponent) {
                number.push_back(static_cast<char>(*exponent));
            }
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

std::size_t Numbers::formatInt32(std::int32_t value, char16_t* out) {
    char text[16];
    return widen(text, std::snprintf(text, sizeof text, "%" PRId32, value), out);
}

std::size_t Numbers::formatUInt32(std::uint32_t value, char16_t* out) {
    char text[16];
    return widen(text, std::snprintf(text, sizeof text, "%" PRIu32, value), out);
}

std::size_t Numbers::formatInt64(std::int64_t value, char16_t* out) {
    char text[32];
    return widen(text, std::snprintf(text, sizeof text, "%" PRId64, value), out);
}

std::size_t Numbers::formatDouble(double value, char16_t* out) {
    char text[kMaxText];
    return widen(text, std::snprintf(text, sizeof text, "%f", value), out);
}

std::size_t Numbers::formatHex(const void* values, std::size_t count, unsigned digits,
                               char16_t* out) {
    static const char16_t hex[] = u"0123456789abcdef";
    const auto* bytes = static_cast<const unsigned char*>(values);
    unsigned size = digits / 2;
    std::size_t length = 0;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint64_t value = 0;
        std::memcpy(&value, bytes + i * size, size); // little-endian hosts
        for (unsigned d = digits; d > 0; --d) {
            out[length++] = hex[(value >> ((d - 1) * 4)) & 0xF];
        }
    }
    out[length] = 0;
    return length;
}

} // namespace s::xml
