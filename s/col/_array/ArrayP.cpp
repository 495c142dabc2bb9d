#include "s/col/_array/ArrayP.h"

#include "s/comp/CompP.h"
#include "s/str/Hex.h"
#include "s/str/strbuffer/StrBuffer.h"

#include <cstdint>

namespace s::col::_array {

ArrayP::~ArrayP() {
    disposeElements();
}

void ArrayP::disposeElements() {
    if (elementDisposer == nullptr) {
        return;
    }
    // The disposer may be the pool of an element class whose reset releases
    // arrays: take the elements out first so that nothing reaches them twice.
    const std::uint32_t n = elementCount;
    elementCount = 0;
    void** elements = data();
    for (std::uint32_t i = 0; i < n; ++i) {
        elementDisposer->dispose(&elements[i]);
    }
}

void ArrayP::freeStorage() {
    disposeElements();
    dropStorage();
}

void ArrayP::reset() {
    freeStorage();
    elementDisposer = nullptr;
    classNameOf = nullptr;
}

bool ArrayP::addGrowing(void* element) {
    if (elementCount == UINT32_MAX || !growFor(elementCount + 1)) {
        return false;
    }
    data()[elementCount++] = element;
    return true;
}

void* ArrayP::removeAt(std::uint32_t index) {
    if (index >= elementCount) {
        return nullptr;
    }
    void* element = get(index);
    if (index == elementCount - 1) {
        --elementCount;
    } else {
        removeRange(index, 1);
    }
    return element;
}

bool ArrayP::indexOf(const void* element, std::int32_t& index, std::uint32_t from) const {
    for (std::uint32_t i = from; i < elementCount; ++i) {
        if (get(i) == element) {
            index = static_cast<std::int32_t>(i);
            return true;
        }
    }
    index = -1;
    return false;
}

void ArrayP::disposeAt(std::uint32_t index) {
    void* element = removeAt(index);
    if (elementDisposer != nullptr) {
        elementDisposer->dispose(&element);
    }
}

const s::base::IComparator& ArrayP::defaultComparator() const {
    return s::comp::CompP::instance();
}

void ArrayP::appendElementText(s::str::strbuffer::StrBuffer& dest, const void* element) const {
    const void* object = *static_cast<void* const*>(element);
    if (classNameOf != nullptr && object != nullptr) {
        dest.appendWcs(classNameOf(object));
    }
    auto address = reinterpret_cast<std::uintptr_t>(object);
    char16_t units[2 + 2 * sizeof(void*) + 2];
    std::uint32_t n = 0;
    units[n++] = u'(';
    units[n++] = u'0';
    units[n++] = u'x';
    n += s::str::Hex::writeShortest(units + n, address);
    units[n++] = u')';
    dest.append(units, n);
}

} // namespace s::col::_array
