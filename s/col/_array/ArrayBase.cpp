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
    std::free(storage);
}

bool ArrayBase::reallocate(std::uint32_t capacity) {
    const std::size_t bytes = std::size_t(capacity) << elementShift;
    if (bytes == 0) {
        return true;
    }
    auto* grown = static_cast<std::uint8_t*>(std::realloc(storage, bytes));
    if (grown == nullptr) {
        return false;
    }
    storage = grown;
    elementCapacity = capacity;
    return true;
}

bool ArrayBase::growFor(std::uint32_t needed) {
    if (needed <= elementCapacity) {
        return true;
    }
    std::uint32_t capacity = elementCapacity;
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
    return n <= elementCapacity || reallocate(n);
}

bool ArrayBase::setCount(std::uint32_t n) {
    if (!reserve(n)) {
        return false;
    }
    elementCount = n;
    return true;
}

std::uint32_t ArrayBase::byteSize(std::int32_t n) const {
    const std::uint32_t elements = n < 0 ? elementCount : static_cast<std::uint32_t>(n);
    return elements << elementShift;
}

std::uint32_t ArrayBase::clampCount(std::uint32_t index, std::int32_t n) const {
    if (index >= elementCount) {
        return 0;
    }
    const std::uint32_t available = elementCount - index;
    if (n < 0 || static_cast<std::uint32_t>(n) > available) {
        return available;
    }
    return static_cast<std::uint32_t>(n);
}

std::uint32_t ArrayBase::copyOut(void* buf, std::uint32_t bufIndex, std::uint32_t srcIndex,
                                 std::int32_t n) const {
    const std::uint32_t copied = clampCount(srcIndex, n);
    if (copied > 0 && buf != nullptr) {
        std::memcpy(static_cast<std::uint8_t*>(buf) + (std::size_t(bufIndex) << elementShift),
                    elementAddress(srcIndex), std::size_t(copied) << elementShift);
    }
    return buf != nullptr ? copied : 0;
}

bool ArrayBase::write(const void* src, std::uint32_t n, std::uint32_t srcIndex,
                      std::uint32_t destIndex) {
    if (n == 0) {
        return true;
    }
    if (src == nullptr || destIndex > elementCount || destIndex > UINT32_MAX - n) {
        return false;
    }
    const std::uint32_t end = destIndex + n;
    if (!reserve(end)) {
        return false;
    }
    // memmove: the source may be this array's own storage.
    std::memmove(elementAddress(destIndex),
                 static_cast<const std::uint8_t*>(src) + (std::size_t(srcIndex) << elementShift),
                 std::size_t(n) << elementShift);
    if (end > elementCount) {
        elementCount = end;
    }
    return true;
}

bool ArrayBase::append(const void* src, std::uint32_t n, std::uint32_t srcIndex) {
    return insert(elementCount, src, n, srcIndex);
}

bool ArrayBase::prepend(const void* src, std::uint32_t n, std::uint32_t srcIndex) {
    return insert(0, src, n, srcIndex);
}

bool ArrayBase::insert(std::uint32_t index, const void* src, std::uint32_t n,
                       std::uint32_t srcIndex) {
    if (n == 0) {
        return true;
    }
    if (src == nullptr || index > elementCount || elementCount > UINT32_MAX - n) {
        return false;
    }
    const auto* source =
        static_cast<const std::uint8_t*>(src) + (std::size_t(srcIndex) << elementShift);
    const std::size_t bytes = std::size_t(n) << elementShift;
    // The source may lie inside this array's storage, which growing moves.
    const bool sourceInside =
        storage != nullptr && source >= storage && source < storage + byteSize();
    std::uint8_t* copy = nullptr;
    if (sourceInside) {
        copy = static_cast<std::uint8_t*>(std::malloc(bytes));
        if (copy == nullptr) {
            return false;
        }
        std::memcpy(copy, source, bytes);
        source = copy;
    }
    if (!growFor(elementCount + n)) {
        std::free(copy);
        return false;
    }
    if (index < elementCount) {
        std::memmove(elementAddress(index + n), elementAddress(index),
                     std::size_t(elementCount - index) << elementShift);
    }
    std::memcpy(elementAddress(index), source, bytes);
    elementCount += n;
    std::free(copy);
    return true;
}

bool ArrayBase::copyTo(ArrayBase& dest, std::uint32_t destIndex, std::uint32_t srcIndex,
                       std::int32_t n) const {
    if (dest.elementShift != elementShift) {
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
    elementCount = n >= elementCount ? 0 : elementCount - n;
}

void ArrayBase::removeFirst(std::uint32_t n) {
    removeRange(0, static_cast<std::int32_t>(n));
}

void ArrayBase::removeRange(std::uint32_t index, std::int32_t n) {
    const std::uint32_t removed = clampCount(index, n);
    if (removed == 0) {
        return;
    }
    const std::uint32_t tail = elementCount - index - removed;
    if (tail > 0) {
        std::memmove(elementAddress(index), elementAddress(index + removed),
                     std::size_t(tail) << elementShift);
    }
    elementCount -= removed;
}

std::uint32_t ArrayBase::popLast(void* buf, std::uint32_t n, std::uint32_t bufIndex) {
    const std::uint32_t moved = n > elementCount ? elementCount : n;
    copyOut(buf, bufIndex, elementCount - moved, static_cast<std::int32_t>(moved));
    elementCount -= moved;
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
    elementCount = 0;
    position = 0;
}

void ArrayBase::dropStorage() {
    std::free(storage);
    storage = nullptr;
    elementCount = 0;
    elementCapacity = 0;
    position = 0;
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
                                          (std::size_t(dataIndex) << elementShift),
                                      std::size_t(common) << elementShift);
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
    if (i >= elementCount || j >= elementCount || i == j) {
        return;
    }
    std::uint8_t scratch[8];
    const std::size_t size = elementSize();
    std::memcpy(scratch, elementAddress(i), size);
    std::memcpy(elementAddress(i), elementAddress(j), size);
    std::memcpy(elementAddress(j), scratch, size);
}

void ArrayBase::reverse() {
    if (elementCount < 2) {
        return;
    }
    for (std::uint32_t i = 0, j = elementCount - 1; i < j; ++i, --j) {
        swap(i, j);
    }
}

int ArrayBase::compareTo(const s::base::IComparable* other,
                         const s::base::IComparator* comparator) const {
    if (comparator != nullptr) {
        return comparator->compare(this, other);
    }
    const auto* that = dynamic_cast<const ArrayBase*>(other);
    if (that == nullptr || that->elementShift != elementShift) {
        // Not an array of this kind: fall back to identity order.
        return IComparable::compareTo(other, nullptr);
    }
    if (elementCount != that->elementCount) {
        return elementCount < that->elementCount ? -1 : 1;
    }
    const s::base::IComparator& elements = defaultComparator();
    for (std::uint32_t i = 0; i < elementCount; ++i) {
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
    for (std::uint32_t i = 0; i < elementCount; ++i) {
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
    const int digits = 2 << elementShift;
    for (std::uint32_t i = 0; i < elementCount; ++i) {
        std::uint64_t value = 0;
        const void* element = elementAddress(i);
        switch (elementShift) {
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
    dest.appendUInt32(elementCount);
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
    return Iterator::over(this, static_cast<std::int32_t>(elementCount), elementCount);
}

Iterator* ArrayBase::iteratorFrom(std::uint32_t index) {
    const std::uint32_t cursor = index < elementCount ? index : elementCount;
    return Iterator::over(this, static_cast<std::int32_t>(cursor) - 1, cursor);
}

Iterator* ArrayBase::iteratorFromEnd(std::uint32_t n) {
    const std::uint32_t cursor = elementCount - (n < elementCount ? n : elementCount);
    return Iterator::over(this, static_cast<std::int32_t>(cursor), cursor);
}

s::io::IInputStream* ArrayBase::newInputStream() const {
    return s::col::CollectionInputStream::over(this);
}

// --- the byte stream view ------------------------------------------------------------

bool ArrayBase::read(void* dest, std::uint32_t n, std::uint32_t& got) {
    got = 0;
    const std::uint32_t size = byteSize();
    if (position >= size) {
        return false;
    }
    const std::uint32_t available = size - position;
    const std::uint32_t copied = n < available ? n : available;
    if (copied > 0 && dest != nullptr) {
        std::memcpy(dest, storage + position, copied);
        position += copied;
        got = copied;
    }
    return true;
}

bool ArrayBase::write(const void* src, std::uint32_t n, std::uint32_t& put) {
    put = 0;
    if (n == 0) {
        return true;
    }
    if (src == nullptr || position > UINT32_MAX - n) {
        return false;
    }
    const std::uint32_t endByte = position + n;
    const std::uint32_t mask = elementSize() - 1;
    const std::uint32_t endElement = (endByte >> elementShift) + ((endByte & mask) != 0 ? 1 : 0);
    if (!growFor(endElement)) {
        return false;
    }
    // A position beyond the data leaves a gap; it reads as zeros.
    const std::uint32_t size = byteSize();
    if (position > size) {
        std::memset(storage + size, 0, position - size);
    }
    std::memmove(storage + position, src, n);
    if (endElement > elementCount) {
        // Cover the tail of a partly written last element with zeros.
        const std::uint32_t coveredBytes = endElement << elementShift;
        if (coveredBytes > endByte) {
            std::memset(storage + endByte, 0, coveredBytes - endByte);
        }
        elementCount = endElement;
    }
    position = endByte;
    put = n;
    return true;
}

void ArrayBase::seekFromEnd(std::uint32_t n) {
    const std::uint32_t size = byteSize();
    position = n >= size ? 0 : size - n;
}

void ArrayBase::skip(std::uint32_t n) {
    position = n > UINT32_MAX - position ? UINT32_MAX : position + n;
}

void ArrayBase::stepBack(std::uint32_t n) {
    position = n >= position ? 0 : position - n;
}

} // namespace s::col::_array
