#include "s/comp/CompS08.h"

#include <cstdint>
#include <new>

namespace s::comp {

const CompS08& CompS08::instance() {
    static const CompS08* const comparator = new CompS08();
    return *comparator;
}

int CompS08::compare(const void* a, const void* b) const {
    const std::int8_t left = *static_cast<const std::int8_t*>(a);
    const std::int8_t right = *static_cast<const std::int8_t*>(b);
    if (left == right) {
        return 0;
    }
    return left < right ? -1 : 1;
}

s::base::IObject* CompS08::newObject() const {
    return new (std::nothrow) CompS08();
}

} // namespace s::comp
