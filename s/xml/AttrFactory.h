#pragma once
#include "s/thread/Factory.h"

#include <cstdint>

namespace s::xml {

// The pool of attribute records of the XML element tree. A record holds one
// name/value pair exactly as it stands in a document (the value still
// encoded); an element's character content is a record with an empty name.
//
// One process-wide factory exists (instance()), made on first use and never
// destroyed, so records can be given back from any static destructor. Records
// are taken with take() and given back with giveBack(record) or through the
// factory's IDestructor (the attribute lists use it as their element
// disposer). Any thread may take and give back.
class AttrFactory final : public s::thread::Factory {
public:
    // Name and value share one heap allocation owned by the record: `name`
    // points at its start and `value` right after the name's terminator.
    // Records are never edited in place (an update removes the record and adds
    // a new one), so the shared allocation is never resized.
    struct Record {
        std::uint32_t nameLength;  // UTF-16 units, without the terminator
        char16_t* name;            // zero-terminated; null in an unused record
        std::uint32_t valueLength; // UTF-16 units, without the terminator
        char16_t* value;           // zero-terminated; null in an unused record
    };

    static AttrFactory& instance();

    // A record holding copies of the name and the value (lengths in units, no
    // terminators needed); null when out of memory.
    Record* newRecord(const char16_t* name, std::uint32_t nameLength, const char16_t* value,
                      std::uint32_t valueLength);

    std::int32_t blockSize(void* block) const override { return sizeof(Record); }
    void resetBlock(void* block) override;
    void destroyBlock(void** slot) override;
    // A new, zero-filled record.
    void* generate() override;

    const char16_t* getClassName() const override { return u"s_xml_AttrFactory"; }
    // A new, empty factory owned by the caller (delete).
    s::base::IObject* newObject() const override { return new AttrFactory(); }

    AttrFactory() = default;
    ~AttrFactory() override { destroyIdleBlocks(); }
};

} // namespace s::xml
