#include "s/str/strbuffer/StrBuffer.h"

#include "s/str/Ascii.h"
#include "s/str/strarray/StrArray.h"
#include "s/str/strbuffer/UnitCompare.h"

#include <string>

// The string buffer's searches, matches, trimming, replacing, splitting and
// words.

namespace s::str::strbuffer {

// ---- searching --------------------------------------------------------------------

namespace {

// The first unit at or after `from` that `matches`, in `pos`.
template <typename Match>
bool scanForward(const char16_t* units, std::uint32_t count, std::uint32_t from, std::uint32_t& pos,
                 Match matches) {
    for (std::uint32_t i = from; i < count; ++i) {
        if (matches(units[i])) {
            pos = i;
            return true;
        }
    }
    return false;
}

// The last unit before `end` that `matches`, in `pos`.
template <typename Match>
bool scanBackward(const char16_t* units, std::uint32_t end, std::uint32_t& pos, Match matches) {
    for (std::uint32_t i = end; i > 0; --i) {
        if (matches(units[i - 1])) {
            pos = i - 1;
            return true;
        }
    }
    return false;
}

} // namespace

bool StrBuffer::indexOf(char16_t ch, std::uint32_t& pos, std::uint32_t from) const {
    return scanForward(items, unitCount, from, pos, [ch](char16_t unit) { return unit == ch; });
}

bool StrBuffer::indexOfIgnoreCase(char16_t ch, std::uint32_t& pos, std::uint32_t from) const {
    const char16_t wanted = s::str::Ascii::toLower(ch);
    return scanForward(items, unitCount, from, pos,
                       [wanted](char16_t unit) { return s::str::Ascii::toLower(unit) == wanted; });
}

bool StrBuffer::indexOfAny(const char16_t* set, std::int32_t n, std::uint32_t& pos,
                           std::uint32_t from) const {
    const std::uint32_t setLength = textLength(set, n);
    return scanForward(items, unitCount, from, pos, [set, setLength](char16_t unit) {
        return UnitCompare::inSet<false>(unit, set, setLength);
    });
}

bool StrBuffer::indexOfAnyIgnoreCase(const char16_t* set, std::int32_t n, std::uint32_t& pos,
                                     std::uint32_t from) const {
    const std::uint32_t setLength = textLength(set, n);
    return scanForward(items, unitCount, from, pos, [set, setLength](char16_t unit) {
        return UnitCompare::inSet<true>(unit, set, setLength);
    });
}

bool StrBuffer::lastIndexOf(char16_t ch, std::uint32_t& pos, std::uint32_t before) const {
    return scanBackward(items, searchEnd(before), pos, [ch](char16_t unit) { return unit == ch; });
}

bool StrBuffer::lastIndexOfIgnoreCase(char16_t ch, std::uint32_t& pos, std::uint32_t before) const {
    const char16_t wanted = s::str::Ascii::toLower(ch);
    return scanBackward(items, searchEnd(before), pos,
                        [wanted](char16_t unit) { return s::str::Ascii::toLower(unit) == wanted; });
}

bool StrBuffer::lastIndexOfAny(const char16_t* set, std::int32_t n, std::uint32_t& pos,
                               std::uint32_t before) const {
    const std::uint32_t setLength = textLength(set, n);
    return scanBackward(items, searchEnd(before), pos, [set, setLength](char16_t unit) {
        return UnitCompare::inSet<false>(unit, set, setLength);
    });
}

bool StrBuffer::lastIndexOfAnyIgnoreCase(const char16_t* set, std::int32_t n, std::uint32_t& pos,
                                         std::uint32_t before) const {
    const std::uint32_t setLength = textLength(set, n);
    return scanBackward(items, searchEnd(before), pos, [set, setLength](char16_t unit) {
        return UnitCompare::inSet<true>(unit, set, setLength);
    });
}

template <bool IgnoreCase>
bool StrBuffer::findString(const char16_t* str, std::uint32_t strLength, std::uint32_t& pos,
                           std::uint32_t from) const {
    if (strLength == 0 || from >= unitCount || unitCount - from < strLength) {
        return false;
    }
    const char16_t first = UnitCompare::fold<IgnoreCase>(str[0]);
    const std::uint32_t lastStart = unitCount - strLength;
    for (std::uint32_t i = from; i <= lastStart; ++i) {
        if (UnitCompare::fold<IgnoreCase>(items[i]) == first &&
            UnitCompare::equal<IgnoreCase>(items + i + 1, str + 1, strLength - 1)) {
            pos = i;
            return true;
        }
    }
    return false;
}

bool StrBuffer::indexOfString(const char16_t* str, std::uint32_t& pos, std::uint32_t from) const {
    return findString<false>(str, textLength(str, -1), pos, from);
}

bool StrBuffer::indexOfStringIgnoreCase(const char16_t* str, std::uint32_t& pos,
                                        std::uint32_t from) const {
    return findString<true>(str, textLength(str, -1), pos, from);
}

template <bool IgnoreCase>
bool StrBuffer::findLastString(const char16_t* str, std::uint32_t& pos,
                               std::uint32_t before) const {
    const std::uint32_t strLength = textLength(str, -1);
    const std::uint32_t end = searchEnd(before);
    if (strLength == 0 || strLength > end) {
        return false;
    }
    for (std::uint32_t start = end - strLength + 1; start > 0; --start) {
        if (UnitCompare::equal<IgnoreCase>(items + start - 1, str, strLength)) {
            pos = start - 1;
            return true;
        }
    }
    return false;
}

bool StrBuffer::lastIndexOfString(const char16_t* str, std::uint32_t& pos,
                                  std::uint32_t before) const {
    return findLastString<false>(str, pos, before);
}

bool StrBuffer::lastIndexOfStringIgnoreCase(const char16_t* str, std::uint32_t& pos,
                                            std::uint32_t before) const {
    return findLastString<true>(str, pos, before);
}

bool StrBuffer::regionMatches(std::uint32_t index, const char16_t* str, std::uint32_t strIndex,
                              std::int32_t n) const {
    if (str == nullptr) {
        return false;
    }
    const std::uint64_t count = textLength(str + strIndex, n);
    const std::uint64_t end = static_cast<std::uint64_t>(index) + count;
    if (n < 0 ? end != unitCount : end > unitCount) {
        return false;
    }
    return UnitCompare::equal<false>(items + index, str + strIndex,
                                     static_cast<std::uint32_t>(count));
}

bool StrBuffer::regionMatchesIgnoreCase(std::uint32_t index, const char16_t* str,
                                        std::uint32_t strIndex, std::int32_t n) const {
    if (str == nullptr) {
        return false;
    }
    const std::uint64_t count = textLength(str + strIndex, n);
    const std::uint64_t end = static_cast<std::uint64_t>(index) + count;
    if (n < 0 ? end != unitCount : end > unitCount) {
        return false;
    }
    return UnitCompare::equal<true>(items + index, str + strIndex,
                                    static_cast<std::uint32_t>(count));
}

bool StrBuffer::startsWith(const char16_t* str, std::int32_t n) const {
    const std::uint32_t count = textLength(str, n);
    return count <= unitCount && UnitCompare::equal<false>(items, str, count);
}

bool StrBuffer::startsWithIgnoreCase(const char16_t* str, std::int32_t n) const {
    const std::uint32_t count = textLength(str, n);
    return count <= unitCount && UnitCompare::equal<true>(items, str, count);
}

bool StrBuffer::endsWith(const char16_t* str, std::int32_t n) const {
    const std::uint32_t count = textLength(str, n);
    return count <= unitCount && UnitCompare::equal<false>(items + (unitCount - count), str, count);
}

bool StrBuffer::endsWithIgnoreCase(const char16_t* str, std::int32_t n) const {
    const std::uint32_t count = textLength(str, n);
    return count <= unitCount && UnitCompare::equal<true>(items + (unitCount - count), str, count);
}

namespace {

// Compares like wcsncmp (n < 0: wcscmp), the end of `text` counting as a zero.
template <bool IgnoreCase>
int compareZeroTerminated(const char16_t* text, std::uint32_t textLength, const char16_t* str,
                          std::int32_t n) {
    const std::uint64_t limit = n < 0 ? ~0ull : static_cast<std::uint64_t>(n);
    for (std::uint64_t i = 0; i < limit; ++i) {
        const char16_t a = UnitCompare::fold<IgnoreCase>(i < textLength ? text[i] : u'\0');
        const char16_t b = UnitCompare::fold<IgnoreCase>(str[i]);
        if (a != b) {
            return a < b ? -1 : 1;
        }
        if (a == 0) {
            break;
        }
    }
    return 0;
}

} // namespace

int StrBuffer::compareAt(std::uint32_t index, const char16_t* str, std::uint32_t strIndex,
                         std::int32_t n) const {
    if (index > unitCount || str == nullptr) {
        return -1;
    }
    return compareZeroTerminated<false>(items + index, unitCount - index, str + strIndex, n);
}

int StrBuffer::compareAtIgnoreCase(std::uint32_t index, const char16_t* str, std::uint32_t strIndex,
                                   std::int32_t n) const {
    if (index > unitCount || str == nullptr) {
        return -1;
    }
    return compareZeroTerminated<true>(items + index, unitCount - index, str + strIndex, n);
}

// ---- trimming ---------------------------------------------------------------------

bool StrBuffer::isTrimSpace(char16_t ch) {
    return ch == u' ' || ch == u'\n' || ch == u'\x3000' || ch == u'\t' || ch == u'\r';
}

void StrBuffer::trimEnd(std::uint32_t keep) {
    while (unitCount > keep && isTrimSpace(items[unitCount - 1])) {
        --unitCount;
    }
}

void StrBuffer::trimEndChars(const char16_t* set, std::uint32_t keep, std::int32_t n) {
    const std::uint32_t setLength = textLength(set, n);
    while (unitCount > keep && UnitCompare::inSet<false>(items[unitCount - 1], set, setLength)) {
        --unitCount;
    }
}

void StrBuffer::trimStart() {
    std::uint32_t count = 0;
    while (count < unitCount && isTrimSpace(items[count])) {
        ++count;
    }
    removeRange(0, count);
}

void StrBuffer::trimStartChars(const char16_t* set, std::int32_t n) {
    const std::uint32_t setLength = textLength(set, n);
    std::uint32_t count = 0;
    while (count < unitCount && UnitCompare::inSet<false>(items[count], set, setLength)) {
        ++count;
    }
    removeRange(0, count);
}

s::str::strarray::StrArray* StrBuffer::split(char16_t ch) const {
    s::str::strarray::StrArray* pieces = s::str::strarray::StrArray::newInstance();
    std::uint32_t start = 0;
    while (start < unitCount) {
        std::uint32_t end = unitCount;
        indexOf(ch, end, start);
        if (end > start) {
            pieces->appendCopy(items + start, end - start);
        }
        start = end + 1;
    }
    return pieces;
}

namespace {

// Units that separate words: Latin-1 other than letters, digits, '%', '+'
// and '-', and the CJK punctuation that plays the part of spaces and brackets.
bool isWordSeparator(char16_t ch) {
    if (ch <= 0xFF) {
        const bool wordUnit = (ch >= u'0' && ch <= u'9') || (ch >= u'A' && ch <= u'Z') ||
                              (ch >= u'a' && ch <= u'z') || ch == u'%' || ch == u'+' || ch == u'-';
        return !wordUnit;
    }
    switch (ch) {
    case 0x3000:
    case 0x3001:
    case 0x3002:
    case 0x300C:
    case 0x300D:
    case 0x3010:
    case 0x3011:
    case 0xFF08:
    case 0xFF09:
        return true;
    default:
        return false;
    }
}

bool isStopWord(const char16_t* word, std::uint32_t n) {
    // A fixed, read-only list: nothing to fill or guard.
    static const char16_t* const kStopWords[] = {u"the", u"of", u"and"};
    for (const char16_t* stop : kStopWords) {
        std::uint32_t length = 0;
        while (stop[length] != 0) {
            ++length;
        }
        if (length == n && UnitCompare::equal<true>(word, stop, n)) {
            return true;
        }
    }
    return false;
}

} // namespace

s::str::strarray::StrArray* StrBuffer::words(bool skipStopWords) const {
    s::str::strarray::StrArray* found = s::str::strarray::StrArray::newInstance();
    std::uint32_t i = 0;
    while (i < unitCount) {
        while (i < unitCount && isWordSeparator(items[i])) {
            ++i;
        }
        const std::uint32_t start = i;
        while (i < unitCount && !isWordSeparator(items[i])) {
            ++i;
        }
        const std::uint32_t n = i - start;
        if (n == 0 || (skipStopWords && isStopWord(items + start, n))) {
            continue;
        }
        std::uint32_t index = 0;
        if (!found->indexOfIgnoreCase(items + start, n, index)) {
            found->appendCopy(items + start, n);
        }
    }
    return found;
}

// ---- replacing ------------------------------------------------------------------

template <bool IgnoreCase>
std::uint32_t StrBuffer::replaceAllImpl(const char16_t* find, const char16_t* with) {
    const std::uint32_t findLength = textLength(find, -1);
    if (findLength == 0 || unitCount < findLength) {
        return 0;
    }
    // The patterns may point into this buffer, which the passes below change.
    std::u16string findCopy;
    std::u16string withCopy;
    if (ownsUnits(find)) {
        findCopy.assign(find, findLength);
        find = findCopy.c_str();
    }
    const std::uint32_t withLength = textLength(with, -1);
    if (ownsUnits(with)) {
        withCopy.assign(with, withLength);
        with = withCopy.c_str();
    }

    std::uint32_t found = 0;
    if (!findString<IgnoreCase>(find, findLength, found, 0)) {
        return 0;
    }
    std::uint32_t replaced = 0;
    if (withLength == findLength) {
        // 1. Same length: overwrite each occurrence in place.
        do {
            copyUnits(items + found, with, withLength);
            ++replaced;
        } while (findString<IgnoreCase>(find, findLength, found, found + findLength));
    } else if (withLength < findLength) {
        // 2. Shorter: compact while scanning; the write index never passes
        //    the read index, so the text still to be searched is intact.
        std::uint32_t readIndex = 0;
        std::uint32_t writeIndex = 0;
        do {
            copyUnits(items + writeIndex, items + readIndex, found - readIndex);
            writeIndex += found - readIndex;
            copyUnits(items + writeIndex, with, withLength);
            writeIndex += withLength;
            readIndex = found + findLength;
            ++replaced;
        } while (findString<IgnoreCase>(find, findLength, found, readIndex));
        copyUnits(items + writeIndex, items + readIndex, unitCount - readIndex);
        unitCount = writeIndex + (unitCount - readIndex);
    } else {
        // 3. Longer: build the result in a second buffer, then take over its
        //    storage and give the old storage back with it.
        StrBuffer* built = newInstance();
        std::uint32_t readIndex = 0;
        do {
            built->append(items + readIndex, found - readIndex);
            built->append(with, withLength);
            readIndex = found + findLength;
            ++replaced;
        } while (findString<IgnoreCase>(find, findLength, found, readIndex));
        built->append(items + readIndex, unitCount - readIndex);
        swapStorage(*built);
        built->release();
    }
    return replaced;
}

std::uint32_t StrBuffer::replaceAll(const char16_t* find, const char16_t* with) {
    return replaceAllImpl<false>(find, with);
}

std::uint32_t StrBuffer::replaceAllIgnoreCase(const char16_t* find, const char16_t* with) {
    return replaceAllImpl<true>(find, with);
}

} // namespace s::str::strbuffer
