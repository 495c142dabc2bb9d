#include "s/col/_array/Iterator.h"

#include "s/col/_array/ArrayBase.h"

namespace s::col::_array {

void Iterator::reset() {
    index = -1;
    array = nullptr;
    cursor = 0;
}

Iterator* Iterator::over(ArrayBase* target, std::int32_t startIndex, std::uint32_t startCursor) {
    Iterator* iterator = newInstance();
    if (iterator != nullptr) {
        iterator->array = target;
        iterator->index = startIndex;
        iterator->cursor = startCursor;
    }
    return iterator;
}

std::uint32_t Iterator::elementCount() const {
    return array != nullptr ? array->count() : 0;
}

void Iterator::setIndex(std::int32_t newIndex) {
    std::int64_t moved = static_cast<std::int64_t>(cursor) + newIndex - index;
    if (moved < 0) {
        moved = 0;
    }
    if (moved > elementCount()) {
        moved = elementCount();
    }
    index = static_cast<std::int32_t>(index + (moved - cursor));
    cursor = static_cast<std::uint32_t>(moved);
}

bool Iterator::hasNext() const {
    return static_cast<std::int64_t>(index) < static_cast<std::int64_t>(elementCount()) - 1;
}

bool Iterator::hasPrevious() const {
    return index > 0;
}

void* Iterator::next() {
    if (cursor >= elementCount()) {
        return nullptr;
    }
    void* element = array->elementAddress(cursor);
    ++cursor;
    ++index;
    return element;
}

void* Iterator::previous() {
    if (cursor == 0 || cursor > elementCount()) {
        return nullptr;
    }
    --cursor;
    --index;
    return array->elementAddress(cursor);
}

void* Iterator::skip(std::uint32_t n) {
    void* element = nullptr;
    for (std::uint32_t i = 0; i < n; ++i) {
        element = next();
        if (element == nullptr) {
            break;
        }
    }
    return element;
}

void* Iterator::back(std::uint32_t n) {
    void* element = nullptr;
    for (std::uint32_t i = 0; i < n; ++i) {
        element = previous();
        if (element == nullptr) {
            break;
        }
    }
    return element;
}

} // namespace s::col::_array
