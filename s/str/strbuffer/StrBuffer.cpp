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
    return UnitCompare::compare<true>(items_, length_, that->data(), that->length());
}

bool StrBuffer::equals(const s::base::IComparable* other,
                       const s::base::IComparator* comparator) const {
    if (comparator != nullptr) {
        return comparator->compare(this, other) == 0;
    }
    const s::str::IStr* that = asStr(other);
    return that != nullptr && that->length() == length_ &&
           UnitCompare::equal<false>(items_, that->data(), length_);
}

bool StrBuffer::equalsIgnoreCase(const s::base::IComparable* other,
                                 const s::base::IComparator* comparator) const {
    if (comparator != nullptr) {
        return comparator->compareIgnoreCase(this, other) == 0;
    }
    const s::str::IStr* that = asStr(other);
    return that != nullptr && that->length() == length_ &&
           UnitCompare::equal<true>(items_, that->data(), length_);
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
        hash = ((hash << 1) | ((hash >> 30) & 1u)) ^ s::str::Ascii::toLower(items_[i]);
    }
    return static_cast<std::int32_t>(hash);
}

bool StrBuffer::equalsWcs(const char16_t* text, std::int32_t n) const {
    const std::uint32_t count = textLength(text, n);
    return count == length_ && UnitCompare::equal<false>(items_, text, count);
}

bool StrBuffer::equalsWcsIgnoreCase(const char16_t* text, std::int32_t n) const {
    const std::uint32_t count = textLength(text, n);
    return count == length_ && UnitCompare::equal<true>(items_, text, count);
}

int StrBuffer::compareWcs(const char16_t* text, std::int32_t n) const {
    return UnitCompare::compare<false>(items_, length_, text, textLength(text, n));
}

int StrBuffer::compareWcsIgnoreCase(const char16_t* text, std::int32_t n) const {
    return UnitCompare::compare<true>(items_, length_, text, textLength(text, n));
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
        items_[i] = s::str::Ascii::toLower(items_[i]);
    }
}

void StrBuffer::toUpperCase() {
    for (std::uint32_t i = 0; i < length_; ++i) {
        items_[i] = s::str::Ascii::toUpper(items_[i]);
    }
}

void StrBuffer::toCapitalized() {
    toLowerCase();
    if (length_ > 0) {
        items_[0] = s::str::Ascii::toUpper(items_[0]);
    }
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
