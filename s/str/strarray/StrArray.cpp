#include "s/str/strarray/StrArray.h"

#include "s/str/strbuffer/StrBuffer.h"

namespace s::str::strarray {

using s::str::strbuffer::StrBuffer;

StrArray::StrArray() : items(s::col::_array::ArrayP::newInstance()) {
    reset();
}

StrArray::~StrArray() {
    if (items != nullptr) {
        items->release();
    }
}

void StrArray::reset() {
    // freeStorage disposes of every string through the disposer; a recycled
    // array must be told again that it owns its strings.
    items->setDisposer(&StrBuffer::pool());
    items->freeStorage();
    items->setDisposer(&StrBuffer::pool());
}

StrBuffer* StrArray::get(std::uint32_t i) const {
    return i < items->count() ? static_cast<StrBuffer*>(items->get(i)) : nullptr;
}

const char16_t* StrArray::textAt(std::uint32_t i) const {
    const StrBuffer* text = get(i);
    return text != nullptr ? text->c_str() : u"";
}

void StrArray::add(StrBuffer* text) {
    if (text != nullptr && !items->add(text)) {
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
    for (std::uint32_t i = 0; i < items->count(); ++i) {
        if (get(i)->equalsWcs(units, n)) {
            index = i;
            return true;
        }
    }
    return false;
}

bool StrArray::indexOfIgnoreCase(const char16_t* units, std::int32_t n,
                                 std::uint32_t& index) const {
    for (std::uint32_t i = 0; i < items->count(); ++i) {
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
    if (i >= items->count()) {
        return nullptr;
    }
    return static_cast<StrBuffer*>(items->removeAt(i));
}

void StrArray::clear() {
    for (std::uint32_t i = 0; i < items->count(); ++i) {
        static_cast<StrBuffer*>(items->get(i))->release();
    }
    items->clear();
}

} // namespace s::str::strarray
