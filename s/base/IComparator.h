#pragma once

namespace s::base {

// A comparison object. It receives the ADDRESSES of the two elements (for an
// array of ints, two int*; for an array of pointers, two pointers to the
// pointer slots), never the element values themselves.
class IComparator {
public:
    virtual ~IComparator() = default;
    // Negative, 0 or positive.
    virtual int compare(const void* a, const void* b) const = 0;
    virtual int compareIgnoreCase(const void* a, const void* b) const { return compare(a, b); }
};

} // namespace s::base
