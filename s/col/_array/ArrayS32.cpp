#include "s/col/_array/ArrayS32.h"

#include "s/comp/CompS32.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::col::_array {

bool ArrayS32::indexOf(std::int32_t value, std::int32_t& index, std::uint32_t from) const {
    for (std::uint32_t i = from; i < elementCount; ++i) {
        if (get(i) == value) {
            index = static_cast<std::int32_t>(i);
            return true;
        }
    }
    index = -1;
    return false;
}

const s::base::IComparator& ArrayS32::defaultComparator() const {
    return s::comp::CompS32::instance();
}

void ArrayS32::appendElementText(s::str::strbuffer::StrBuffer& dest, const void* element) const {
    dest.appendInt32(*static_cast<const std::int32_t*>(element));
}

} // namespace s::col::_array
