#pragma once
#include "s/base/IObject.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

#include <cstdint>

namespace s::col::_array {

class ArrayBase;

// Walks an array element by element. The iterator stands between two
// elements: next() returns the element after it and moves past it,
// previous() moves back over one element and returns it. index is the index
// of the element next() returned last (-1 before the first). Made by the
// array's iterator...() operations; pooled, owned by the caller, used by one
// thread; the array must outlive it and keep its size while it is used.
class Iterator : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(Iterator, u"s_col_array_Iterator")
public:
    void reset() override;

    std::int32_t getIndex() const { return index_; }
    // Places the iterator so that next() returns element index + 1.
    void setIndex(std::int32_t index);

    bool hasNext() const;
    bool hasPrevious() const;
    // The next element's address, or null at the end.
    void* next();
    // The previous element's address, or null at the start.
    void* previous();
    // n x next() / n x previous(); the address of the last element passed,
    // null when the walk ran out.
    void* skip(std::uint32_t n);
    void* back(std::uint32_t n);

    // Used by the array when it makes the iterator.
    void attach(ArrayBase* array, std::int32_t index);

private:
    Iterator() { reset(); }

    std::int32_t index_;
    ArrayBase* array_;
    // The element that next() returns.
    std::uint8_t* current_;
};

} // namespace s::col::_array
