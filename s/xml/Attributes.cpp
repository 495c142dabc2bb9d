#include "s/xml/Attributes.h"

namespace s::xml {

namespace {

char16_t folded(char16_t unit) {
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit;
}

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
    for (std::size_t i = 0; i < records_.size(); ++i) {
        const Record* record = records_[i];
        if (record->nameLength != nameLength) {
            continue;
        }
        std::uint32_t k = 0;
        while (k < nameLength && folded(record->name[k]) == folded(name[k])) {
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
    if (index >= records_.size()) {
        return false;
    }
    Record* record = records_[index];
    records_.erase(records_.begin() + index);
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
    Record* record = AttrFactory::instance().newRecord(name, names, value, values);
    if (record == nullptr) {
        return false;
    }
    records_.push_back(record);
    return true;
}

void Attributes::clear() {
    AttrFactory& factory = AttrFactory::instance();
    for (Record* record : records_) {
        factory.giveBack(record);
    }
    std::vector<Record*>().swap(records_);
}

} // namespace s::xml
