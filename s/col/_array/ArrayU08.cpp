#include "s/col/_array/ArrayU08.h"

#include "s/comp/CompU08.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::col::_array {

bool ArrayU08::indexOf(std::uint8_t value, std::int32_t& index, std::uint32_t from) const {
    for (std::uint32_t i = from; i < elementCount; ++i) {
        if (get(i) == value) {
            index = static_cast<std::int32_t>(i);
            return true;
        }
    }
    index = -1;
    return false;
}

const s::base::IComparator& ArrayU08::defaultComparator() const {
    return s::comp::CompU08::instance();
}

void ArrayU08::appendElementText(s::str::strbuffer::StrBuffer& dest, const void* element) const {
    dest.appendUInt32(*static_cast<const std::uint8_t*>(element));
}

} // namespace s::col::_array
