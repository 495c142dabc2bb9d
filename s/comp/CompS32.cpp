#include "s/comp/CompS32.h"

#include <cstdint>
#include <new>

namespace s::comp {

const CompS32& CompS32::instance() {
    static const CompS32* const comparator = new CompS32();
    return *comparator;
}

int CompS32::compare(const void* a, const void* b) const {
    const std::int32_t left = *static_cast<const std::int32_t*>(a);
    const std::int32_t right = *static_cast<const std::int32_t*>(b);
    if (left == right) {
        return 0;
    }
    return left < right ? -1 : 1;
}

s::base::IObject* CompS32::newObject() const {
    return new (std::nothrow) CompS32();
}

} // namespace s::comp
