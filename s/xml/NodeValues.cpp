// The typed values of an element: numbers, texts and hex runs stored as
// attribute records (the empty name being the content), and their parsing.
#include "s/str/Hex.h"
#include "s/str/Numbers.h"
#include "s/str/strbuffer/SharedScratch.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/xml/Entities.h"
#include "s/xml/Node.h"

#include <vector>

namespace s::xml {

using s::str::Numbers;
using s::str::strbuffer::StrBuffer;

namespace {

std::size_t lengthOf(const char16_t* text) {
    std::size_t length = 0;
    while (text[length] != 0) {
        ++length;
    }
    return length;
}

} // namespace

// ---- attributes --------------------------------------------------------------------

void Node::addFormatted(const char16_t* attributeName, const char16_t* text, std::size_t length) {
    attributeList.add(attributeName, -1, text, static_cast<std::int32_t>(length));
}

void Node::setInt64(const char16_t* attributeName, std::int64_t value) {
    char16_t text[Numbers::kMaxText];
    addFormatted(attributeName, text, Numbers::formatInt64(value, text));
}

void Node::setUInt64(const char16_t* attributeName, std::uint64_t value) {
    setInt64(attributeName, static_cast<std::int64_t>(value));
}

void Node::setUInt32(const char16_t* attributeName, std::uint32_t value) {
    char16_t text[Numbers::kMaxText];
    addFormatted(attributeName, text, Numbers::formatUInt32(value, text));
}

void Node::setUInt16(const char16_t* attributeName, std::uint16_t value) {
    setUInt32(attributeName, value);
}
void Node::setUInt8(const char16_t* attributeName, std::uint8_t value) {
    setUInt32(attributeName, value);
}

void Node::setInt32(const char16_t* attributeName, std::int32_t value) {
    char16_t text[Numbers::kMaxText];
    addFormatted(attributeName, text, Numbers::formatInt32(value, text));
}

void Node::setInt16(const char16_t* attributeName, std::int16_t value) {
    setInt32(attributeName, value);
}
void Node::setInt8(const char16_t* attributeName, std::int8_t value) {
    setInt32(attributeName, value);
}

void Node::setFloat(const char16_t* attributeName, float value) {
    setDouble(attributeName, static_cast<double>(value));
}

void Node::setDouble(const char16_t* attributeName, double value) {
    char16_t text[Numbers::kMaxText];
    addFormatted(attributeName, text, Numbers::formatDouble(value, text));
}

void Node::setString(const char16_t* attributeName, const char16_t* text, std::int32_t n) {
    if (text == nullptr) {
        text = u"";
        n = 0;
    }
    std::size_t length = n < 0 ? lengthOf(text) : static_cast<std::size_t>(n);
    bool content = attributeName == nullptr || attributeName[0] == 0;
    std::vector<char16_t> encoded(Entities::encodedLength(text, length, content));
    Entities::encode(text, length, content, encoded.data());
    attributeList.add(attributeName, -1, encoded.data(), static_cast<std::int32_t>(encoded.size()));
}

namespace {
template <class T>
void addHex(Attributes& attributes, const char16_t* attributeName, const T* values,
            std::uint32_t count) {
    if (values == nullptr) {
        count = 0;
    }
    std::vector<char16_t> text(static_cast<std::size_t>(count) * sizeof(T) * 2 + 1);
    std::size_t length = s::str::Hex::writeAll(values, count, text.data());
    attributes.add(attributeName, -1, text.data(), static_cast<std::int32_t>(length));
}
} // namespace

void Node::setHex64s(const char16_t* attributeName, const std::uint64_t* values,
                     std::uint32_t count) {
    addHex(attributeList, attributeName, values, count);
}
void Node::setHex32s(const char16_t* attributeName, const std::uint32_t* values,
                     std::uint32_t count) {
    addHex(attributeList, attributeName, values, count);
}
void Node::setHex16s(const char16_t* attributeName, const std::uint16_t* values,
                     std::uint32_t count) {
    addHex(attributeList, attributeName, values, count);
}
void Node::setHex8s(const char16_t* attributeName, const std::uint8_t* values,
                    std::uint32_t count) {
    addHex(attributeList, attributeName, values, count);
}

namespace {
// Composes the hex text in the shared scratch buffer (held for the whole
// operation) and adds it as the attribute.
template <class Append>
void addSharedHex(Attributes& attributes, const char16_t* attributeName, Append append) {
    s::str::strbuffer::SharedScratch scratch;
    scratch->clear();
    append(*scratch);
    attributes.add(attributeName, -1, scratch->data(),
                   static_cast<std::int32_t>(scratch->length()));
}
} // namespace

void Node::setSharedHex64s(const char16_t* attributeName, const std::uint64_t* values,
                           std::uint32_t count) {
    addSharedHex(attributeList, attributeName,
                 [&](StrBuffer& text) { text.appendHex64s(values, count); });
}
void Node::setSharedHex32s(const char16_t* attributeName, const std::uint32_t* values,
                           std::uint32_t count) {
    addSharedHex(attributeList, attributeName,
                 [&](StrBuffer& text) { text.appendHex32s(values, count); });
}
void Node::setSharedHex16s(const char16_t* attributeName, const std::uint16_t* values,
                           std::uint32_t count) {
    addSharedHex(attributeList, attributeName,
                 [&](StrBuffer& text) { text.appendHex16s(values, count); });
}
void Node::setSharedHex8s(const char16_t* attributeName, const std::uint8_t* values,
                          std::uint32_t count) {
    addSharedHex(attributeList, attributeName,
                 [&](StrBuffer& text) { text.appendHex8s(values, count); });
}
void Node::setSharedHex32s(const char16_t* attributeName, const std::int32_t* values,
                           std::uint32_t count) {
    // The same digits as the unsigned form: the two's-complement bits.
    addSharedHex(attributeList, attributeName, [&](StrBuffer& text) {
        text.appendHex32s(reinterpret_cast<const std::uint32_t*>(values), count);
    });
}
void Node::setSharedHex64sAs32s(const char16_t* attributeName, const std::uint64_t* values,
                                std::uint32_t count) {
    addSharedHex(attributeList, attributeName,
                 [&](StrBuffer& text) { text.appendHex64sAs32s(values, count); });
}

const char16_t* Node::getRaw(const char16_t* attributeName, const char16_t* fallback) const {
    std::uint32_t index = 0;
    return attributeList.find(attributeName, index) ? attributeList.at(index)->value : fallback;
}

bool Node::getBool(const char16_t* attributeName, bool fallback) const {
    const char16_t* value = getRaw(attributeName);
    if (value == nullptr) {
        return fallback;
    }
    return value[0] == u'1' ||
           (value[0] == u't' && value[1] == u'r' && value[2] == u'u' && value[3] == u'e');
}

std::int8_t Node::getInt8(const char16_t* attributeName, std::int8_t fallback) const {
    return static_cast<std::int8_t>(getInt32(attributeName, fallback));
}
std::int16_t Node::getInt16(const char16_t* attributeName, std::int16_t fallback) const {
    return static_cast<std::int16_t>(getInt32(attributeName, fallback));
}
std::int32_t Node::getInt32(const char16_t* attributeName, std::int32_t fallback) const {
    const char16_t* value = getRaw(attributeName);
    return value == nullptr ? fallback : Numbers::parseInt32(value);
}
std::int64_t Node::getInt64(const char16_t* attributeName, std::int64_t fallback) const {
    const char16_t* value = getRaw(attributeName);
    return value == nullptr ? fallback : Numbers::parseInt64(value);
}
std::uint8_t Node::getUInt8(const char16_t* attributeName, std::uint8_t fallback) const {
    return static_cast<std::uint8_t>(getUInt32(attributeName, fallback));
}
std::uint16_t Node::getUInt16(const char16_t* attributeName, std::uint16_t fallback) const {
    return static_cast<std::uint16_t>(getUInt32(attributeName, fallback));
}
std::uint32_t Node::getUInt32(const char16_t* attributeName, std::uint32_t fallback) const {
    const char16_t* value = getRaw(attributeName);
    return value == nullptr ? fallback : Numbers::parseUInt32(value);
}
std::uint64_t Node::getUInt64(const char16_t* attributeName, std::uint64_t fallback) const {
    return static_cast<std::uint64_t>(getInt64(attributeName, static_cast<std::int64_t>(fallback)));
}
float Node::getFloat(const char16_t* attributeName, float fallback) const {
    const char16_t* value = getRaw(attributeName);
    return value == nullptr ? fallback : static_cast<float>(Numbers::parseDouble(value));
}
double Node::getDouble(const char16_t* attributeName, double fallback) const {
    const char16_t* value = getRaw(attributeName);
    return value == nullptr ? fallback : Numbers::parseDouble(value);
}

StrBuffer* Node::getString(StrBuffer* dest, const char16_t* attributeName, const char16_t* fallback,
                           bool append) const {
    if (dest == nullptr) {
        return nullptr;
    }
    if (!append) {
        dest->clear();
    }
    std::uint32_t index = 0;
    if (!attributeList.find(attributeName, index)) {
        if (fallback != nullptr) {
            dest->append(fallback, static_cast<std::uint32_t>(lengthOf(fallback)));
        }
        return dest;
    }
    const Attributes::Record* record = attributeList.at(index);
    std::uint32_t start = dest->length();
    dest->ensureCapacity(start + record->valueLength);
    if (dest->capacity() < start + record->valueLength || dest->data() == nullptr) {
        return dest;
    }
    std::size_t decoded = Entities::decode(record->value, record->valueLength,
                                           record->nameLength == 0, dest->data() + start);
    dest->setLength(start + static_cast<std::uint32_t>(decoded));
    return dest;
}

} // namespace s::xml
