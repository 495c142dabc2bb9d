#include "s/comp/CompP.h"

#include <cstdint>
#include <new>

namespace s::comp {

const CompP& CompP::instance() {
    static const CompP* const comparator = new CompP();
    return *comparator;
}

int CompP::compare(const void* a, const void* b) const {
    const std::uintptr_t left = *static_cast<const std::uintptr_t*>(a);
    const std::uintptr_t right = *static_cast<const std::uintptr_t*>(b);
    if (left == right) {
        return 0;
    }
    return left < right ? -1 : 1;
}

s::base::IObject* CompP::newObject() const {
    return new (std::nothrow) CompP();
}

} // namespace s::comp
