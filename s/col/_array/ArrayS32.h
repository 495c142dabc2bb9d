#pragma once
#include "s/col/_array/ArrayBase.h"
#include "s/thread/ClassPool.h"

#include <cstdint>

namespace s::col::_array {

// A growable array of signed 32-bit integers. Pooled; used by one thread at a time.
class ArrayS32 : public ArrayBase {
    S_POOLED_CLASS(ArrayS32, u"s_col__array_ArrayS32")
public:
    // Element i (no bounds check: 0 <= i < count()).
    std::int32_t get(std::uint32_t i) const { return data()[i]; }
    void set(std::uint32_t i, std::int32_t value) { data()[i] = value; }
    const std::int32_t* data() const { return static_cast<const std::int32_t*>(items()); }
    std::int32_t* data() { return static_cast<std::int32_t*>(items()); }

    // Appends one element; false when out of memory.
    bool add(std::int32_t value) {
        if (elementCount < elementCapacity) {
            data()[elementCount++] = value;
            return true;
        }
        return append(&value, 1);
    }
    // First index at or after `from` holding value; false with index -1 when absent.
    bool indexOf(std::int32_t value, std::int32_t& index, std::uint32_t from = 0) const;

    const s::base::IComparator& defaultComparator() const override;
    void appendElementText(s::str::strbuffer::StrBuffer& dest, const void* element) const override;

private:
    ArrayS32() : ArrayBase(2) { reset(); }
};

} // namespace s::col::_array
