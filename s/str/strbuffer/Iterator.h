#pragma once
#include "s/base/IObject.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

#include <cstdint>

namespace s::str::strbuffer {

class StrBuffer;

// Walks a string buffer unit by unit. The iterator has a cursor between two
// units: next() returns the unit after the cursor and moves past it,
// previous() moves back over one unit and returns it. Its index moves with
// the cursor: an iterator made before the first unit starts at -1 (index =
// the unit next() returned last), one made at the end starts at the length
// (index = the unit previous() returned last). hasNext() is index < length - 1
// and hasPrevious() is index > 0, as the index is defined.
//
// Made by StrBuffer::iterator...(); pooled, owned by the caller, used by one
// thread. The buffer must outlive the iterator; addresses are taken from the
// buffer at each step, so growing it between steps is harmless, and a step
// that would leave the text answers null and moves nothing.
class Iterator final : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(Iterator, u"s_str_strbuffer_Iterator")
public:
    void reset() override {
        index = -1;
        container = nullptr;
        cursor = 0;
    }

    std::int32_t getIndex() const { return index; }
    // Moves index and cursor together by the difference (the cursor is kept
    // within the text).
    void setIndex(std::int32_t index);
    bool hasNext() const;
    bool hasPrevious() const;
    // The unit after the cursor, or null at the end of the text.
    const char16_t* next();
    // The unit before the cursor, or null at the start of the text.
    const char16_t* previous();
    // n x next() / n x previous(): the last address, null when the walk ran
    // out (the iterator stays where it ran out).
    const char16_t* skip(std::uint32_t n);
    const char16_t* back(std::uint32_t n);
    // The unit next() would return, or null.
    const char16_t* current() const;

    // A new iterator over text with the given index and cursor (0 .. length).
    static Iterator* over(const StrBuffer* text, std::int32_t index, std::uint32_t cursor);

private:
    Iterator() { reset(); }
    std::uint32_t textLength() const;

    std::int32_t index = -1;
    const StrBuffer* container = nullptr;
    std::uint32_t cursor = 0;
};

} // namespace s::str::strbuffer
