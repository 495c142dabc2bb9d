#include "s/str/strbuffer/StrBuffer.h"

#include "s/col/_array/ArrayU08.h"
#include "s/str/strarray/StrArray.h"
#include "s/str/strbuffer/CodePageConverter.h"
#include "s/str/strbuffer/Iterator.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace s::str::strbuffer {

// The stream view hands out the storage's bytes as UTF-16LE.
#if defined(__BYTE_ORDER__) && defined(__ORDER_LITTLE_ENDIAN__)
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the stream view assumes little-endian");
#endif

namespace {

constexpr char16_t kEmptyText[1] = {u'\0'};
constexpr char16_t kHexDigits[] = u"0123456789abcdef";

// Growth is the one place that allocates; running out of memory is not
// something a caller of an append could handle, so it ends the process in a
// defined way instead of writing through a null pointer.
char16_t* allocateUnits(std::uint32_t count) {
    void* memory = std::malloc(static_cast<std::size_t>(count) * sizeof(char16_t));
    if (memory == nullptr) {
        std::abort();
    }
    return static_cast<char16_t*>(memory);
}

template <bool IgnoreCase> inline char16_t fold(char16_t ch) {
    return IgnoreCase ? StrBuffer::toLowerUnit(ch) : ch;
}

template <bool IgnoreCase> bool unitsEqual(const char16_t* a, const char16_t* b, std::uint32_t n) {
    if (!IgnoreCase) {
        return n == 0 || std::memcmp(a, b, n * sizeof(char16_t)) == 0;
    }
    for (std::uint32_t i = 0; i < n; ++i) {
        if (fold<true>(a[i]) != fold<true>(b[i])) {
            return false;
        }
    }
    return true;
}

template <bool IgnoreCase> bool inSet(char16_t ch, const char16_t* set, std::uint32_t n) {
    const char16_t wanted = fold<IgnoreCase>(ch);
    for (std::uint32_t i = 0; i < n; ++i) {
        if (fold<IgnoreCase>(set[i]) == wanted) {
            return true;
        }
    }
    return false;
}

// -1, 0 or 1 over units compared as unsigned numbers, the shorter text first.
template <bool IgnoreCase>
int compareUnits(const char16_t* a, std::uint32_t aLength, const char16_t* b,
                 std::uint32_t bLength) {
    const std::uint32_t common = std::min(aLength, bLength);
    for (std::uint32_t i = 0; i < common; ++i) {
        const char16_t x = fold<IgnoreCase>(a[i]);
        const char16_t y = fold<IgnoreCase>(b[i]);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (aLength == bLength) {
        return 0;
    }
    return aLength < bLength ? -1 : 1;
}

const s::str::IStr* asStr(const s::base::IComparable* other) {
    return dynamic_cast<const s::str::IStr*>(other);
}

bool isParseSpace(char16_t ch) {
    return ch == u' ' || (ch >= u'\t' && ch <= u'\r');
}

bool isDigit(char16_t ch) {
    return ch >= u'0' && ch <= u'9';
}

int hexValue(char16_t ch) {
    if (ch >= u'0' && ch <= u'9') {
        return ch - u'0';
    }
    if (ch >= u'a' && ch <= u'f') {
        return ch - u'a' + 10;
    }
    if (ch >= u'A' && ch <= u'F') {
        return ch - u'A' + 10;
    }
    return -1;
}

// The sign and the magnitude of a decimal integer (see the header for the
// grammar); the magnitude saturates at the largest 64-bit value.
struct ParsedInteger {
    bool negative = false;
    std::uint64_t magnitude = 0;
    bool overflow = false;
};

ParsedInteger parseDecimal(const char16_t* text, std::uint32_t n, std::uint64_t limit) {
    ParsedInteger result;
    std::uint32_t i = 0;
    while (i < n && isParseSpace(text[i])) {
        ++i;
    }
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        result.negative = text[i] == u'-';
        ++i;
    }
    for (; i < n && isDigit(text[i]); ++i) {
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

} // namespace

StrBuffer::~StrBuffer() {
    std::free(items_);
}

// ---- object model -------------------------------------------------------------

int StrBuffer::compareTo(const s::base::IComparable* other,
                         const s::base::IComparator* comparator) const {
    const s::str::IStr* that = asStr(other);
    if (that == nullptr) {
        return IComparable::compareTo(other, nullptr);
    }
    // Byte order of the UTF-16LE text: the low byte of a unit decides first.
    const char16_t* theirs = that->data();
    const std::uint32_t common = std::min(length_, that->length());
    for (std::uint32_t i = 0; i < common; ++i) {
        const char16_t a = items_[i];
        const char16_t b = theirs[i];
        if (a != b) {
            const unsigned swappedA = ((a & 0xFFu) << 8) | (a >> 8);
            const unsigned swappedB = ((b & 0xFFu) << 8) | (b >> 8);
            return swappedA < swappedB ? -1 : 1;
        }
    }
    if (length_ == that->length()) {
        return 0;
    }
    return length_ < that->length() ? -1 : 1;
}

int StrBuffer::compareToIgnoreCase(const s::base::IComparable* other,
                                   const s::base::IComparator* comparator) const {
    const s::str::IStr* that = asStr(other);
    if (that == nullptr) {
        return IComparable::compareTo(other, nullptr);
    }
    return compareUnits<true>(items_, length_, that->data(), that->length());
}

bool StrBuffer::equals(const s::base::IComparable* other,
                       const s::base::IComparator* comparator) const {
    if (comparator != nullptr) {
        return comparator->compare(this, other) == 0;
    }
    const s::str::IStr* that = asStr(other);
    return that != nullptr && that->length() == length_ &&
           unitsEqual<false>(items_, that->data(), length_);
}

bool StrBuffer::equalsIgnoreCase(const s::base::IComparable* other,
                                 const s::base::IComparator* comparator) const {
    if (comparator != nullptr) {
        return comparator->compareIgnoreCase(this, other) == 0;
    }
    const s::str::IStr* that = asStr(other);
    return that != nullptr && that->length() == length_ &&
           unitsEqual<true>(items_, that->data(), length_);
}

std::int32_t StrBuffer::hashCode() const {
    std::uint32_t hash = 0;
    for (std::uint32_t i = 0; i < length_; ++i) {
        hash = ((hash << 1) | ((hash >> 30) & 1u)) ^ items_[i];
    }
    return static_cast<std::int32_t>(hash);
}

std::int32_t StrBuffer::hashCodeIgnoreCase() const {
    std::uint32_t hash = 0;
    for (std::uint32_t i = 0; i < length_; ++i) {
        hash = ((hash << 1) | ((hash >> 30) & 1u)) ^ toLowerUnit(items_[i]);
    }
    return static_cast<std::int32_t>(hash);
}

bool StrBuffer::equalsWcs(const char16_t* text, std::int32_t n) const {
    const std::uint32_t count = textLength(text, n);
    return count == length_ && unitsEqual<false>(items_, text, count);
}

bool StrBuffer::equalsWcsIgnoreCase(const char16_t* text, std::int32_t n) const {
    const std::uint32_t count = textLength(text, n);
    return count == length_ && unitsEqual<true>(items_, text, count);
}

int StrBuffer::compareWcs(const char16_t* text, std::int32_t n) const {
    return compareUnits<false>(items_, length_, text, textLength(text, n));
}

int StrBuffer::compareWcsIgnoreCase(const char16_t* text, std::int32_t n) const {
    return compareUnits<true>(items_, length_, text, textLength(text, n));
}

// ---- storage --------------------------------------------------------------------

std::uint32_t StrBuffer::growStep(std::uint32_t capacity) {
    std::uint64_t next;
    if (capacity < 100) {
        next = 100;
    } else if (capacity < 10000000) {
        next = 3ull * capacity;
    } else if (capacity < 50000000) {
        next = 2ull * capacity;
    } else if (capacity < 100000000) {
        next = capacity + capacity / 2;
    } else {
        next = static_cast<std::uint64_t>(capacity) * 6 / 5;
    }
    return next > kMaxCapacity ? kMaxCapacity : static_cast<std::uint32_t>(next);
}

void StrBuffer::reserve(std::uint32_t n) {
    if (capacity_ >= n) {
        return;
    }
    if (n > kMaxCapacity) {
        std::abort();
    }
    char16_t* grown = allocateUnits(n + 1);
    copyUnits(grown, items_, length_);
    std::free(items_);
    items_ = grown;
    capacity_ = n;
}

void StrBuffer::growOnce() {
    if (capacity_ >= kMaxCapacity) {
        std::abort();
    }
    reserve(growStep(capacity_));
}

void StrBuffer::ensureCapacity(std::uint32_t n) {
    std::uint32_t grown = capacity_;
    while (grown < n) {
        if (grown >= kMaxCapacity) {
            std::abort();
        }
        grown = growStep(grown);
    }
    reserve(grown);
}

void StrBuffer::freeStorage() {
    std::free(items_);
    items_ = nullptr;
    length_ = 0;
    capacity_ = 0;
    position_ = 0;
}

void StrBuffer::terminate(int) const {
    if (length_ > 0 && items_[length_] != 0) {
        items_[length_] = 0;
    }
}

const char16_t* StrBuffer::c_str() const {
    if (length_ == 0) {
        return kEmptyText;
    }
    terminate();
    return items_;
}

char16_t* StrBuffer::charPtrAt(std::uint32_t i) const {
    return items_ != nullptr && i <= length_ ? items_ + i : nullptr;
}

std::uint32_t StrBuffer::textLength(const char16_t* text, std::int32_t n) {
    if (text == nullptr) {
        return 0;
    }
    if (n >= 0) {
        return static_cast<std::uint32_t>(n);
    }
    std::uint32_t count = 0;
    while (text[count] != 0) {
        ++count;
    }
    return count;
}

// ---- characters -----------------------------------------------------------------

void StrBuffer::reverse() {
    if (length_ > 1) {
        std::reverse(items_, items_ + length_);
    }
}

void StrBuffer::toLowerCase() {
    for (std::uint32_t i = 0; i < length_; ++i) {
        items_[i] = toLowerUnit(items_[i]);
    }
}

void StrBuffer::toUpperCase() {
    for (std::uint32_t i = 0; i < length_; ++i) {
        items_[i] = toUpperUnit(items_[i]);
    }
}

void StrBuffer::toCapitalized() {
    toLowerCase();
    if (length_ > 0) {
        items_[0] = toUpperUnit(items_[0]);
    }
}

// ---- searching --------------------------------------------------------------------

bool StrBuffer::indexOf(char16_t ch, std::uint32_t& pos, std::uint32_t from) const {
    for (std::uint32_t i = from; i < length_; ++i) {
        if (items_[i] == ch) {
            pos = i;
            return true;
        }
    }
    return false;
}

bool StrBuffer::indexOfIgnoreCase(char16_t ch, std::uint32_t& pos, std::uint32_t from) const {
    const char16_t wanted = toLowerUnit(ch);
    for (std::uint32_t i = from; i < length_; ++i) {
        if (toLowerUnit(items_[i]) == wanted) {
            pos = i;
            return true;
        }
    }
    return false;
}

bool StrBuffer::indexOfAny(const char16_t* set, std::int32_t n, std::uint32_t& pos,
                           std::uint32_t from) const {
    const std::uint32_t setLength = textLength(set, n);
    for (std::uint32_t i = from; i < length_; ++i) {
        if (inSet<false>(items_[i], set, setLength)) {
            pos = i;
            return true;
        }
    }
    return false;
}

bool StrBuffer::indexOfAnyIgnoreCase(const char16_t* set, std::int32_t n, std::uint32_t& pos,
                                     std::uint32_t from) const {
    const std::uint32_t setLength = textLength(set, n);
    for (std::uint32_t i = from; i < length_; ++i) {
        if (inSet<true>(items_[i], set, setLength)) {
            pos = i;
            return true;
        }
    }
    return false;
}

bool StrBuffer::lastIndexOf(char16_t ch, std::uint32_t& pos, std::uint32_t before) const {
    for (std::uint32_t i = searchEnd(before); i > 0; --i) {
        if (items_[i - 1] == ch) {
            pos = i - 1;
            return true;
        }
    }
    return false;
}

bool StrBuffer::lastIndexOfIgnoreCase(char16_t ch, std::uint32_t& pos, std::uint32_t before) const {
    const char16_t wanted = toLowerUnit(ch);
    for (std::uint32_t i = searchEnd(before); i > 0; --i) {
        if (toLowerUnit(items_[i - 1]) == wanted) {
            pos = i - 1;
            return true;
        }
    }
    return false;
}

bool StrBuffer::lastIndexOfAny(const char16_t* set, std::int32_t n, std::uint32_t& pos,
                               std::uint32_t before) const {
    const std::uint32_t setLength = textLength(set, n);
    for (std::uint32_t i = searchEnd(before); i > 0; --i) {
        if (inSet<false>(items_[i - 1], set, setLength)) {
            pos = i - 1;
            return true;
        }
    }
    return false;
}

bool StrBuffer::lastIndexOfAnyIgnoreCase(const char16_t* set, std::int32_t n, std::uint32_t& pos,
                                         std::uint32_t before) const {
    const std::uint32_t setLength = textLength(set, n);
    for (std::uint32_t i = searchEnd(before); i > 0; --i) {
        if (inSet<true>(items_[i - 1], set, setLength)) {
            pos = i - 1;
            return true;
        }
    }
    return false;
}

template <bool IgnoreCase>
bool StrBuffer::findString(const char16_t* str, std::uint32_t strLength, std::uint32_t& pos,
                           std::uint32_t from) const {
    if (strLength == 0 || from >= length_ || length_ - from < strLength) {
        return false;
    }
    const char16_t first = fold<IgnoreCase>(str[0]);
    const std::uint32_t lastStart = length_ - strLength;
    for (std::uint32_t i = from; i <= lastStart; ++i) {
        if (fold<IgnoreCase>(items_[i]) == first &&
            unitsEqual<IgnoreCase>(items_ + i + 1, str + 1, strLength - 1)) {
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
        if (unitsEqual<IgnoreCase>(items_ + start - 1, str, strLength)) {
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
    if (n < 0 ? end != length_ : end > length_) {
        return false;
    }
    return unitsEqual<false>(items_ + index, str + strIndex, static_cast<std::uint32_t>(count));
}

bool StrBuffer::regionMatchesIgnoreCase(std::uint32_t index, const char16_t* str,
                                        std::uint32_t strIndex, std::int32_t n) const {
    if (str == nullptr) {
        return false;
    }
    const std::uint64_t count = textLength(str + strIndex, n);
    const std::uint64_t end = static_cast<std::uint64_t>(index) + count;
    if (n < 0 ? end != length_ : end > length_) {
        return false;
    }
    return unitsEqual<true>(items_ + index, str + strIndex, static_cast<std::uint32_t>(count));
}

bool StrBuffer::startsWith(const char16_t* str, std::int32_t n) const {
    const std::uint32_t count = textLength(str, n);
    return count <= length_ && unitsEqual<false>(items_, str, count);
}

bool StrBuffer::startsWithIgnoreCase(const char16_t* str, std::int32_t n) const {
    const std::uint32_t count = textLength(str, n);
    return count <= length_ && unitsEqual<true>(items_, str, count);
}

bool StrBuffer::endsWith(const char16_t* str, std::int32_t n) const {
    const std::uint32_t count = textLength(str, n);
    return count <= length_ && unitsEqual<false>(items_ + (length_ - count), str, count);
}

bool StrBuffer::endsWithIgnoreCase(const char16_t* str, std::int32_t n) const {
    const std::uint32_t count = textLength(str, n);
    return count <= length_ && unitsEqual<true>(items_ + (length_ - count), str, count);
}

namespace {

// Compares like wcsncmp (n < 0: wcscmp), the end of `text` counting as a zero.
template <bool IgnoreCase>
int compareZeroTerminated(const char16_t* text, std::uint32_t textLength, const char16_t* str,
                          std::int32_t n) {
    const std::uint64_t limit = n < 0 ? ~0ull : static_cast<std::uint64_t>(n);
    for (std::uint64_t i = 0; i < limit; ++i) {
        const char16_t a = fold<IgnoreCase>(i < textLength ? text[i] : u'\0');
        const char16_t b = fold<IgnoreCase>(str[i]);
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
    if (index > length_ || str == nullptr) {
        return -1;
    }
    return compareZeroTerminated<false>(items_ + index, length_ - index, str + strIndex, n);
}

int StrBuffer::compareAtIgnoreCase(std::uint32_t index, const char16_t* str, std::uint32_t strIndex,
                                   std::int32_t n) const {
    if (index > length_ || str == nullptr) {
        return -1;
    }
    return compareZeroTerminated<true>(items_ + index, length_ - index, str + strIndex, n);
}

// ---- trimming ---------------------------------------------------------------------

bool StrBuffer::isTrimSpace(char16_t ch) {
    return ch == u' ' || ch == u'\n' || ch == u'\x3000' || ch == u'\t' || ch == u'\r';
}

void StrBuffer::trimEnd(std::uint32_t keep) {
    while (length_ > keep && isTrimSpace(items_[length_ - 1])) {
        --length_;
    }
}

void StrBuffer::trimEndChars(const char16_t* set, std::uint32_t keep, std::int32_t n) {
    const std::uint32_t setLength = textLength(set, n);
    while (length_ > keep && inSet<false>(items_[length_ - 1], set, setLength)) {
        --length_;
    }
}

void StrBuffer::trimStart() {
    std::uint32_t count = 0;
    while (count < length_ && isTrimSpace(items_[count])) {
        ++count;
    }
    removeRange(0, count);
}

void StrBuffer::trimStartChars(const char16_t* set, std::int32_t n) {
    const std::uint32_t setLength = textLength(set, n);
    std::uint32_t count = 0;
    while (count < length_ && inSet<false>(items_[count], set, setLength)) {
        ++count;
    }
    removeRange(0, count);
}

// ---- editing ----------------------------------------------------------------------

void StrBuffer::appendGrowing(const char16_t* units, std::uint32_t n) {
    // The units may be part of this very buffer (appending a buffer to
    // itself): growing frees the old storage, so remember them by offset.
    if (ownsUnits(units)) {
        const std::size_t offset = static_cast<std::size_t>(units - items_);
        ensureCapacity(length_ + n);
        units = items_ + offset;
    } else {
        if (static_cast<std::uint64_t>(length_) + n > kMaxCapacity) {
            std::abort();
        }
        ensureCapacity(length_ + n);
    }
    copyUnits(items_ + length_, units, n);
    length_ += n;
}

void StrBuffer::appendStr(const s::str::IStr* other) {
    if (other != nullptr) {
        append(other->data(), other->length());
    }
}

void StrBuffer::appendWcs(const char16_t* text) {
    append(text, textLength(text, -1));
}

void StrBuffer::appendAscii(const char* bytes, std::uint32_t n) {
    if (bytes == nullptr || n == 0) {
        return;
    }
    if (n > capacity_ - length_) {
        ensureCapacity(length_ + n);
    }
    char16_t* out = items_ + length_;
    for (std::uint32_t i = 0; i < n; ++i) {
        out[i] = static_cast<unsigned char>(bytes[i]);
    }
    length_ += n;
}

void StrBuffer::appendAsciiz(const char* bytes) {
    if (bytes != nullptr) {
        appendAscii(bytes, static_cast<std::uint32_t>(std::strlen(bytes)));
    }
}

void StrBuffer::insert(std::uint32_t index, const char16_t* units, std::uint32_t n) {
    if (units == nullptr || n == 0) {
        return;
    }
    if (index >= length_) {
        append(units, n);
        return;
    }
    if (ownsUnits(units)) {
        // Inserting a piece of this text: take a copy first.
        const std::u16string copy(units, n);
        insert(index, copy.data(), n);
        return;
    }
    if (n > capacity_ - length_) {
        ensureCapacity(length_ + n);
    }
    copyUnits(items_ + index + n, items_ + index, length_ - index);
    copyUnits(items_ + index, units, n);
    length_ += n;
}

void StrBuffer::prepend(const char16_t* units, std::uint32_t n) {
    insert(0, units, n);
}

void StrBuffer::assign(const char16_t* units, std::uint32_t n) {
    if (units == nullptr || n == 0) {
        length_ = 0;
        return;
    }
    if (ownsUnits(units)) {
        // A piece of this text: it lies within the storage, so no growth.
        copyUnits(items_, units, n);
        length_ = n;
        return;
    }
    length_ = 0;
    reserve(n);
    copyUnits(items_, units, n);
    length_ = n;
}

void StrBuffer::assignStr(const s::str::IStr* other) {
    if (other == this) {
        return;
    }
    if (other == nullptr) {
        length_ = 0;
        return;
    }
    assign(other->data(), other->length());
}

void StrBuffer::assignWcs(const char16_t* text) {
    assign(text, textLength(text, -1));
}

void StrBuffer::keepRange(std::uint32_t from, std::uint32_t to) {
    const std::uint32_t end = std::min(to, length_);
    if (from >= end) {
        length_ = 0;
        return;
    }
    copyUnits(items_, items_ + from, end - from);
    length_ = end - from;
}

void StrBuffer::removeRange(std::uint32_t index, std::uint32_t n) {
    if (index >= length_ || n == 0) {
        return;
    }
    const std::uint32_t count = std::min(n, length_ - index);
    copyUnits(items_ + index, items_ + index + count, length_ - index - count);
    length_ -= count;
}

void StrBuffer::swapStorage(StrBuffer& other) {
    std::swap(items_, other.items_);
    std::swap(length_, other.length_);
    std::swap(capacity_, other.capacity_);
}

template <bool IgnoreCase>
std::uint32_t StrBuffer::replaceAllImpl(const char16_t* find, const char16_t* with) {
    const std::uint32_t findLength = textLength(find, -1);
    if (findLength == 0 || length_ < findLength) {
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
            copyUnits(items_ + found, with, withLength);
            ++replaced;
        } while (findString<IgnoreCase>(find, findLength, found, found + findLength));
    } else if (withLength < findLength) {
        // 2. Shorter: compact while scanning; the write index never passes
        //    the read index, so the text still to be searched is intact.
        std::uint32_t readIndex = 0;
        std::uint32_t writeIndex = 0;
        do {
            copyUnits(items_ + writeIndex, items_ + readIndex, found - readIndex);
            writeIndex += found - readIndex;
            copyUnits(items_ + writeIndex, with, withLength);
            writeIndex += withLength;
            readIndex = found + findLength;
            ++replaced;
        } while (findString<IgnoreCase>(find, findLength, found, readIndex));
        copyUnits(items_ + writeIndex, items_ + readIndex, length_ - readIndex);
        length_ = writeIndex + (length_ - readIndex);
    } else {
        // 3. Longer: build the result in a second buffer, then take over its
        //    storage and give the old storage back with it.
        StrBuffer* built = newInstance();
        std::uint32_t readIndex = 0;
        do {
            built->append(items_ + readIndex, found - readIndex);
            built->append(with, withLength);
            readIndex = found + findLength;
            ++replaced;
        } while (findString<IgnoreCase>(find, findLength, found, readIndex));
        built->append(items_ + readIndex, length_ - readIndex);
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

// ---- new buffers --------------------------------------------------------------------

StrBuffer* StrBuffer::clone() const {
    StrBuffer* copy = newInstance();
    copy->assign(items_, length_);
    return copy;
}

StrBuffer* StrBuffer::substring(std::uint32_t from, std::uint32_t to) const {
    StrBuffer* piece = newInstance();
    const std::uint32_t end = std::min(to, length_);
    if (from < end) {
        piece->assign(items_ + from, end - from);
    }
    return piece;
}

StrBuffer* StrBuffer::newPrefix(bool found, std::uint32_t end) const {
    StrBuffer* prefix = newInstance();
    if (found) {
        prefix->assign(items_, end);
    }
    return prefix;
}

StrBuffer* StrBuffer::beforeLast(char16_t ch, std::uint32_t before) const {
    std::uint32_t pos = 0;
    const bool found = lastIndexOf(ch, pos, before);
    return newPrefix(found, pos);
}

StrBuffer* StrBuffer::beforeLastIgnoreCase(char16_t ch, std::uint32_t before) const {
    std::uint32_t pos = 0;
    const bool found = lastIndexOfIgnoreCase(ch, pos, before);
    return newPrefix(found, pos);
}

StrBuffer* StrBuffer::beforeLastAny(const char16_t* set, std::int32_t n,
                                    std::uint32_t before) const {
    std::uint32_t pos = 0;
    const bool found = lastIndexOfAny(set, n, pos, before);
    return newPrefix(found, pos);
}

StrBuffer* StrBuffer::beforeLastAnyIgnoreCase(const char16_t* set, std::int32_t n,
                                              std::uint32_t before) const {
    std::uint32_t pos = 0;
    const bool found = lastIndexOfAnyIgnoreCase(set, n, pos, before);
    return newPrefix(found, pos);
}

StrBuffer* StrBuffer::beforeLastString(const char16_t* str, std::uint32_t before) const {
    std::uint32_t pos = 0;
    const bool found = lastIndexOfString(str, pos, before);
    return newPrefix(found, pos);
}

StrBuffer* StrBuffer::beforeLastStringIgnoreCase(const char16_t* str, std::uint32_t before) const {
    std::uint32_t pos = 0;
    const bool found = lastIndexOfStringIgnoreCase(str, pos, before);
    return newPrefix(found, pos);
}

s::str::strarray::StrArray* StrBuffer::split(char16_t ch) const {
    s::str::strarray::StrArray* pieces = s::str::strarray::StrArray::newInstance();
    std::uint32_t start = 0;
    while (start < length_) {
        std::uint32_t end = length_;
        indexOf(ch, end, start);
        if (end > start) {
            pieces->appendCopy(items_ + start, end - start);
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
        if (length == n && unitsEqual<true>(word, stop, n)) {
            return true;
        }
    }
    return false;
}

} // namespace

s::str::strarray::StrArray* StrBuffer::words(bool skipStopWords) const {
    s::str::strarray::StrArray* found = s::str::strarray::StrArray::newInstance();
    std::uint32_t i = 0;
    while (i < length_) {
        while (i < length_ && isWordSeparator(items_[i])) {
            ++i;
        }
        const std::uint32_t start = i;
        while (i < length_ && !isWordSeparator(items_[i])) {
            ++i;
        }
        const std::uint32_t n = i - start;
        if (n == 0 || (skipStopWords && isStopWord(items_ + start, n))) {
            continue;
        }
        std::uint32_t index = 0;
        if (!found->indexOfIgnoreCase(items_ + start, n, index)) {
            found->appendCopy(items_ + start, n);
        }
    }
    return found;
}

// ---- numbers ----------------------------------------------------------------------

void StrBuffer::appendDecimalText(const char* digits, std::uint32_t count) {
    // One capacity check with a generous room, then the digits go straight
    // after the text.
    const std::uint32_t room = count > kNumberRoom ? count : kNumberRoom;
    if (room > capacity_ - length_) {
        ensureCapacity(length_ + room);
    }
    char16_t* out = items_ + length_;
    for (std::uint32_t i = 0; i < count; ++i) {
        out[i] = static_cast<unsigned char>(digits[i]);
    }
    length_ += count;
}

void StrBuffer::setDecimalText(const char* digits, std::uint32_t count) {
    // Formatting happens in the caller's stack buffer, so setting a number
    // shares nothing between threads.
    length_ = 0;
    reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        items_[i] = static_cast<unsigned char>(digits[i]);
    }
    length_ = count;
}

namespace {

// Room for any 64-bit integer and for any double in fixed notation with six
// decimals (309 integer digits at most).
constexpr std::size_t kIntegerDigits = 24;
constexpr std::size_t kDoubleDigits = 330;

template <class T> std::uint32_t formatInteger(char* out, T value) {
    const std::to_chars_result result = std::to_chars(out, out + kIntegerDigits, value);
    return static_cast<std::uint32_t>(result.ptr - out);
}

std::uint32_t formatDouble(char* out, double value) {
    const std::to_chars_result result =
        std::to_chars(out, out + kDoubleDigits, value, std::chars_format::fixed, 6);
    return result.ec == std::errc() ? static_cast<std::uint32_t>(result.ptr - out) : 0;
}

} // namespace

void StrBuffer::appendInt64(std::int64_t value) {
    char digits[kIntegerDigits];
    appendDecimalText(digits, formatInteger(digits, value));
}

void StrBuffer::appendUInt64(std::uint64_t value) {
    // Stored texts write both 64-bit kinds with the signed format; the
    // 64-bit parse reads them back to the same bits.
    appendInt64(static_cast<std::int64_t>(value));
}

void StrBuffer::appendInt32(std::int32_t value) {
    char digits[kIntegerDigits];
    appendDecimalText(digits, formatInteger(digits, value));
}

void StrBuffer::appendUInt32(std::uint32_t value) {
    char digits[kIntegerDigits];
    appendDecimalText(digits, formatInteger(digits, value));
}

void StrBuffer::appendDouble(double value) {
    char digits[kDoubleDigits];
    appendDecimalText(digits, formatDouble(digits, value));
}

void StrBuffer::setInt64(std::int64_t value) {
    char digits[kIntegerDigits];
    setDecimalText(digits, formatInteger(digits, value));
}

void StrBuffer::setUInt64(std::uint64_t value) {
    setInt64(static_cast<std::int64_t>(value));
}

void StrBuffer::setInt32(std::int32_t value) {
    char digits[kIntegerDigits];
    setDecimalText(digits, formatInteger(digits, value));
}

void StrBuffer::setUInt32(std::uint32_t value) {
    char digits[kIntegerDigits];
    setDecimalText(digits, formatInteger(digits, value));
}

void StrBuffer::setDouble(double value) {
    char digits[kDoubleDigits];
    setDecimalText(digits, formatDouble(digits, value));
}

namespace {

template <class T> void writeHex(char16_t* out, T value, unsigned digits) {
    for (unsigned i = digits; i > 0; --i) {
        out[i - 1] = kHexDigits[value & 0xF];
        value = static_cast<T>(value >> 4);
    }
}

} // namespace

template <class T>
static void appendHexValues(StrBuffer& text, const T* values, std::uint32_t count) {
    constexpr unsigned kDigits = sizeof(T) * 2;
    if (values == nullptr || count == 0) {
        return;
    }
    const std::uint64_t units = static_cast<std::uint64_t>(count) * kDigits;
    text.ensureCapacity(static_cast<std::uint32_t>(
        std::min<std::uint64_t>(text.length() + units, std::numeric_limits<std::uint32_t>::max())));
    char16_t* out = text.data() + text.length();
    for (std::uint32_t i = 0; i < count; ++i) {
        writeHex(out + static_cast<std::size_t>(i) * kDigits, values[i], kDigits);
    }
    text.setLength(text.length() + static_cast<std::uint32_t>(units));
}

void StrBuffer::appendHex64s(const std::uint64_t* values, std::uint32_t count) {
    appendHexValues(*this, values, count);
}

void StrBuffer::appendHex32s(const std::uint32_t* values, std::uint32_t count) {
    appendHexValues(*this, values, count);
}

void StrBuffer::appendHex16s(const std::uint16_t* values, std::uint32_t count) {
    appendHexValues(*this, values, count);
}

void StrBuffer::appendHex8s(const std::uint8_t* values, std::uint32_t count) {
    appendHexValues(*this, values, count);
}

void StrBuffer::appendHex64sAs32s(const std::uint64_t* values, std::uint32_t count) {
    if (values == nullptr) {
        return;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t words[2] = {static_cast<std::uint32_t>(values[i]),
                                        static_cast<std::uint32_t>(values[i] >> 32)};
        appendHexValues(*this, words, 2);
    }
}

std::int32_t StrBuffer::toInt(std::uint32_t from) const {
    return from < length_ ? parseInt32(items_ + from, static_cast<std::int32_t>(length_ - from))
                          : 0;
}

std::int64_t StrBuffer::parseInt64(const char16_t* text, std::int32_t n) {
    const std::uint64_t limit =
        static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    const ParsedInteger parsed = parseDecimal(text, textLength(text, n), limit + 1);
    if (parsed.negative) {
        // -(2^63) is the one magnitude above the positive limit.
        return parsed.magnitude > limit ? std::numeric_limits<std::int64_t>::min()
                                        : -static_cast<std::int64_t>(parsed.magnitude);
    }
    return parsed.magnitude > limit ? std::numeric_limits<std::int64_t>::max()
                                    : static_cast<std::int64_t>(parsed.magnitude);
}

std::int32_t StrBuffer::parseInt32(const char16_t* text, std::int32_t n) {
    const std::int64_t value = parseInt64(text, n);
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

std::uint32_t StrBuffer::parseUInt32(const char16_t* text, std::int32_t n) {
    const std::uint64_t limit = std::numeric_limits<std::uint32_t>::max();
    const ParsedInteger parsed = parseDecimal(text, textLength(text, n), limit);
    if (parsed.overflow) {
        return std::numeric_limits<std::uint32_t>::max();
    }
    const auto magnitude = static_cast<std::uint32_t>(parsed.magnitude);
    return parsed.negative ? 0u - magnitude : magnitude;
}

double StrBuffer::parseDouble(const char16_t* text, std::int32_t n) {
    const std::uint32_t count = textLength(text, n);
    std::uint32_t i = 0;
    while (i < count && isParseSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < count && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    // 1. Collect the number's own characters (digits, one point, an exponent
    //    with its sign) as ASCII; the parse below is locale-independent.
    std::string ascii;
    int integerDigits = 0;
    int leadingFractionZeros = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    bool seenNonZero = false;
    for (; i < count; ++i) {
        const char16_t ch = text[i];
        if (isDigit(ch)) {
            seenDigit = true;
            if (ch != u'0') {
                seenNonZero = true;
            }
            if (!seenPoint && seenNonZero) {
                ++integerDigits;
            } else if (seenPoint && !seenNonZero) {
                ++leadingFractionZeros;
            }
        } else if (ch == u'.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        ascii.push_back(static_cast<char>(ch));
    }
    if (!seenDigit) {
        return 0.0;
    }
    long long exponent = 0;
    if (i < count && (text[i] == u'e' || text[i] == u'E')) {
        std::uint32_t j = i + 1;
        std::string exponentText = "e";
        if (j < count && (text[j] == u'-' || text[j] == u'+')) {
            exponentText.push_back(static_cast<char>(text[j]));
            ++j;
        }
        if (j < count && isDigit(text[j])) {
            long long magnitude = 0;
            for (; j < count && isDigit(text[j]); ++j) {
                exponentText.push_back(static_cast<char>(text[j]));
                magnitude = std::min(magnitude * 10 + (text[j] - u'0'), 100000000ll);
            }
            ascii += exponentText;
            exponent = exponentText[1] == '-' ? -magnitude : magnitude;
        }
    }
    // 2. Parse; a value beyond double's range becomes infinity or zero, as a
    //    C library parse would answer.
    double value = 0.0;
    const std::from_chars_result result =
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const long long magnitude =
            seenNonZero ? (integerDigits > 0 ? static_cast<long long>(integerDigits)
                                             : -static_cast<long long>(leadingFractionZeros)) +
                              exponent
                        : -1;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (result.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

bool StrBuffer::isHex() const {
    if (length_ == 0) {
        return false;
    }
    for (std::uint32_t i = 0; i < length_; ++i) {
        if (hexValue(items_[i]) < 0) {
            return false;
        }
    }
    return true;
}

std::uint32_t StrBuffer::hexDigitAt(std::uint32_t i) const {
    const int value = hexValue(charAt(i));
    return value < 0 ? 0u : static_cast<std::uint32_t>(value);
}

std::uint32_t StrBuffer::parseHex() const {
    std::uint32_t value = 0;
    for (std::uint32_t i = 0; i < length_; ++i) {
        value = (value << 4) | hexDigitAt(i);
    }
    return value;
}

bool StrBuffer::isInteger() const {
    if (length_ == 0) {
        return false;
    }
    for (std::uint32_t i = 0; i < length_; ++i) {
        if (!isDigit(items_[i]) && !(i == 0 && items_[i] == u'-' && length_ > 1)) {
            return false;
        }
    }
    return true;
}

// ---- code pages -----------------------------------------------------------------------

namespace {

using s::col::_array::ArrayU08;

constexpr char16_t kReplacement = 0xFFFD;

bool isUtf16CodePage(std::uint32_t codePage) {
    return codePage == StrBuffer::kCodePageUtf16 || codePage == StrBuffer::kCodePageUtf16Be;
}

bool canConvert(std::uint32_t codePage) {
    return codePage == StrBuffer::kCodePageUtf8 || isUtf16CodePage(codePage) ||
           CodePageConverter::isSupported(codePage);
}

// UTF-8 of count units; a surrogate without its partner becomes U+FFFD, as
// the system's converter writes it. At most 3 bytes per unit.
std::uint32_t encodeUtf8(const char16_t* units, std::uint32_t count, std::uint8_t* out) {
    std::uint8_t* start = out;
    for (std::uint32_t i = 0; i < count; ++i) {
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
    return static_cast<std::uint32_t>(out - start);
}

// Units of count UTF-8 bytes (at most one unit per byte). Each ill-formed
// part (a stray continuation byte, a sequence cut short, an overlong form, an
// encoded surrogate, a value above U+10FFFF) becomes one U+FFFD and decoding
// goes on after it.
std::uint32_t decodeUtf8(const std::uint8_t* bytes, std::uint32_t count, char16_t* out) {
    char16_t* start = out;
    std::uint32_t i = 0;
    while (i < count) {
        const std::uint8_t lead = bytes[i];
        if (lead < 0x80) {
            *out++ = lead;
            ++i;
            continue;
        }
        std::uint32_t need;
        std::uint32_t code;
        std::uint8_t low = 0x80;
        std::uint8_t high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            need = 1;
            code = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            need = 2;
            code = lead & 0x0Fu;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            need = 3;
            code = lead & 0x07u;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            *out++ = kReplacement;
            ++i;
            continue;
        }
        std::uint32_t taken = 1;
        bool complete = true;
        for (std::uint32_t k = 0; k < need; ++k) {
            const std::uint32_t at = i + 1 + k;
            if (at >= count || bytes[at] < low || bytes[at] > high) {
                complete = false;
                break;
            }
            code = (code << 6) | (bytes[at] & 0x3Fu);
            ++taken;
            low = 0x80;
            high = 0xBF;
        }
        i += taken;
        if (!complete) {
            *out++ = kReplacement;
        } else if (code >= 0x10000) {
            *out++ = static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            *out++ = static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            *out++ = static_cast<char16_t>(code);
        }
    }
    return static_cast<std::uint32_t>(out - start);
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
        static_cast<std::uint64_t>(length_) * (isUtf16CodePage(codePage) ? 2 : 3) + 2;
    const bool systemPage = codePage != kCodePageUtf8 && !isUtf16CodePage(codePage);
    if (systemPage && length_ > 0) {
        // Some system pages (UTF-7, ISO-2022) need more than 3 bytes a unit.
        const std::int32_t needed =
            CodePageConverter::encode(codePage, items_, length_, nullptr, 0);
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
        written = encodeUtf8(items_, length_, out);
    } else if (codePage == kCodePageUtf16) {
        if (length_ > 0) {
            std::memcpy(out, items_, static_cast<std::size_t>(length_) * 2);
        }
        written = static_cast<std::int64_t>(length_) * 2;
    } else if (codePage == kCodePageUtf16Be) {
        for (std::uint32_t i = 0; i < length_; ++i) {
            out[2 * i] = static_cast<std::uint8_t>(items_[i] >> 8);
            out[2 * i + 1] = static_cast<std::uint8_t>(items_[i] & 0xFF);
        }
        written = static_cast<std::int64_t>(length_) * 2;
    } else {
        written = CodePageConverter::encode(codePage, items_, length_, out,
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
    const std::uint32_t start = append ? length_ : 0;
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
            length_ = 0;
        }
        return 0;
    }
    char16_t* out = items_ + start;
    std::int64_t written;
    if (codePage == kCodePageUtf8) {
        written = decodeUtf8(source, count, out);
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
    length_ = start + static_cast<std::uint32_t>(written);
    return static_cast<std::int32_t>(written);
}

std::int32_t StrBuffer::fromUtf8(const void* bytes, bool append, std::int32_t n) {
    return fromCodePage(kCodePageUtf8, bytes, append, n);
}

std::int32_t StrBuffer::fromOem(const void* bytes, bool append, std::int32_t n) {
    return fromCodePage(CodePageConverter::oemCodePage(), bytes, append, n);
}

ArrayU08* StrBuffer::hexToBytes(ArrayU08* dest, bool append) const {
    if (dest == nullptr) {
        dest = ArrayU08::newInstance();
    } else if (!append) {
        dest->clear();
    }
    const std::uint32_t pairs = length_ / 2;
    const std::uint32_t start = dest->count();
    if (!dest->setCount(start + pairs)) {
        return dest;
    }
    std::uint8_t* out = dest->data();
    for (std::uint32_t i = 0; i < pairs; ++i) {
        out[start + i] =
            static_cast<std::uint8_t>((hexDigitAt(2 * i) << 4) | hexDigitAt(2 * i + 1));
    }
    return dest;
}

// ---- iteration ----------------------------------------------------------------------

Iterator* StrBuffer::iterator() const {
    return Iterator::over(this, -1, 0);
}

Iterator* StrBuffer::iteratorAtEnd() const {
    return Iterator::over(this, static_cast<std::int32_t>(length_), length_);
}

Iterator* StrBuffer::iteratorFrom(std::uint32_t i) const {
    const std::uint32_t cursor = std::min(i, length_);
    return Iterator::over(this, static_cast<std::int32_t>(cursor) - 1, cursor);
}

Iterator* StrBuffer::iteratorFromEnd(std::uint32_t i) const {
    const std::uint32_t cursor = length_ - std::min(i, length_);
    return Iterator::over(this, static_cast<std::int32_t>(cursor), cursor);
}

// ---- stream view ----------------------------------------------------------------------

bool StrBuffer::read(void* dest, std::uint32_t n, std::uint32_t& got) {
    got = 0;
    if (position_ >= byteLength()) {
        return false;
    }
    const std::uint32_t count = std::min(n, byteLength() - position_);
    if (count > 0) {
        std::memcpy(dest, reinterpret_cast<const unsigned char*>(items_) + position_, count);
    }
    position_ += count;
    got = count;
    return true;
}

bool StrBuffer::write(const void* src, std::uint32_t n, std::uint32_t& put) {
    put = 0;
    if (n == 0) {
        return true;
    }
    const std::uint64_t endByte = static_cast<std::uint64_t>(position_) + n;
    if (src == nullptr || endByte / 2 + 1 > kMaxCapacity) {
        return false;
    }
    ensureCapacity(static_cast<std::uint32_t>(endByte / 2 + 1));
    // A position set beyond the end leaves a gap: it reads as zero units,
    // never as whatever the storage held before.
    const std::uint32_t gapEnd = (position_ + 1) / 2;
    for (std::uint32_t i = length_; i < gapEnd; ++i) {
        items_[i] = 0;
    }
    std::memcpy(reinterpret_cast<unsigned char*>(items_) + position_, src, n);
    position_ = static_cast<std::uint32_t>(endByte);
    if (position_ / 2 > length_) {
        length_ = position_ / 2;
    }
    put = n;
    return true;
}

} // namespace s::str::strbuffer
