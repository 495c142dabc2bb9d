#include "s/xml/Names.h"

#include <cstdint>

namespace s::xml {

namespace {

struct Range {
    std::uint32_t first;
    std::uint32_t last;
};

// The characters that may start a name, besides ':', '_' and ASCII letters.
constexpr Range kStartRanges[] = {{0xC0, 0xD6},     {0xD8, 0xF6},     {0xF8, 0x2FF},
                                  {0x370, 0x37D},   {0x37F, 0x1FFF},  {0x200C, 0x200D},
                                  {0x2070, 0x218F}, {0x2C00, 0x2FEF}, {0x3001, 0xD7FF},
                                  {0xF900, 0xFDCF}, {0xFDF0, 0xFFFD}, {0x10000, 0xEFFFF}};

bool inRanges(std::uint32_t code, const Range* ranges, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (code >= ranges[i].first && code <= ranges[i].last) {
            return true;
        }
    }
    return false;
}

bool isStart(std::uint32_t code) {
    if ((code >= u'a' && code <= u'z') || (code >= u'A' && code <= u'Z') || code == u'_' ||
        code == u':') {
        return true;
    }
    return inRanges(code, kStartRanges, sizeof(kStartRanges) / sizeof(kStartRanges[0]));
}

bool isPart(std::uint32_t code) {
    return isStart(code) || (code >= u'0' && code <= u'9') || code == u'-' || code == u'.' ||
           code == 0xB7 || (code >= 0x300 && code <= 0x36F) || (code >= 0x203F && code <= 0x2040);
}

} // namespace

bool Names::isName(const char16_t* text, std::size_t count) {
    if (text == nullptr || count == 0) {
        return false;
    }
    std::size_t step = 1;
    for (std::size_t i = 0; i < count; i += step) {
        // A complete surrogate pair is one character; half of a pair keeps
        // its own value, which no range admits.
        std::uint32_t code = text[i];
        step = 1;
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < count && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
            step = 2;
        }
        if (!(i == 0 ? isStart(code) : isPart(code))) {
            return false;
        }
    }
    return true;
}

bool Names::isName(const char16_t* text) {
    if (text == nullptr) {
        return false;
    }
    std::size_t count = 0;
    while (text[count] != 0) {
        ++count;
    }
    return isName(text, count);
}

} // namespace s::xml
