#pragma once
#include "s/base/IObject.h"
#include "s/col/_array/ArrayP.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

#include <cstdint>

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::str::strarray {

// A list of strings that it owns: every string in it goes back to the string
// pool when it is removed with removeAt(), when the list is cleared and when
// the list itself is released. Pooled; owned by whoever took it; used by one
// thread at a time.
class StrArray final : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(StrArray, u"s_str_strarray_StrArray")
public:
    using StrBuffer = s::str::strbuffer::StrBuffer;

    // Gives every string back and drops the storage.
    void reset() override;

    std::uint32_t count() const { return items->count(); }
    bool isEmpty() const { return items->count() == 0; }
    // String i, or null when i is out of range. The list keeps ownership.
    StrBuffer* get(std::uint32_t i) const;
    // The text of string i, zero-terminated; an empty text when out of range.
    const char16_t* textAt(std::uint32_t i) const;

    // Takes ownership of text (null is ignored).
    void add(StrBuffer* text);
    // Appends a pooled copy of n units (n = -1: up to the terminating zero).
    void appendCopy(const char16_t* units, std::int32_t n = -1);
    // First string equal to the n units, exactly or ignoring case; false when
    // none (index unchanged).
    bool indexOf(const char16_t* units, std::int32_t n, std::uint32_t& index) const;
    bool indexOfIgnoreCase(const char16_t* units, std::int32_t n, std::uint32_t& index) const;
    // Removes string i and gives it back to its pool.
    void removeAt(std::uint32_t i);
    // Removes string i and hands it to the caller (null when out of range).
    StrBuffer* takeAt(std::uint32_t i);
    // Gives every string back; the list keeps its storage.
    void clear();

    // The list's own array (elements are StrBuffer*, disposer the string pool).
    const s::col::_array::ArrayP& array() const { return *items; }

private:
    StrArray();
    ~StrArray() override;

    s::col::_array::ArrayP* items;
};

} // namespace s::str::strarray
