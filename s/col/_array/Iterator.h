#pragma once
#include "s/base/IObject.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

#include <cstdint>

namespace s::col::_array {

class ArrayBase;

// Walks an array element by element, as the string buffer's iterator walks
// units. The iterator has a cursor between two elements: next() returns the
// element after the cursor and moves past it, previous() moves back over one
// element and returns it. Its index moves with the cursor: an iterator made
// before the first element starts at -1 (index = the element next() returned
// last), one made at the end starts at the count (index = the element
// previous() returned last). hasNext() is index < count - 1 and hasPrevious()
// is index > 0, as the index is defined; next() and previous() themselves go
// as far as the cursor can.
//
// Made by the array's iterator...() operations; pooled, owned by the caller,
// used by one thread. The array must outlive the iterator; addresses are
// taken from the array at each step, so growing it between steps is
// harmless, and a step that would leave the array answers null and moves
// nothing.
class Iterator final : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(Iterator, u"s_col_array_Iterator")
public:
    void reset() override;

    std::int32_t getIndex() const { return index; }
    // Moves index and cursor together by the difference (the cursor is kept
    // within the array).
    void setIndex(std::int32_t newIndex);

    bool hasNext() const;
    bool hasPrevious() const;
    // The element after the cursor, or null at the end.
    void* next();
    // The element before the cursor, or null at the start.
    void* previous();
    // n x next() / n x previous(); the address of the last element passed,
    // null when the walk ran out (the iterator stays where it ran out).
    void* skip(std::uint32_t n);
    void* back(std::uint32_t n);

    // A new iterator over the array with the given index and cursor
    // (0 .. count); null when out of memory.
    static Iterator* over(ArrayBase* target, std::int32_t startIndex, std::uint32_t startCursor);

private:
    Iterator() { reset(); }
    std::uint32_t elementCount() const;

    std::int32_t index;
    ArrayBase* array;
    // The element next() returns.
    std::uint32_t cursor;
};

} // namespace s::col::_array
