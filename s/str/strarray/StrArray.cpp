#include "s/str/strarray/StrArray.h"

#include "s/str/strbuffer/StrBuffer.h"

namespace s::str::strarray {

using s::str::strbuffer::StrBuffer;

StrArray::StrArray() : items_(s::col::_array::ArrayP::newInstance()) {
    reset();
}

StrArray::~StrArray() {
    if (items_ != nullptr) {
        items_->release();
    }
}

void StrArray::reset() {
    // freeStorage disposes of every string through the disposer; a recycled
    // array must be told again that it owns its strings.
    items_->setDisposer(&StrBuffer::pool());
    items_->freeStorage();
    items_->setDisposer(&StrBuffer::pool());
}

StrBuffer* StrArray::get(std::uint32_t i) const {
    return i < items_->count() ? static_cast<StrBuffer*>(items_->get(i)) : nullptr;
}

const char16_t* StrArray::textAt(std::uint32_t i) const {
    const StrBuffer* text = get(i);
    return text != nullptr ? text->c_str() : u"";
}

void StrArray::add(StrBuffer* text) {
    if (text != nullptr && !items_->add(text)) {
        text->release();
    }
}

void StrArray::appendCopy(const char16_t* units, std::int32_t n) {
    StrBuffer* text = StrBuffer::newInstance();
    if (n < 0) {
        text->assignWcs(units);
    } else {
        text->assign(units, static_cast<std::uint32_t>(n));
    }
    add(text);
}

bool StrArray::indexOf(const char16_t* units, std::int32_t n, std::uint32_t& index) const {
    for (std::uint32_t i = 0; i < items_->count(); ++i) {
        if (get(i)->equalsWcs(units, n)) {
            index = i;
            return true;
        }
    }
    return false;
}

bool StrArray::indexOfIgnoreCase(const char16_t* units, std::int32_t n,
                                 std::uint32_t& index) const {
    for (std::uint32_t i = 0; i < items_->count(); ++i) {
        if (get(i)->equalsWcsIgnoreCase(units, n)) {
            index = i;
            return true;
        }
    }
    return false;
}

void StrArray::removeAt(std::uint32_t i) {
    StrBuffer* text = takeAt(i);
    if (text != nullptr) {
        text->release();
    }
}

StrBuffer* StrArray::takeAt(std::uint32_t i) {
    if (i >= items_->count()) {
        return nullptr;
    }
    return static_cast<StrBuffer*>(items_->removeAt(i));
}

void StrArray::clear() {
    for (std::uint32_t i = 0; i < items_->count(); ++i) {
        static_cast<StrBuffer*>(items_->get(i))->release();
    }
    items_->clear();
}

} // namespace s::str::strarray
