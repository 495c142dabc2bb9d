#include "s/str/strbuffer/Iterator.h"

#include "s/str/strbuffer/StrBuffer.h"

namespace s::str::strbuffer {

Iterator* Iterator::over(const StrBuffer* text, std::int32_t index, std::uint32_t cursor) {
    Iterator* iterator = newInstance();
    iterator->container_ = text;
    iterator->index_ = index;
    iterator->cursor_ = cursor;
    return iterator;
}

std::uint32_t Iterator::textLength() const {
    return container_ != nullptr ? container_->length() : 0;
}

void Iterator::setIndex(std::int32_t index) {
    std::int64_t cursor = static_cast<std::int64_t>(cursor_) + index - index_;
    if (cursor < 0) {
        cursor = 0;
    }
    if (cursor > textLength()) {
        cursor = textLength();
    }
    index_ = static_cast<std::int32_t>(index_ + (cursor - cursor_));
    cursor_ = static_cast<std::uint32_t>(cursor);
}

bool Iterator::hasNext() const {
    return static_cast<std::int64_t>(index_) < static_cast<std::int64_t>(textLength()) - 1;
}

bool Iterator::hasPrevious() const {
    return index_ > 0;
}

const char16_t* Iterator::current() const {
    return cursor_ < textLength() ? container_->charPtrAt(cursor_) : nullptr;
}

const char16_t* Iterator::next() {
    const char16_t* unit = current();
    if (unit != nullptr) {
        ++cursor_;
        ++index_;
    }
    return unit;
}

const char16_t* Iterator::previous() {
    if (cursor_ == 0 || cursor_ > textLength()) {
        return nullptr;
    }
    --cursor_;
    --index_;
    return container_->charPtrAt(cursor_);
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
