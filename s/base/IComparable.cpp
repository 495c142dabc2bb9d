#include "s/base/IComparable.h"

#include "s/base/IComparator.h"

#include <cstdint>
#include <typeinfo>

namespace s::base {

int IComparable::compareTo(const IComparable* other, const IComparator* comparator) const {
    if (comparator != nullptr) {
        return comparator->compare(this, other);
    }
    const auto self = reinterpret_cast<std::uintptr_t>(this);
    const auto that = reinterpret_cast<std::uintptr_t>(other);
    if (self == that) {
        return 0;
    }
    return self < that ? -1 : 1;
}

int IComparable::compareToIgnoreCase(const IComparable* other,
                                     const IComparator* comparator) const {
    if (comparator != nullptr) {
        return comparator->compareIgnoreCase(this, other);
    }
    return compareTo(other, nullptr);
}

bool IComparable::equals(const IComparable* other, const IComparator* comparator) const {
    if (comparator != nullptr) {
        return comparator->compare(this, other) == 0;
    }
    return compareTo(other, nullptr) == 0;
}

bool IComparable::equalsIgnoreCase(const IComparable* other, const IComparator* comparator) const {
    if (comparator != nullptr) {
        return comparator->compareIgnoreCase(this, other) == 0;
    }
    return compareToIgnoreCase(other, nullptr) == 0;
}

std::int32_t IComparable::hashCode() const {
    // The dynamic type is the class identity: every object of one concrete
    // class hashes alike, which is all a default can promise.
    const std::size_t identity = typeid(*this).hash_code();
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(identity ^ (identity >> 32)));
}

std::int32_t IComparable::hashCodeIgnoreCase() const {
    return hashCode();
}

} // namespace s::base
