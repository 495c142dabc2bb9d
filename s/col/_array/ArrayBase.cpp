#include "s/col/_array/ArrayBase.h"

#include "s/col/CollectionInputStream.h"
#include "s/col/_array/Iterator.h"
#include "s/str/Hex.h"
#include "s/str/strbuffer/StrBuffer.h"

#include <cstdlib>
#include <cstring>

namespace s::col::_array {

std::uint32_t ArrayBase::grownCapacity(std::uint32_t capacity) {
    std::uint64_t grown;
    if (capacity < 100) {
        grown = 100;
    } else if (capacity < 10000000) {
        grown = std::uint64_t(capacity) * 3;
    } else if (capacity < 50000000) {
        grown = std::uint64_t(capacity) * 2;
    } else if (capacity < 100000000) {
        grown = std::uint64_t(capacity) * 3 / 2;
    } else {
        grown = std::uint64_t(capacity) * 6 / 5;
    }
    return grown > UINT32_MAX ? UINT32_MAX : static_cast<std::uint32_t>(grown);
}

ArrayBase::~ArrayBase() {
    std::free(items_);
}

bool ArrayBase::reallocate(std::uint32_t capacity) {
    const std::size_t bytes = std::size_t(capacity) << elementShift_;
    if (bytes == 0) {
        return true;
    }
    auto* grown = static_cast<std::uint8_t*>(std::realloc(items_, bytes));
    if (grown == nullptr) {
        return false;
    }
    items_ = grown;
    capacity_ = capacity;
    return true;
}

bool ArrayBase::growFor(std::uint32_t needed) {
    if (needed <= capacity_) {
        return true;
    }
    std::uint32_t capacity = capacity_;
    while (capacity < needed) {
        const std::uint32_t next = grownCapacity(capacity);
        if (next == capacity) {
            return false;
        }
        capacity = next;
    }
    return reallocate(capacity);
}

bool ArrayBase::reserve(std::uint32_t n) {
    return n <= capacity_ || reallocate(n);
}

bool ArrayBase::setCount(std::uint32_t n) {
    if (!reserve(n)) {
        return false;
    }
    count_ = n;
    return true;
}

std::uint32_t ArrayBase::byteSize(std::int32_t n) const {
    const std::uint32_t elements = n < 0 ? count_ : static_cast<std::uint32_t>(n);
    return elements << elementShift_;
}

std::uint32_t ArrayBase::clampCount(std::uint32_t index, std::int32_t n) const {
    if (index >= count_) {
        return 0;
    }
    const std::uint32_t available = count_ - index;
    if (n < 0 || static_cast<std::uint32_t>(n) > available) {
        return available;
    }
    return static_cast<std::uint32_t>(n);
}

std::uint32_t ArrayBase::copyOut(void* buf, std::uint32_t bufIndex, std::uint32_t srcIndex,
                                 std::int32_t n) const {
    const std::uint32_t copied = clampCount(srcIndex, n);
    if (copied > 0 && buf != nullptr) {
        std::memcpy(static_cast<std::uint8_t*>(buf) + (std::size_t(bufIndex) << elementShift_),
                    elementAddress(srcIndex), std::size_t(copied) << elementShift_);
    }
    return buf != nullptr ? copied : 0;
}

bool ArrayBase::write(const void* src, std::uint32_t n, std::uint32_t srcIndex,
                      std::uint32_t destIndex) {
    if (n == 0) {
        return true;
    }
    if (src == nullptr || destIndex > count_ || destIndex > UINT32_MAX - n) {
        return false;
    }
    const std::uint32_t end = destIndex + n;
    if (!reserve(end)) {
        return false;
    }
    // memmove: the source may be this array's own storage.
    std::memmove(elementAddress(destIndex),
                 static_cast<const std::uint8_t*>(src) + (std::size_t(srcIndex) << elementShift_),
                 std::size_t(n) << elementShift_);
    if (end > count_) {
        count_ = end;
    }
    return true;
}

bool ArrayBase::append(const void* src, std::uint32_t n, std::uint32_t srcIndex) {
    return insert(count_, src, n, srcIndex);
}

bool ArrayBase::prepend(const void* src, std::uint32_t n, std::uint32_t srcIndex) {
    return insert(0, src, n, srcIndex);
}

bool ArrayBase::insert(std::uint32_t index, const void* src, std::uint32_t n,
                       std::uint32_t srcIndex) {
    if (n == 0) {
        return true;
    }
    if (src == nullptr || index > count_ || count_ > UINT32_MAX - n) {
        return false;
    }
    const auto* source =
        static_cast<const std::uint8_t*>(src) + (std::size_t(srcIndex) << elementShift_);
    const std::size_t bytes = std::size_t(n) << elementShift_;
    // The source may lie inside this array's storage, which growing moves.
    const bool sourceInside = items_ != nullptr && source >= items_ && source < items_ + byteSize();
    std::uint8_t* copy = nullptr;
    if (sourceInside) {
        copy = static_cast<std::uint8_t*>(std::malloc(bytes));
        if (copy == nullptr) {
            return false;
        }
        std::memcpy(copy, source, bytes);
        source = copy;
    }
    if (!growFor(count_ + n)) {
        std::free(copy);
        return false;
    }
    if (index < count_) {
        std::memmove(elementAddress(index + n), elementAddress(index),
                     std::size_t(count_ - index) << elementShift_);
    }
    std::memcpy(elementAddress(index), source, bytes);
    count_ += n;
    std::free(copy);
    return true;
}

bool ArrayBase::copyTo(ArrayBase& dest, std::uint32_t destIndex, std::uint32_t srcIndex,
                       std::int32_t n) const {
    if (dest.elementShift_ != elementShift_) {
        return false;
    }
    const std::uint32_t copied = clampCount(srcIndex, n);
    if (copied == 0) {
        return true;
    }
    return dest.write(elementAddress(srcIndex), copied, 0, destIndex);
}

bool ArrayBase::copyFrom(const ArrayBase& src, std::uint32_t srcIndex, std::uint32_t destIndex,
                         std::int32_t n) {
    return src.copyTo(*this, destIndex, srcIndex, n);
}

void ArrayBase::removeLast(std::uint32_t n) {
    count_ = n >= count_ ? 0 : count_ - n;
}

void ArrayBase::removeFirst(std::uint32_t n) {
    removeRange(0, static_cast<std::int32_t>(n));
}

void ArrayBase::removeRange(std::uint32_t index, std::int32_t n) {
    const std::uint32_t removed = clampCount(index, n);
    if (removed == 0) {
        return;
    }
    const std::uint32_t tail = count_ - index - removed;
    if (tail > 0) {
        std::memmove(elementAddress(index), elementAddress(index + removed),
                     std::size_t(tail) << elementShift_);
    }
    count_ -= removed;
}

std::uint32_t ArrayBase::popLast(void* buf, std::uint32_t n, std::uint32_t bufIndex) {
    const std::uint32_t moved = n > count_ ? count_ : n;
    copyOut(buf, bufIndex, count_ - moved, static_cast<std::int32_t>(moved));
    count_ -= moved;
    return moved;
}

std::uint32_t ArrayBase::popFirst(void* buf, std::uint32_t n, std::uint32_t bufIndex) {
    return takeRange(0, buf, static_cast<std::int32_t>(n), bufIndex);
}

std::uint32_t ArrayBase::takeRange(std::uint32_t index, void* buf, std::int32_t n,
                                   std::uint32_t bufIndex) {
    const std::uint32_t moved = clampCount(index, n);
    copyOut(buf, bufIndex, index, static_cast<std::int32_t>(moved));
    removeRange(index, static_cast<std::int32_t>(moved));
    return moved;
}

void ArrayBase::clear() {
    count_ = 0;
    position_ = 0;
}

void ArrayBase::dropStorage() {
    std::free(items_);
    items_ = nullptr;
    count_ = 0;
    capacity_ = 0;
    position_ = 0;
}

void ArrayBase::freeStorage() {
    dropStorage();
}

void ArrayBase::reset() {
    freeStorage();
}

int ArrayBase::compareRange(std::uint32_t index, const void* data, std::uint32_t dataCount,
                            std::uint32_t dataIndex, std::int32_t n) const {
    const std::uint32_t mine = clampCount(index, n);
    std::uint32_t theirs = dataIndex < dataCount ? dataCount - dataIndex : 0;
    if (n >= 0 && theirs > static_cast<std::uint32_t>(n)) {
        theirs = static_cast<std::uint32_t>(n);
    }
    const std::uint32_t common = mine < theirs ? mine : theirs;
    if (common > 0 && data != nullptr) {
        const int order = std::memcmp(elementAddress(index),
                                      static_cast<const std::uint8_t*>(data) +
                                          (std::size_t(dataIndex) << elementShift_),
                                      std::size_t(common) << elementShift_);
        if (order != 0) {
            return order < 0 ? -1 : 1;
        }
    }
    if (mine == theirs) {
        return 0;
    }
    return mine < theirs ? -1 : 1;
}

void ArrayBase::swap(std::uint32_t i, std::uint32_t j) {
    if (i >= count_ || j >= count_ || i == j) {
        return;
    }
    std::uint8_t scratch[8];
    const std::size_t size = elementSize();
    std::memcpy(scratch, elementAddress(i), size);
    std::memcpy(elementAddress(i), elementAddress(j), size);
    std::memcpy(elementAddress(j), scratch, size);
}

void ArrayBase::reverse() {
    if (count_ < 2) {
        return;
    }
    for (std::uint32_t i = 0, j = count_ - 1; i < j; ++i, --j) {
        swap(i, j);
    }
}

int ArrayBase::compareTo(const s::base::IComparable* other,
                         const s::base::IComparator* comparator) const {
    if (comparator != nullptr) {
        return comparator->compare(this, other);
    }
    const auto* that = dynamic_cast<const ArrayBase*>(other);
    if (that == nullptr || that->elementShift_ != elementShift_) {
        // Not an array of this kind: fall back to identity order.
        return IComparable::compareTo(other, nullptr);
    }
    if (count_ != that->count_) {
        return count_ < that->count_ ? -1 : 1;
    }
    const s::base::IComparator& elements = defaultComparator();
    for (std::uint32_t i = 0; i < count_; ++i) {
        const int order = elements.compare(elementAddress(i), that->elementAddress(i));
        if (order != 0) {
            return order;
        }
    }
    return 0;
}

// --- text ------------------------------------------------------------------------

namespace {

void appendAscii(s::str::strbuffer::StrBuffer& dest, const char* text) {
    char16_t units[64];
    std::uint32_t n = 0;
    while (text[n] != 0 && n < 64) {
        units[n] = static_cast<unsigned char>(text[n]);
        ++n;
    }
    dest.append(units, n);
}

void appendHex(s::str::strbuffer::StrBuffer& dest, std::uint64_t value, int digits) {
    char16_t units[16];
    s::str::Hex::write(units, value, static_cast<unsigned>(digits));
    dest.append(units, static_cast<std::uint32_t>(digits));
}

} // namespace

void ArrayBase::toText(s::str::strbuffer::StrBuffer& dest, bool append) const {
    if (!append) {
        dest.clear();
    }
    dest.appendWcs(getClassName());
    appendAscii(dest, " [");
    for (std::uint32_t i = 0; i < count_; ++i) {
        if (i > 0) {
            dest.appendChar(u' ');
        }
        appendElementText(dest, elementAddress(i));
    }
    dest.appendChar(u']');
}

void ArrayBase::elementsText(s::str::strbuffer::StrBuffer& dest, bool append) const {
    if (!append) {
        dest.clear();
    }
    const int digits = 2 << elementShift_;
    for (std::uint32_t i = 0; i < count_; ++i) {
        std::uint64_t value = 0;
        const void* element = elementAddress(i);
        switch (elementShift_) {
        case 0:
            value = *static_cast<const std::uint8_t*>(element);
            break;
        case 1:
            value = *static_cast<const std::uint16_t*>(element);
            break;
        case 2:
            value = *static_cast<const std::uint32_t*>(element);
            break;
        default:
            value = *static_cast<const std::uint64_t*>(element);
            break;
        }
        appendHex(dest, value, digits);
    }
}

void ArrayBase::toXml(s::str::strbuffer::StrBuffer& dest, bool append) const {
    if (!append) {
        dest.clear();
    }
    dest.appendChar(u'<');
    dest.appendWcs(getClassName());
    appendAscii(dest, " length=\"");
    dest.appendUInt32(count_);
    appendAscii(dest, "\">");
    elementsText(dest, true);
    appendAscii(dest, "</");
    dest.appendWcs(getClassName());
    dest.appendChar(u'>');
}

// --- enumeration -------------------------------------------------------------------

Iterator* ArrayBase::iterator() {
    return Iterator::over(this, -1, 0);
}

Iterator* ArrayBase::iteratorAtEnd() {
    return Iterator::over(this, static_cast<std::int32_t>(count_), count_);
}

Iterator* ArrayBase::iteratorFrom(std::uint32_t index) {
    const std::uint32_t cursor = index < count_ ? index : count_;
    return Iterator::over(this, static_cast<std::int32_t>(cursor) - 1, cursor);
}

Iterator* ArrayBase::iteratorFromEnd(std::uint32_t n) {
    const std::uint32_t cursor = count_ - (n < count_ ? n : count_);
    return Iterator::over(this, static_cast<std::int32_t>(cursor), cursor);
}

s::io::IInputStream* ArrayBase::newInputStream() const {
    return s::col::CollectionInputStream::over(this);
}

// --- the byte stream view ------------------------------------------------------------

bool ArrayBase::read(void* dest, std::uint32_t n, std::uint32_t& got) {
    got = 0;
    const std::uint32_t size = byteSize();
    if (position_ >= size) {
        return false;
    }
    const std::uint32_t available = size - position_;
    const std::uint32_t copied = n < available ? n : available;
    if (copied > 0 && dest != nullptr) {
        std::memcpy(dest, items_ + position_, copied);
        position_ += copied;
        got = copied;
    }
    return true;
}

bool ArrayBase::write(const void* src, std::uint32_t n, std::uint32_t& put) {
    put = 0;
    if (n == 0) {
        return true;
    }
    if (src == nullptr || position_ > UINT32_MAX - n) {
        return false;
    }
    const std::uint32_t endByte = position_ + n;
    const std::uint32_t mask = elementSize() - 1;
    const std::uint32_t endElement = (endByte >> elementShift_) + ((endByte & mask) != 0 ? 1 : 0);
    if (!growFor(endElement)) {
        return false;
    }
    // A position beyond the data leaves a gap; it reads as zeros.
    const std::uint32_t size = byteSize();
    if (position_ > size) {
        std::memset(items_ + size, 0, position_ - size);
    }
    std::memmove(items_ + position_, src, n);
    if (endElement > count_) {
        // Cover the tail of a partly written last element with zeros.
        const std::uint32_t coveredBytes = endElement << elementShift_;
        if (coveredBytes > endByte) {
            std::memset(items_ + endByte, 0, coveredBytes - endByte);
        }
        count_ = endElement;
    }
    position_ = endByte;
    put = n;
    return true;
}

void ArrayBase::seekFromEnd(std::uint32_t n) {
    const std::uint32_t size = byteSize();
    position_ = n >= size ? 0 : size - n;
}

void ArrayBase::skip(std::uint32_t n) {
    position_ = n > UINT32_MAX - position_ ? UINT32_MAX : position_ + n;
}

void ArrayBase::stepBack(std::uint32_t n) {
    position_ = n >= position_ ? 0 : position_ - n;
}

} // namespace s::col::_array
