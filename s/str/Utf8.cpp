#include "s/str/Utf8.h"

#include <cstring>

namespace s::str {

namespace {

// The lead byte's sequence: how many continuation bytes follow, the bits it
// carries, and the range its first continuation byte must lie in (which
// rules out overlong forms, surrogates and values above U+10FFFF).
struct Lead {
    std::uint32_t need;
    std::uint32_t code;
    std::uint8_t low;
    std::uint8_t high;
};

bool readLead(std::uint8_t lead, Lead& out) {
    if (lead >= 0xC2 && lead <= 0xDF) {
        out = {1, lead & 0x1Fu, 0x80, 0xBF};
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        out = {2, lead & 0x0Fu, static_cast<std::uint8_t>(lead == 0xE0 ? 0xA0 : 0x80),
               static_cast<std::uint8_t>(lead == 0xED ? 0x9F : 0xBF)};
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        out = {3, lead & 0x07u, static_cast<std::uint8_t>(lead == 0xF0 ? 0x90 : 0x80),
               static_cast<std::uint8_t>(lead == 0xF4 ? 0x8F : 0xBF)};
    } else {
        return false;
    }
    return true;
}

char16_t* writeCode(std::uint32_t code, char16_t* out) {
    if (code >= 0x10000) {
        *out++ = static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
        *out++ = static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
        *out++ = static_cast<char16_t>(code);
    }
    return out;
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
        const std::uint8_t leadByte = bytes[i];
        Lead lead;
        if (leadByte < 0x80) {
            *out++ = leadByte;
            ++i;
            continue;
        }
        if (!readLead(leadByte, lead)) {
            *out++ = kReplacement;
            ++i;
            continue;
        }
        // The sequence ends at its first byte out of range: what was taken
        // so far is one ill-formed part, and that byte starts the next one.
        std::size_t taken = 1;
        bool complete = true;
        for (std::uint32_t k = 0; k < lead.need; ++k) {
            const std::size_t at = i + 1 + k;
            if (at >= count || bytes[at] < lead.low || bytes[at] > lead.high) {
                complete = false;
                break;
            }
            lead.code = (lead.code << 6) | (bytes[at] & 0x3Fu);
            ++taken;
            lead.low = 0x80;
            lead.high = 0xBF;
        }
        i += taken;
        if (complete) {
            out = writeCode(lead.code, out);
        } else {
            *out++ = kReplacement;
        }
    }
    return static_cast<std::size_t>(out - units);
}

std::size_t Utf8::encode(const char16_t* units, std::size_t count, std::uint8_t* bytes) {
    std::uint8_t* out = bytes;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t code = units[i];
        if (code >= 0xD800 && code <= 0xDFFF) {
            const bool pair =
                code <= 0xDBFF && i + 1 < count && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF;
            if (pair) {
                code = 0x10000 + ((code - 0xD800) << 10) + (units[i + 1] - 0xDC00u);
                ++i;
            } else {
                code = kReplacement;
            }
        }
        if (code < 0x80) {
            *out++ = static_cast<std::uint8_t>(code);
        } else if (code < 0x800) {
            *out++ = static_cast<std::uint8_t>(0xC0 | (code >> 6));
            *out++ = static_cast<std::uint8_t>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            *out++ = static_cast<std::uint8_t>(0xE0 | (code >> 12));
            *out++ = static_cast<std::uint8_t>(0x80 | ((code >> 6) & 0x3F));
            *out++ = static_cast<std::uint8_t>(0x80 | (code & 0x3F));
        } else {
            *out++ = static_cast<std::uint8_t>(0xF0 | (code >> 18));
            *out++ = static_cast<std::uint8_t>(0x80 | ((code >> 12) & 0x3F));
            *out++ = static_cast<std::uint8_t>(0x80 | ((code >> 6) & 0x3F));
            *out++ = static_cast<std::uint8_t>(0x80 | (code & 0x3F));
        }
    }
    return static_cast<std::size_t>(out - bytes);
}

} // namespace s::str
