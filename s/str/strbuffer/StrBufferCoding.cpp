#include "s/str/strbuffer/StrBuffer.h"

#include "s/col/_array/ArrayU08.h"
#include "s/str/Utf8.h"
#include "s/str/strbuffer/CodePageConverter.h"

#include <algorithm>
#include <cstring>

// The string buffer's conversions to and from UTF-8, UTF-16 and the
// system's code pages.

namespace s::str::strbuffer {

// ---- code pages -----------------------------------------------------------------------

namespace {

using s::col::_array::ArrayU08;

bool isUtf16CodePage(std::uint32_t codePage) {
    return codePage == StrBuffer::kCodePageUtf16 || codePage == StrBuffer::kCodePageUtf16Be;
}

bool canConvert(std::uint32_t codePage) {
    return codePage == StrBuffer::kCodePageUtf8 || isUtf16CodePage(codePage) ||
           CodePageConverter::isSupported(codePage);
}

} // namespace

ArrayU08* StrBuffer::encode(std::uint32_t codePage, ArrayU08* dest, bool append,
                            bool countTerminator) const {
    if (!canConvert(codePage)) {
        return nullptr;
    }
    const bool ownDest = dest == nullptr;
    if (ownDest) {
        dest = ArrayU08::newInstance();
    }
    const std::uint32_t oldCount = dest->count();
    const std::uint32_t oldPosition = dest->getPosition();
    std::uint64_t room =
        static_cast<std::uint64_t>(unitCount) * (isUtf16CodePage(codePage) ? 2 : 3) + 2;
    const bool systemPage = codePage != kCodePageUtf8 && !isUtf16CodePage(codePage);
    if (systemPage && unitCount > 0) {
        // Some system pages (UTF-7, ISO-2022) need more than 3 bytes a unit.
        const std::int32_t needed =
            CodePageConverter::encode(codePage, items, unitCount, nullptr, 0);
        if (needed < 0) {
            if (ownDest) {
                dest->release();
            }
            return nullptr;
        }
        room = std::max<std::uint64_t>(room, static_cast<std::uint64_t>(needed) + 2);
    }
    const std::uint32_t start = append ? oldCount : 0;
    if (start + room > 0xFFFFFFFFull || !dest->reserve(static_cast<std::uint32_t>(start + room))) {
        if (ownDest) {
            dest->release();
        }
        return nullptr;
    }
    std::uint8_t* out = dest->data() + start;
    std::int64_t written = 0;
    if (codePage == kCodePageUtf8) {
        written = static_cast<std::int64_t>(s::str::Utf8::encode(items, unitCount, out));
    } else if (codePage == kCodePageUtf16) {
        if (unitCount > 0) {
            std::memcpy(out, items, static_cast<std::size_t>(unitCount) * 2);
        }
        written = static_cast<std::int64_t>(unitCount) * 2;
    } else if (codePage == kCodePageUtf16Be) {
        for (std::uint32_t i = 0; i < unitCount; ++i) {
            out[2 * i] = static_cast<std::uint8_t>(items[i] >> 8);
            out[2 * i + 1] = static_cast<std::uint8_t>(items[i] & 0xFF);
        }
        written = static_cast<std::int64_t>(unitCount) * 2;
    } else {
        written = CodePageConverter::encode(codePage, items, unitCount, out,
                                            static_cast<std::uint32_t>(room - 1));
    }
    if (written < 0) {
        // Refused by the platform: leave the caller's array as it was.
        if (ownDest) {
            dest->release();
        } else {
            dest->setCount(oldCount);
            dest->setPosition(oldPosition);
        }
        return nullptr;
    }
    if (!append) {
        dest->setPosition(0);
    }
    out[written] = 0;
    dest->setCount(start + static_cast<std::uint32_t>(written) + (countTerminator ? 1 : 0));
    return dest;
}

ArrayU08* StrBuffer::toUtf8(ArrayU08* dest, bool append, bool countTerminator) const {
    return encode(kCodePageUtf8, dest, append, countTerminator);
}

ArrayU08* StrBuffer::toCodePage(std::uint32_t codePage, ArrayU08* dest, bool append,
                                bool countTerminator) const {
    return encode(codePage, dest, append, countTerminator);
}

ArrayU08* StrBuffer::toOem(ArrayU08* dest, bool append, bool countTerminator) const {
    return encode(CodePageConverter::oemCodePage(), dest, append, countTerminator);
}

std::int32_t StrBuffer::fromCodePage(std::uint32_t codePage, const void* bytes, bool append,
                                     std::int32_t n) {
    if (!canConvert(codePage)) {
        return -1;
    }
    const auto* source = static_cast<const std::uint8_t*>(bytes);
    const bool wide = isUtf16CodePage(codePage);
    std::uint32_t count = 0;
    if (source == nullptr) {
        count = 0;
    } else if (n >= 0) {
        count = static_cast<std::uint32_t>(n);
    } else if (wide) {
        while (source[count] != 0 || source[count + 1] != 0) {
            count += 2;
        }
    } else {
        count = static_cast<std::uint32_t>(std::strlen(reinterpret_cast<const char*>(source)));
    }
    // Room for the worst case: one unit per byte, or per byte pair.
    const std::uint32_t room = wide ? count / 2 : count;
    const std::uint32_t start = append ? unitCount : 0;
    if (static_cast<std::uint64_t>(start) + room > kMaxCapacity) {
        return -1;
    }
    if (append) {
        ensureCapacity(start + room);
    } else {
        reserve(room);
    }
    if (room == 0) {
        if (!append) {
            unitCount = 0;
        }
        return 0;
    }
    char16_t* out = items + start;
    std::int64_t written;
    if (codePage == kCodePageUtf8) {
        written = static_cast<std::int64_t>(s::str::Utf8::decode(source, count, out));
    } else if (codePage == kCodePageUtf16) {
        std::memcpy(out, source, static_cast<std::size_t>(room) * 2);
        written = room;
    } else if (codePage == kCodePageUtf16Be) {
        for (std::uint32_t i = 0; i < room; ++i) {
            out[i] = static_cast<char16_t>((source[2 * i] << 8) | source[2 * i + 1]);
        }
        written = room;
    } else {
        written = CodePageConverter::decode(codePage, source, count, out, room);
        if (written < 0) {
            return -1;
        }
    }
    unitCount = start + static_cast<std::uint32_t>(written);
    return static_cast<std::int32_t>(written);
}

std::int32_t StrBuffer::fromUtf8(const void* bytes, bool append, std::int32_t n) {
    return fromCodePage(kCodePageUtf8, bytes, append, n);
}

std::int32_t StrBuffer::fromOem(const void* bytes, bool append, std::int32_t n) {
    return fromCodePage(CodePageConverter::oemCodePage(), bytes, append, n);
}

} // namespace s::str::strbuffer
