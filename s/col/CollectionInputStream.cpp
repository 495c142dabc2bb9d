#include "s/col/CollectionInputStream.h"

#include "s/col/_array/ArrayBase.h"

#include <cstring>

namespace s::col {

void CollectionInputStream::reset() {
    array = nullptr;
    position = 0;
}

CollectionInputStream* CollectionInputStream::over(const _array::ArrayBase* source) {
    CollectionInputStream* stream = newInstance();
    if (stream != nullptr) {
        stream->array = source;
    }
    return stream;
}

std::uint32_t CollectionInputStream::size() const {
    return array != nullptr ? array->byteSize() : 0;
}

bool CollectionInputStream::read(void* dest, std::uint32_t n, std::uint32_t& got) {
    got = 0;
    const std::uint32_t total = size();
    if (position >= total) {
        return false;
    }
    const std::uint32_t available = total - position;
    const std::uint32_t copied = n < available ? n : available;
    if (copied > 0 && dest != nullptr) {
        std::memcpy(dest, static_cast<const std::uint8_t*>(array->items()) + position, copied);
        position += copied;
        got = copied;
    }
    return true;
}

void CollectionInputStream::seekFromEnd(std::uint32_t n) {
    const std::uint32_t total = size();
    position = n >= total ? 0 : total - n;
}

void CollectionInputStream::skip(std::uint32_t n) {
    position = n > UINT32_MAX - position ? UINT32_MAX : position + n;
}

void CollectionInputStream::stepBack(std::uint32_t n) {
    position = n >= position ? 0 : position - n;
}

} // namespace s::col
