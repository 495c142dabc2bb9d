#include "s/xml/Attributes.h"
#include "s/str/Ascii.h"

#include <new>

namespace s::xml {

namespace {

std::uint32_t lengthOf(const char16_t* text) {
    std::uint32_t length = 0;
    while (text[length] != 0) {
        ++length;
    }
    return length;
}

} // namespace

bool Attributes::find(const char16_t* name, std::uint32_t& index) const {
    if (name == nullptr) {
        name = u"";
    }
    std::uint32_t nameLength = lengthOf(name);
    for (std::uint32_t i = 0; i < count_; ++i) {
        const Record* record = items_[i];
        if (record->nameLength != nameLength) {
            continue;
        }
        std::uint32_t k = 0;
        while (k < nameLength &&
               s::str::Ascii::toLower(record->name[k]) == s::str::Ascii::toLower(name[k])) {
            ++k;
        }
        if (k == nameLength) {
            index = static_cast<std::uint32_t>(i);
            return true;
        }
    }
    return false;
}

bool Attributes::removeAt(std::uint32_t index) {
    if (index >= count_) {
        return false;
    }
    Record* record = items_[index];
    for (std::uint32_t i = index + 1; i < count_; ++i) {
        items_[i - 1] = items_[i];
    }
    --count_;
    AttrFactory::instance().giveBack(record);
    return true;
}

bool Attributes::add(const char16_t* name, std::int32_t nameLength, const char16_t* value,
                     std::int32_t valueLength) {
    if (name == nullptr) {
        name = u"";
        nameLength = 0;
    }
    if (value == nullptr) {
        value = u"";
        valueLength = 0;
    }
    std::uint32_t names = nameLength < 0 ? lengthOf(name) : static_cast<std::uint32_t>(nameLength);
    std::uint32_t values =
        valueLength < 0 ? lengthOf(value) : static_cast<std::uint32_t>(valueLength);
    if (count_ == capacity_ && !grow()) {
        return false;
    }
    Record* record = AttrFactory::instance().newRecord(name, names, value, values);
    if (record == nullptr) {
        return false;
    }
    items_[count_++] = record;
    return true;
}

void Attributes::clear() {
    AttrFactory& factory = AttrFactory::instance();
    for (std::uint32_t i = 0; i < count_; ++i) {
        factory.giveBack(items_[i]);
    }
    count_ = 0;
    if (items_ != inline_) {
        delete[] items_;
        items_ = inline_;
        capacity_ = kInlineCount;
    }
}

Attributes::~Attributes() {
    clear();
}

bool Attributes::grow() {
    if (capacity_ > 0x3FFFFFFF) {
        return false;
    }
    std::uint32_t capacity = capacity_ * 2;
    auto* items = new (std::nothrow) Record*[capacity];
    if (items == nullptr) {
        return false;
    }
    for (std::uint32_t i = 0; i < count_; ++i) {
        items[i] = items_[i];
    }
    if (items_ != inline_) {
        delete[] items_;
    }
    items_ = items;
    capacity_ = capacity;
    return true;
}

} // namespace s::xml
