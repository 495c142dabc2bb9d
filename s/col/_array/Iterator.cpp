#include "s/col/_array/Iterator.h"

#include "s/col/_array/ArrayBase.h"

namespace s::col::_array {

void Iterator::reset() {
    index_ = -1;
    array_ = nullptr;
    current_ = nullptr;
}

void Iterator::attach(ArrayBase* array, std::int32_t index) {
    array_ = array;
    setIndex(index);
}

void Iterator::setIndex(std::int32_t index) {
    if (array_ == nullptr) {
        return;
    }
    const auto count = static_cast<std::int32_t>(array_->count());
    index_ = index < -1 ? -1 : (index >= count ? count - 1 : index);
    current_ = static_cast<std::uint8_t*>(array_->items()) +
               (static_cast<std::size_t>(index_ + 1) * array_->elementSize());
}

bool Iterator::hasNext() const {
    return array_ != nullptr && index_ < static_cast<std::int32_t>(array_->count()) - 1;
}

bool Iterator::hasPrevious() const {
    return array_ != nullptr && index_ >= 0;
}

void* Iterator::next() {
    if (!hasNext()) {
        return nullptr;
    }
    void* element = current_;
    current_ += array_->elementSize();
    ++index_;
    return element;
}

void* Iterator::previous() {
    if (!hasPrevious()) {
        return nullptr;
    }
    current_ -= array_->elementSize();
    --index_;
    return current_;
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
