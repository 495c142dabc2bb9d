#pragma once
#include "s/base/IObject.h"
#include "s/xml/AttrFactory.h"

#include <cstdint>

namespace s::xml {

// The attribute list of one XML element, in insertion order. Records come from
// the process-wide AttrFactory and go back to it when removed or cleared.
// Values are kept encoded, exactly as they stand in a document. The record
// with an empty name is the element's character content.
//
// Embedded in its Node (not pooled on its own); used by one thread at a time.
class Attributes final : public s::base::IObject {
public:
    using Record = AttrFactory::Record;

    Attributes() = default;
    ~Attributes() override;
    Attributes(const Attributes&) = delete;
    Attributes& operator=(const Attributes&) = delete;

    std::uint32_t count() const { return recordCount; }
    // Record i (i < count()), null otherwise.
    const Record* at(std::uint32_t index) const {
        return index < recordCount ? items[index] : nullptr;
    }

    // Index of the first record whose name equals `name` ignoring case (ASCII
    // letters only); an empty name finds the content record. False when none.
    bool find(const char16_t* name, std::uint32_t& index) const;
    // Takes record i out of the list and gives it back to the factory;
    // false for an index beyond the list.
    bool removeAt(std::uint32_t index);
    // Appends a record with copies of name and value (lengths -1: up to the
    // terminating zero). It never replaces a record of the same name: callers
    // that update a value remove the old record first. False when out of
    // memory.
    bool add(const char16_t* name, std::int32_t nameLength, const char16_t* value,
             std::int32_t valueLength);
    // Gives every record back to the factory.
    void clear();

    const char16_t* getClassName() const override { return u"s_xml_Attributes"; }
    // A new, empty list owned by the caller (delete).
    s::base::IObject* newObject() const override { return new Attributes(); }

private:
    // The first few record pointers sit inside the list itself, so that the
    // typical element (a handful of attributes) costs no allocation for its
    // list; longer lists move to the heap and grow geometrically. A private
    // array rather than the library's pointer array for the same reason: a
    // parse adds records by the hundred thousand.
    static constexpr std::uint32_t kInlineCount = 6;
    bool grow();

    Record* inlineSlots[kInlineCount] = {};
    Record** items = inlineSlots;
    std::uint32_t recordCount = 0;
    std::uint32_t capacity = kInlineCount;
};

} // namespace s::xml
