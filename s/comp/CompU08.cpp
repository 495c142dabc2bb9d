#include "s/comp/CompU08.h"

#include <cstdint>
#include <new>

namespace s::comp {

const CompU08& CompU08::instance() {
    static const CompU08* const comparator = new CompU08();
    return *comparator;
}

int CompU08::compare(const void* a, const void* b) const {
    const std::uint8_t left = *static_cast<const std::uint8_t*>(a);
    const std::uint8_t right = *static_cast<const std::uint8_t*>(b);
    if (left == right) {
        return 0;
    }
    return left < right ? -1 : 1;
}

s::base::IObject* CompU08::newObject() const {
    return new (std::nothrow) CompU08();
}

} // namespace s::comp
