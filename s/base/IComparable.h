#pragma once
#include <cstdint>

namespace s::base {

class IComparator;

// Root of every library object: ordering, equality and hashing. The defaults
// treat an object as a plain identity (address order, equal only to itself, a
// hash shared by all objects of one concrete class); value classes such as the
// string buffer override them. The comparator argument, when given, decides
// instead of the object itself and receives the two objects' addresses.
class IComparable {
public:
    virtual ~IComparable() = default;

    // Negative, 0 or positive. Without a comparator: the addresses compared as
    // unsigned numbers (-1, 0 or 1).
    virtual int compareTo(const IComparable* other, const IComparator* comparator = nullptr) const;
    // Without a comparator the same as compareTo(other).
    virtual int compareToIgnoreCase(const IComparable* other,
                                    const IComparator* comparator = nullptr) const;
    virtual bool equals(const IComparable* other, const IComparator* comparator = nullptr) const;
    virtual bool equalsIgnoreCase(const IComparable* other,
                                  const IComparator* comparator = nullptr) const;
    // The same value for every object of one concrete class unless overridden.
    virtual std::int32_t hashCode() const;
    virtual std::int32_t hashCodeIgnoreCase() const;
};

} // namespace s::base
