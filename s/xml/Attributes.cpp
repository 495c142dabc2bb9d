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
    for (std::uint32_t i = 0; i < recordCount; ++i) {
        const Record* record = items[i];
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
    if (index >= recordCount) {
        return false;
    }
    Record* record = items[index];
    for (std::uint32_t i = index + 1; i < recordCount; ++i) {
        items[i - 1] = items[i];
    }
    --recordCount;
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
    if (recordCount == capacity && !grow()) {
        return false;
    }
    Record* record = AttrFactory::instance().newRecord(name, names, value, values);
    if (record == nullptr) {
        return false;
    }
    items[recordCount++] = record;
    return true;
}

void Attributes::clear() {
    AttrFactory& factory = AttrFactory::instance();
    for (std::uint32_t i = 0; i < recordCount; ++i) {
        factory.giveBack(items[i]);
    }
    recordCount = 0;
    if (items != inlineSlots) {
        delete[] items;
        items = inlineSlots;
        capacity = kInlineCount;
    }
}

Attributes::~Attributes() {
    clear();
}

bool Attributes::grow() {
    if (capacity > 0x3FFFFFFF) {
        return false;
    }
    std::uint32_t grownCapacity = capacity * 2;
    auto* grownItems = new (std::nothrow) Record*[grownCapacity];
    if (grownItems == nullptr) {
        return false;
    }
    for (std::uint32_t i = 0; i < recordCount; ++i) {
        grownItems[i] = items[i];
    }
    if (items != inlineSlots) {
        delete[] items;
    }
    items = grownItems;
    capacity = grownCapacity;
    return true;
}

} // namespace s::xml
