#pragma once
#include "s/base/IComparator.h"
#include "s/col/ICollection.h"
#include "s/io/IInputStream.h"
#include "s/io/IInputStreamable.h"
#include "s/io/IOutputStream.h"

#include <cstdint>

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::col::_array {

class Iterator;

// A growable array of fixed-size elements (1, 2, 4 or 8 bytes; the element
// size is 1 << elementShift). The concrete arrays (ArrayP, ArrayS32, ArrayU08,
// ArrayS08) are pooled objects used by one thread at a time; a new or reset
// array holds no storage.
//
// Indices and counts are in elements. Where a count n may be -1 it means "to
// the end". Indices outside the array are clamped or refused (false), never
// followed. Appending grows the storage geometrically (100, then x3, x2, x1.5,
// x1.2 as it gets large); write() and setCount() grow to the exact size.
// Operations that allocate answer false, leaving the array unchanged, when
// memory runs out.
//
// The array is also a byte stream over its storage: read() and write(src, n,
// put) work at a byte position, and writing grows the count to cover what was
// written. newInputStream() gives a separate reader of the storage bytes with
// a position of its own.
class ArrayBase : public s::col::ICollection,
                  public s::io::IInputStreamable,
                  public s::io::IInputStream,
                  public s::io::IOutputStream {
public:
    // Capacity after one growth step from `capacity`.
    static std::uint32_t grownCapacity(std::uint32_t capacity);

    // --- IObject ---------------------------------------------------------------
    // Without a comparator: fewer elements is smaller; equal counts compare
    // element by element with defaultComparator(), the first difference
    // deciding. `other` must be an array of the same element type.
    int compareTo(const s::base::IComparable* other,
                  const s::base::IComparator* comparator = nullptr) const override;
    const char16_t* getClassName() const override { return u"s_col_array_ArrayBase"; }
    const char16_t* getTypeName() const { return getClassName(); }

    // --- size and storage --------------------------------------------------------
    std::uint32_t count() const override { return elementCount; }
    std::uint32_t capacity() const { return elementCapacity; }
    std::uint32_t elementSize() const { return 1u << elementShift; }
    // Capacity at least n (exactly n when it grows); count = n. New elements
    // are uninitialised.
    bool setCount(std::uint32_t n);
    // Capacity at least n (exactly n when it grows).
    bool reserve(std::uint32_t n);
    // n elements in bytes (n = -1: count).
    std::uint32_t byteSize(std::int32_t n = -1) const;
    // The storage; null while nothing was ever allocated.
    void* items() { return storage; }
    const void* items() const { return storage; }
    void* elementAddress(std::uint32_t index) {
        return storage + (std::size_t(index) << elementShift);
    }
    const void* elementAddress(std::uint32_t index) const {
        return storage + (std::size_t(index) << elementShift);
    }

    // --- copying in and out ------------------------------------------------------
    // Copies n elements from srcIndex into buf at element bufIndex; answers the
    // number copied.
    std::uint32_t copyOut(void* buf, std::uint32_t bufIndex, std::uint32_t srcIndex,
                          std::int32_t n = -1) const;
    // Writes n elements of src (from srcIndex) at destIndex, overwriting; the
    // count rises to destIndex + n if that is larger. destIndex > count is
    // refused. n = 0 does nothing.
    bool write(const void* src, std::uint32_t n, std::uint32_t srcIndex, std::uint32_t destIndex);
    bool append(const void* src, std::uint32_t n, std::uint32_t srcIndex = 0);
    bool prepend(const void* src, std::uint32_t n, std::uint32_t srcIndex = 0);
    // index = count appends, 0 prepends; index > count is refused.
    bool insert(std::uint32_t index, const void* src, std::uint32_t n, std::uint32_t srcIndex = 0);
    // Writes n elements of this array (from srcIndex) into dest at destIndex.
    // False when the element sizes differ.
    bool copyTo(ArrayBase& dest, std::uint32_t destIndex, std::uint32_t srcIndex,
                std::int32_t n = -1) const;
    bool copyFrom(const ArrayBase& src, std::uint32_t srcIndex, std::uint32_t destIndex,
                  std::int32_t n = -1);

    // --- removing (elements are never disposed of) ---------------------------------
    void removeLast(std::uint32_t n = 1);
    void removeFirst(std::uint32_t n = 1);
    void removeRange(std::uint32_t index, std::int32_t n = -1);
    // Copy out, then remove; answer the number of elements moved.
    std::uint32_t popLast(void* buf, std::uint32_t n = 1, std::uint32_t bufIndex = 0);
    std::uint32_t popFirst(void* buf, std::uint32_t n = 1, std::uint32_t bufIndex = 0);
    std::uint32_t takeRange(std::uint32_t index, void* buf, std::int32_t n = -1,
                            std::uint32_t bufIndex = 0);
    // count = 0, position = 0; storage kept; nothing disposed of.
    void clear();
    // Frees the storage (an ArrayP with a disposer disposes of its elements
    // first); count, capacity and position become 0.
    virtual void freeStorage();

    // Byte-wise comparison (unsigned, memory order) of up to n elements from
    // index with the elements of data from dataIndex up to dataCount (n = -1:
    // everything to both ends); equal prefixes are decided by the shorter
    // remaining length.
    int compareRange(std::uint32_t index, const void* data, std::uint32_t dataCount,
                     std::uint32_t dataIndex, std::int32_t n = -1) const;

    void swap(std::uint32_t i, std::uint32_t j);
    void reverse();

    // --- text ----------------------------------------------------------------------
    // The class name, " [", the elements separated by single spaces, "]".
    void toText(s::str::strbuffer::StrBuffer& dest, bool append) const;
    // <Class length="n">elementsText</Class>
    void toXml(s::str::strbuffer::StrBuffer& dest, bool append) const;
    // All elements as lower-case hex, without separators.
    void elementsText(s::str::strbuffer::StrBuffer& dest, bool append) const;
    // The text of one element (given by address) for toText().
    virtual void appendElementText(s::str::strbuffer::StrBuffer& dest,
                                   const void* element) const = 0;
    // The process-wide comparator of the element type.
    virtual const s::base::IComparator& defaultComparator() const = 0;

    // --- enumeration -----------------------------------------------------------------
    // Pooled iterators owned by the caller (release()); see Iterator for the
    // index: -1 before the first element, the count at the end.
    Iterator* iterator();
    Iterator* iteratorAtEnd();
    // next() returns element i (the end when i is beyond it).
    Iterator* iteratorFrom(std::uint32_t index);
    // Placed like iteratorAtEnd() moved back by n elements.
    Iterator* iteratorFromEnd(std::uint32_t n);

    // --- IInputStreamable ---------------------------------------------------------------
    // A pooled s::col::CollectionInputStream over the storage bytes.
    s::io::IInputStream* newInputStream() const override;

    // --- the byte stream view -------------------------------------------------------
    bool read(void* dest, std::uint32_t n, std::uint32_t& got) override;
    bool write(const void* src, std::uint32_t n, std::uint32_t& put) override;
    void flush() override {}
    void rewind() override { position = 0; }
    std::uint32_t getPosition() const override { return position; }
    void setPosition(std::uint32_t newPosition) override { position = newPosition; }
    void seekToEnd() override { position = byteSize(); }
    void seekFromEnd(std::uint32_t n) override;
    void skip(std::uint32_t n) override;
    void stepBack(std::uint32_t n) override;
    bool canRewind() const override { return true; }
    bool canSeek() const override { return true; }

    // --- IPoolable ---------------------------------------------------------------
    // Frees the storage (see freeStorage()).
    void reset() override;

protected:
    explicit ArrayBase(std::uint8_t shift) : elementShift(shift) {}
    ~ArrayBase() override;
    ArrayBase(const ArrayBase&) = delete;
    ArrayBase& operator=(const ArrayBase&) = delete;

    // Grows geometrically until the capacity holds `needed` elements.
    bool growFor(std::uint32_t needed);
    // Frees the storage without disposing of anything.
    void dropStorage();

    std::uint8_t elementShift;
    std::uint8_t* storage = nullptr;
    std::uint32_t elementCount = 0;
    std::uint32_t elementCapacity = 0;
    std::uint32_t position = 0;

private:
    bool reallocate(std::uint32_t capacity);
    std::uint32_t clampCount(std::uint32_t index, std::int32_t n) const;
};

} // namespace s::col::_array
