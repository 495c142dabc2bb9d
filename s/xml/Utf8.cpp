#include "s/xml/Utf8.h"

#include <cstring>

namespace s::xml {

namespace {
constexpr char16_t kReplacement = 0xFFFD;

bool isContinuation(std::uint8_t byte) {
    return (byte & 0xC0) == 0x80;
}
} // namespace

std::size_t Utf8::decode(const std::uint8_t* bytes, std::size_t count, char16_t* units) {
    char16_t* out = units;
    std::size_t i = 0;
    while (i < count) {
        // Fast path: eight ASCII bytes at a time.
        if (count - i >= 8) {
            std::uint64_t word;
            std::memcpy(&word, bytes + i, 8);
            if ((word & 0x8080808080808080ull) == 0) {
                for (int k = 0; k < 8; ++k) {
                    out[k] = bytes[i + k];
                }
                out += 8;
                i += 8;
                continue;
            }
        }
        std::uint8_t lead = bytes[i];
        if (lead < 0x80) {
            *out++ = lead;
            ++i;
            continue;
        }
        std::size_t left = count - i;
        if (lead >= 0xC2 && lead <= 0xDF && left >= 2 && isContinuation(bytes[i + 1])) {
            *out++ = static_cast<char16_t>(((lead & 0x1F) << 6) | (bytes[i + 1] & 0x3F));
            i += 2;
            continue;
        }
        if (lead >= 0xE0 && lead <= 0xEF && left >= 3 && isContinuation(bytes[i + 1]) &&
            isContinuation(bytes[i + 2])) {
            std::uint32_t code =
                ((lead & 0x0F) << 12) | ((bytes[i + 1] & 0x3F) << 6) | (bytes[i + 2] & 0x3F);
            if (code >= 0x800 && (code < 0xD800 || code > 0xDFFF)) {
                *out++ = static_cast<char16_t>(code);
                i += 3;
                continue;
            }
        }
        if (lead >= 0xF0 && lead <= 0xF4 && left >= 4 && isContinuation(bytes[i + 1]) &&
            isContinuation(bytes[i + 2]) && isContinuation(bytes[i + 3])) {
            std::uint32_t code = ((lead & 0x07) << 18) | ((bytes[i + 1] & 0x3F) << 12) |
                                 ((bytes[i + 2] & 0x3F) << 6) | (bytes[i + 3] & 0x3F);
            if (code >= 0x10000 && code <= 0x10FFFF) {
                code -= 0x10000;
                *out++ = static_cast<char16_t>(0xD800 + (code >> 10));
                *out++ = static_cast<char16_t>(0xDC00 + (code & 0x3FF));
                i += 4;
                continue;
            }
        }
        *out++ = kReplacement;
        ++i;
    }
    return static_cast<std::size_t>(out - units);
}

std::size_t Utf8::encode(const char16_t* units, std::size_t count, std::uint8_t* bytes) {
    std::uint8_t* out = bytes;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t code = units[i];
        if (code < 0x80) {
            *out++ = static_cast<std::uint8_t>(code);
            continue;
        }
        if (code < 0x800) {
            *out++ = static_cast<std::uint8_t>(0xC0 | (code >> 6));
            *out++ = static_cast<std::uint8_t>(0x80 | (code & 0x3F));
            continue;
        }
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < count && units[i + 1] >= 0xDC00 &&
            units[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
            *out++ = static_cast<std::uint8_t>(0xF0 | (code >> 18));
            *out++ = static_cast<std::uint8_t>(0x80 | ((code >> 12) & 0x3F));
            *out++ = static_cast<std::uint8_t>(0x80 | ((code >> 6) & 0x3F));
            *out++ = static_cast<std::uint8_t>(0x80 | (code & 0x3F));
            continue;
        }
        if (code >= 0xD800 && code <= 0xDFFF) {
            code = kReplacement;
        }
        *out++ = static_cast<std::uint8_t>(0xE0 | (code >> 12));
        *out++ = static_cast<std::uint8_t>(0x80 | ((code >> 6) & 0x3F));
        *out++ = static_cast<std::uint8_t>(0x80 | (code & 0x3F));
    }
    return static_cast<std::size_t>(out - bytes);
}

} // namespace s::xml
