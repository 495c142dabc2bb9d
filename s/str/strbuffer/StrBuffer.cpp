#include "s/str/strbuffer/StrBuffer.h"

#include "s/base/IComparator.h"
#include "s/str/Ascii.h"
#include "s/str/strbuffer/Iterator.h"
#include "s/str/strbuffer/UnitCompare.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

// The string buffer's storage, comparisons, editing, iteration and stream
// view; its searches, numbers and code-page conversions live in the
// StrBuffer*.cpp files beside this one.

namespace s::str::strbuffer {

// The stream view hands out the storage's bytes as UTF-16LE.
#if defined(__BYTE_ORDER__) && defined(__ORDER_LITTLE_ENDIAN__)
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the stream view assumes little-endian");
#endif

namespace {

constexpr char16_t kEmptyText[1] = {u'\0'};

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

const s::str::IStr* asStr(const s::base::IComparable* other) {
    return dynamic_cast<const s::str::IStr*>(other);
}

} // namespace

StrBuffer::~StrBuffer() {
    std::free(items);
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
    const std::uint32_t common = std::min(unitCount, that->length());
    for (std::uint32_t i = 0; i < common; ++i) {
        const char16_t a = items[i];
        const char16_t b = theirs[i];
        if (a != b) {
            const unsigned swappedA = ((a & 0xFFu) << 8) | (a >> 8);
            const unsigned swappedB = ((b & 0xFFu) << 8) | (b >> 8);
            return swappedA < swappedB ? -1 : 1;
        }
    }
    if (unitCount == that->length()) {
        return 0;
    }
    return unitCount < that->length() ? -1 : 1;
}

int StrBuffer::compareToIgnoreCase(const s::base::IComparable* other,
                                   const s::base::IComparator* comparator) const {
    const s::str::IStr* that = asStr(other);
    if (that == nullptr) {
        return IComparable::compareTo(other, nullptr);
    }
    return UnitCompare::compare<true>(items, unitCount, that->data(), that->length());
}

bool StrBuffer::equals(const s::base::IComparable* other,
                       const s::base::IComparator* comparator) const {
    if (comparator != nullptr) {
        return comparator->compare(this, other) == 0;
    }
    const s::str::IStr* that = asStr(other);
    return that != nullptr && that->length() == unitCount &&
           UnitCompare::equal<false>(items, that->data(), unitCount);
}

bool StrBuffer::equalsIgnoreCase(const s::base::IComparable* other,
                                 const s::base::IComparator* comparator) const {
    if (comparator != nullptr) {
        return comparator->compareIgnoreCase(this, other) == 0;
    }
    const s::str::IStr* that = asStr(other);
    return that != nullptr && that->length() == unitCount &&
           UnitCompare::equal<true>(items, that->data(), unitCount);
}

std::int32_t StrBuffer::hashCode() const {
    std::uint32_t hash = 0;
    for (std::uint32_t i = 0; i < unitCount; ++i) {
        hash = ((hash << 1) | ((hash >> 30) & 1u)) ^ items[i];
    }
    return static_cast<std::int32_t>(hash);
}

std::int32_t StrBuffer::hashCodeIgnoreCase() const {
    std::uint32_t hash = 0;
    for (std::uint32_t i = 0; i < unitCount; ++i) {
        hash = ((hash << 1) | ((hash >> 30) & 1u)) ^ s::str::Ascii::toLower(items[i]);
    }
    return static_cast<std::int32_t>(hash);
}

bool StrBuffer::equalsWcs(const char16_t* text, std::int32_t n) const {
    const std::uint32_t count = textLength(text, n);
    return count == unitCount && UnitCompare::equal<false>(items, text, count);
}

bool StrBuffer::equalsWcsIgnoreCase(const char16_t* text, std::int32_t n) const {
    const std::uint32_t count = textLength(text, n);
    return count == unitCount && UnitCompare::equal<true>(items, text, count);
}

int StrBuffer::compareWcs(const char16_t* text, std::int32_t n) const {
    return UnitCompare::compare<false>(items, unitCount, text, textLength(text, n));
}

int StrBuffer::compareWcsIgnoreCase(const char16_t* text, std::int32_t n) const {
    return UnitCompare::compare<true>(items, unitCount, text, textLength(text, n));
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
    if (unitCapacity >= n) {
        return;
    }
    if (n > kMaxCapacity) {
        std::abort();
    }
    char16_t* grown = allocateUnits(n + 1);
    copyUnits(grown, items, unitCount);
    std::free(items);
    items = grown;
    unitCapacity = n;
}

void StrBuffer::growOnce() {
    if (unitCapacity >= kMaxCapacity) {
        std::abort();
    }
    reserve(growStep(unitCapacity));
}

void StrBuffer::ensureCapacity(std::uint32_t n) {
    std::uint32_t grown = unitCapacity;
    while (grown < n) {
        if (grown >= kMaxCapacity) {
            std::abort();
        }
        grown = growStep(grown);
    }
    reserve(grown);
}

void StrBuffer::freeStorage() {
    std::free(items);
    items = nullptr;
    unitCount = 0;
    unitCapacity = 0;
    position = 0;
}

void StrBuffer::terminate(int) const {
    if (unitCount > 0 && items[unitCount] != 0) {
        items[unitCount] = 0;
    }
}

const char16_t* StrBuffer::c_str() const {
    if (unitCount == 0) {
        return kEmptyText;
    }
    terminate();
    return items;
}

char16_t* StrBuffer::charPtrAt(std::uint32_t i) const {
    return items != nullptr && i <= unitCount ? items + i : nullptr;
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
    if (unitCount > 1) {
        std::reverse(items, items + unitCount);
    }
}

void StrBuffer::toLowerCase() {
    for (std::uint32_t i = 0; i < unitCount; ++i) {
        items[i] = s::str::Ascii::toLower(items[i]);
    }
}

void StrBuffer::toUpperCase() {
    for (std::uint32_t i = 0; i < unitCount; ++i) {
        items[i] = s::str::Ascii::toUpper(items[i]);
    }
}

void StrBuffer::toCapitalized() {
    toLowerCase();
    if (unitCount > 0) {
        items[0] = s::str::Ascii::toUpper(items[0]);
    }
}

// ---- editing ----------------------------------------------------------------------

void StrBuffer::appendGrowing(const char16_t* units, std::uint32_t n) {
    // The units may be part of this very buffer (appending a buffer to
    // itself): growing frees the old storage, so remember them by offset.
    if (ownsUnits(units)) {
        const std::size_t offset = static_cast<std::size_t>(units - items);
        ensureCapacity(unitCount + n);
        units = items + offset;
    } else {
        if (static_cast<std::uint64_t>(unitCount) + n > kMaxCapacity) {
            std::abort();
        }
        ensureCapacity(unitCount + n);
    }
    copyUnits(items + unitCount, units, n);
    unitCount += n;
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
    if (n > unitCapacity - unitCount) {
        ensureCapacity(unitCount + n);
    }
    char16_t* out = items + unitCount;
    for (std::uint32_t i = 0; i < n; ++i) {
        out[i] = static_cast<unsigned char>(bytes[i]);
    }
    unitCount += n;
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
    if (index >= unitCount) {
        append(units, n);
        return;
    }
    if (ownsUnits(units)) {
        // Inserting a piece of this text: take a copy first.
        const std::u16string copy(units, n);
        insert(index, copy.data(), n);
        return;
    }
    if (n > unitCapacity - unitCount) {
        ensureCapacity(unitCount + n);
    }
    copyUnits(items + index + n, items + index, unitCount - index);
    copyUnits(items + index, units, n);
    unitCount += n;
}

void StrBuffer::prepend(const char16_t* units, std::uint32_t n) {
    insert(0, units, n);
}

void StrBuffer::assign(const char16_t* units, std::uint32_t n) {
    if (units == nullptr || n == 0) {
        unitCount = 0;
        return;
    }
    if (ownsUnits(units)) {
        // A piece of this text: it lies within the storage, so no growth.
        copyUnits(items, units, n);
        unitCount = n;
        return;
    }
    unitCount = 0;
    reserve(n);
    copyUnits(items, units, n);
    unitCount = n;
}

void StrBuffer::assignStr(const s::str::IStr* other) {
    if (other == this) {
        return;
    }
    if (other == nullptr) {
        unitCount = 0;
        return;
    }
    assign(other->data(), other->length());
}

void StrBuffer::assignWcs(const char16_t* text) {
    assign(text, textLength(text, -1));
}

void StrBuffer::keepRange(std::uint32_t from, std::uint32_t to) {
    const std::uint32_t end = std::min(to, unitCount);
    if (from >= end) {
        unitCount = 0;
        return;
    }
    copyUnits(items, items + from, end - from);
    unitCount = end - from;
}

void StrBuffer::removeRange(std::uint32_t index, std::uint32_t n) {
    if (index >= unitCount || n == 0) {
        return;
    }
    const std::uint32_t count = std::min(n, unitCount - index);
    copyUnits(items + index, items + index + count, unitCount - index - count);
    unitCount -= count;
}

void StrBuffer::swapStorage(StrBuffer& other) {
    std::swap(items, other.items);
    std::swap(unitCount, other.unitCount);
    std::swap(unitCapacity, other.unitCapacity);
}

// ---- new buffers --------------------------------------------------------------------

StrBuffer* StrBuffer::clone() const {
    StrBuffer* copy = newInstance();
    copy->assign(items, unitCount);
    return copy;
}

StrBuffer* StrBuffer::substring(std::uint32_t from, std::uint32_t to) const {
    StrBuffer* piece = newInstance();
    const std::uint32_t end = std::min(to, unitCount);
    if (from < end) {
        piece->assign(items + from, end - from);
    }
    return piece;
}

StrBuffer* StrBuffer::newPrefix(bool found, std::uint32_t end) const {
    StrBuffer* prefix = newInstance();
    if (found) {
        prefix->assign(items, end);
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

// ---- iteration ----------------------------------------------------------------------

Iterator* StrBuffer::iterator() const {
    return Iterator::over(this, -1, 0);
}

Iterator* StrBuffer::iteratorAtEnd() const {
    return Iterator::over(this, static_cast<std::int32_t>(unitCount), unitCount);
}

Iterator* StrBuffer::iteratorFrom(std::uint32_t i) const {
    const std::uint32_t cursor = std::min(i, unitCount);
    return Iterator::over(this, static_cast<std::int32_t>(cursor) - 1, cursor);
}

Iterator* StrBuffer::iteratorFromEnd(std::uint32_t i) const {
    const std::uint32_t cursor = unitCount - std::min(i, unitCount);
    return Iterator::over(this, static_cast<std::int32_t>(cursor), cursor);
}

// ---- stream view ----------------------------------------------------------------------

bool StrBuffer::read(void* dest, std::uint32_t n, std::uint32_t& got) {
    got = 0;
    if (position >= byteLength()) {
        return false;
    }
    const std::uint32_t count = std::min(n, byteLength() - position);
    if (count > 0) {
        std::memcpy(dest, reinterpret_cast<const unsigned char*>(items) + position, count);
    }
    position += count;
    got = count;
    return true;
}

bool StrBuffer::write(const void* src, std::uint32_t n, std::uint32_t& put) {
    put = 0;
    if (n == 0) {
        return true;
    }
    const std::uint64_t endByte = static_cast<std::uint64_t>(position) + n;
    if (src == nullptr || endByte / 2 + 1 > kMaxCapacity) {
        return false;
    }
    ensureCapacity(static_cast<std::uint32_t>(endByte / 2 + 1));
    // A position set beyond the end leaves a gap: it reads as zero units,
    // never as whatever the storage held before.
    const std::uint32_t gapEnd = (position + 1) / 2;
    for (std::uint32_t i = unitCount; i < gapEnd; ++i) {
        items[i] = 0;
    }
    std::memcpy(reinterpret_cast<unsigned char*>(items) + position, src, n);
    position = static_cast<std::uint32_t>(endByte);
    if (position / 2 > unitCount) {
        unitCount = position / 2;
    }
    put = n;
    return true;
}

} // namespace s::str::strbuffer
