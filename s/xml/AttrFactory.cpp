#include "s/xml/AttrFactory.h"

#include <cstring>
#include <new>

namespace s::xml {

AttrFactory& AttrFactory::instance() {
    // Never destroyed: attribute lists may give records back during exit.
    static AttrFactory* const factory = new AttrFactory();
    return *factory;
}

void* AttrFactory::generate() {
    auto* record = new (std::nothrow) Record;
    if (record != nullptr) {
        std::memset(record, 0, sizeof(Record));
    }
    return record;
}

void AttrFactory::resetBlock(void* block) {
    auto* record = static_cast<Record*>(block);
    delete[] record->name; // the value lives in the same allocation
    std::memset(record, 0, sizeof(Record));
}

void AttrFactory::destroyBlock(void** slot) {
    if (slot == nullptr || *slot == nullptr) {
        return;
    }
    auto* record = static_cast<Record*>(*slot);
    delete[] record->name;
    delete record;
    *slot = nullptr;
}

AttrFactory::Record* AttrFactory::newRecord(const char16_t* name, std::uint32_t nameLength,
                                            const char16_t* value, std::uint32_t valueLength) {
    auto* record = static_cast<Record*>(take());
    if (record == nullptr) {
        return nullptr;
    }
    std::size_t units = static_cast<std::size_t>(nameLength) + valueLength + 2;
    auto* storage = new (std::nothrow) char16_t[units];
    if (storage == nullptr) {
        giveBack(record);
        return nullptr;
    }
    if (nameLength > 0) {
        std::memcpy(storage, name, nameLength * sizeof(char16_t));
    }
    storage[nameLength] = 0;
    char16_t* valueStorage = storage + nameLength + 1;
    if (valueLength > 0) {
        std::memcpy(valueStorage, value, valueLength * sizeof(char16_t));
    }
    valueStorage[valueLength] = 0;
    record->nameLength = nameLength;
    record->name = storage;
    record->valueLength = valueLength;
    record->value = valueStorage;
    return record;
}

} // namespace s::xml
