#include "s/col/_array/ArrayS08.h"

#include "s/comp/CompS08.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::col::_array {

bool ArrayS08::indexOf(std::int8_t value, std::int32_t& index, std::uint32_t from) const {
    for (std::uint32_t i = from; i < elementCount; ++i) {
        if (get(i) == value) {
            index = static_cast<std::int32_t>(i);
            return true;
        }
    }
    index = -1;
    return false;
}

const s::base::IComparator& ArrayS08::defaultComparator() const {
    return s::comp::CompS08::instance();
}

void ArrayS08::appendElementText(s::str::strbuffer::StrBuffer& dest, const void* element) const {
    dest.appendInt32(*static_cast<const std::int8_t*>(element));
}

} // namespace s::col::_array
