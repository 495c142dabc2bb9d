#include "s/str/strbuffer/Iterator.h"

#include "s/str/strbuffer/StrBuffer.h"

namespace s::str::strbuffer {

Iterator* Iterator::over(const StrBuffer* text, std::int32_t index, std::uint32_t cursor) {
    Iterator* iterator = newInstance();
    iterator->container = text;
    iterator->index = index;
    iterator->cursor = cursor;
    return iterator;
}

std::uint32_t Iterator::textLength() const {
    return container != nullptr ? container->length() : 0;
}

void Iterator::setIndex(std::int32_t newIndex) {
    std::int64_t newCursor = static_cast<std::int64_t>(cursor) + newIndex - index;
    if (newCursor < 0) {
        newCursor = 0;
    }
    if (newCursor > textLength()) {
        newCursor = textLength();
    }
    index = static_cast<std::int32_t>(index + (newCursor - cursor));
    cursor = static_cast<std::uint32_t>(newCursor);
}

bool Iterator::hasNext() const {
    return static_cast<std::int64_t>(index) < static_cast<std::int64_t>(textLength()) - 1;
}

bool Iterator::hasPrevious() const {
    return index > 0;
}

const char16_t* Iterator::current() const {
    return cursor < textLength() ? container->charPtrAt(cursor) : nullptr;
}

const char16_t* Iterator::next() {
    const char16_t* unit = current();
    if (unit != nullptr) {
        ++cursor;
        ++index;
    }
    return unit;
}

const char16_t* Iterator::previous() {
    if (cursor == 0 || cursor > textLength()) {
        return nullptr;
    }
    --cursor;
    --index;
    return container->charPtrAt(cursor);
}

const char16_t* Iterator::skip(std::uint32_t n) {
    const char16_t* unit = nullptr;
    for (std::uint32_t i = 0; i < n; ++i) {
        unit = next();
        if (unit == nullptr) {
            break;
        }
    }
    return unit;
}

const char16_t* Iterator::back(std::uint32_t n) {
    const char16_t* unit = nullptr;
    for (std::uint32_t i = 0; i < n; ++i) {
        unit = previous();
        if (unit == nullptr) {
            break;
        }
    }
    return unit;
}

} // namespace s::str::strbuffer
