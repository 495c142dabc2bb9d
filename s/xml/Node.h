#pragma once
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"
#include "s/xml/Attributes.h"
#include "s/xml/IXml.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace s::col::_array {
class ArrayU08;
}
namespace s::io {
class File;
}
namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::xml {

// One element of an XML document: a name, an attribute list (whose record
// with the empty name is the character content) and child elements. A
// document is its root element; the root owns the whole tree, and releasing
// it gives every node and record back to its pool.
//
// The reader is forgiving and never reports errors: it reads the subset of XML
// that this library writes (elements, double-quoted attributes, content,
// comments), stops at the end of its input whatever state it is in, and
// ignores what it does not understand. Before the root element it skips
// comments, "<?...?>" declarations and "<!...>" definitions. Elements nested
// deeper than kMaxDepth are read over and dropped, so hostile input cannot
// exhaust the stack of the reader, the writer or the release.
//
// The writer adds no whitespace, no declaration and no byte-order mark, and
// writes every element with an open and a close tag: a saved file is one line.
//
// Nodes come from the class pool (newInstance(), PoolRef<Node>::take()); a
// child belongs to its parent. A tree is used by one thread at a time.
class Node final : public IXml, public s::thread::IPoolable {
    S_POOLED_CLASS(Node, u"s_xml_Node")

public:
    using StrBuffer = s::str::strbuffer::StrBuffer;
    using ArrayU08 = s::col::_array::ArrayU08;

    // Deeper elements are dropped by the reader.
    static constexpr std::uint32_t kMaxDepth = 256;

    void reset() override;

    // ---- tree ----------------------------------------------------------------
    std::uint32_t childCount() const { return static_cast<std::uint32_t>(children.size()); }
    // As reset(): name, attributes and children removed.
    void clear() { reset(); }
    // Child i; null when i is out of range.
    Node* childAt(std::uint32_t index) const {
        return index < children.size() ? children[index] : nullptr;
    }
    // A new child of that name (n = -1: up to the terminating zero), appended
    // last; null when out of memory.
    Node* addChild(const char16_t* childName, std::int32_t n = -1);
    // Appends an existing node; this node owns it from now on.
    void appendChild(Node* node);
    // Removes child i and gives it back to the pool; false when out of range.
    bool removeChild(std::uint32_t index);
    // First child for which nameEquals(childName, n) holds.
    bool findChild(const char16_t* childName, std::uint32_t& index, std::int32_t n = -1) const;
    Node* getChild(const char16_t* childName, std::int32_t n = -1) const;

    // Visits this element and every descendant in document order, with a
    // prefix that grows by one tab per level. A null visitor visits nothing.
    using Visitor = void (*)(const Node& node, const char16_t* prefix, void* context);
    void walk(const char16_t* prefix, Visitor visitor = nullptr, void* context = nullptr) const;

    // ---- name ----------------------------------------------------------------
    // The zero-terminated name, or null when none was set.
    const char16_t* getName() const { return name; }
    std::uint32_t nameLength() const { return nameUnits; }
    // Copies n units (n = -1: up to the terminating zero); a null text clears.
    void setName(const char16_t* text, std::int32_t n = -1);
    // n = -1: equal to the name ignoring case (ASCII letters). Otherwise the
    // first n units of text equal the whole name exactly (none of them zero).
    bool nameEquals(const char16_t* text, std::int32_t n = -1) const;
    // True when the name begins with '!'.
    bool isComment() const { return nameUnits > 0 && name[0] == u'!'; }

    // ---- reading and writing -------------------------------------------------
    // Reads one element from a zero-terminated text into this node (emptied
    // first); returns the position just after the element, or the position of
    // the terminating zero when the text ends early.
    const char16_t* parse(const char16_t* text);
    // Decodes UTF-8 (invalid bytes become U+FFFD) and parses the result.
    void parseUtf8(const std::uint8_t* bytes, std::size_t count);
    void parseUtf8(const ArrayU08* bytes);
    // Writes the element as text into dest (taken from the pool when null;
    // emptied first unless append) and returns it.
    StrBuffer* toText(StrBuffer* dest = nullptr, bool append = false) const;
    // The UTF-8 bytes of toText (no terminator counted) into dest (taken from
    // the pool when null; emptied first unless append); returns it, or null
    // when no array could be had.
    ArrayU08* toUtf8(ArrayU08* dest = nullptr, bool append = false) const;
    // Replaces `bytes` with the UTF-8 form of the element.
    void toUtf8Bytes(std::vector<std::uint8_t>& bytes) const;

    // Replaces this node with the document in the file; false (node empty)
    // when the file cannot be read. Damaged text gives whatever the forgiving
    // reader makes of it.
    bool load(const char16_t* path);
    bool load(const s::io::File& file);
    // Writes the document to the file as UTF-8, creating the file's folder
    // when missing. The file is replaced in one step (see s::io::File): a
    // failed save answers false and leaves the previous file as it was.
    bool save(const char16_t* path) const;
    bool save(const s::io::File& file) const;

    // ---- attributes ------------------------------------------------------------
    Attributes& attributes() { return attributeList; }
    const Attributes& attributes() const { return attributeList; }

    // Typed setters add a record (they never replace one; see Attributes::add).
    // An empty attributeName sets the content.
    void setInt64(const char16_t* attributeName, std::int64_t value);
    void setUInt64(const char16_t* attributeName, std::uint64_t value); // written signed, "%I64d"
    void setUInt32(const char16_t* attributeName, std::uint32_t value);
    void setUInt16(const char16_t* attributeName, std::uint16_t value);
    void setUInt8(const char16_t* attributeName, std::uint8_t value);
    void setInt32(const char16_t* attributeName, std::int32_t value);
    void setInt16(const char16_t* attributeName, std::int16_t value);
    void setInt8(const char16_t* attributeName, std::int8_t value);
    void setFloat(const char16_t* attributeName, float value);   // "%f"
    void setDouble(const char16_t* attributeName, double value); // "%f"
    // Encodes text for an attribute (or for content when attributeName is empty).
    void setString(const char16_t* attributeName, const char16_t* text, std::int32_t n = -1);
    // The values as one run of lower-case hex digits, no separators.
    void setHex64s(const char16_t* attributeName, const std::uint64_t* values, std::uint32_t count);
    void setHex32s(const char16_t* attributeName, const std::uint32_t* values, std::uint32_t count);
    void setHex16s(const char16_t* attributeName, const std::uint16_t* values, std::uint32_t count);
    void setHex8s(const char16_t* attributeName, const std::uint8_t* values, std::uint32_t count);
    // The same texts composed in the process-wide scratch buffer under its
    // lock (see s::str::strbuffer::SharedScratch), for callers that format
    // nothing else; the last writes each 64-bit value as two "%08x" words,
    // the lower word first.
    void setSharedHex64s(const char16_t* attributeName, const std::uint64_t* values,
                         std::uint32_t count);
    void setSharedHex32s(const char16_t* attributeName, const std::uint32_t* values,
                         std::uint32_t count);
    void setSharedHex16s(const char16_t* attributeName, const std::uint16_t* values,
                         std::uint32_t count);
    void setSharedHex8s(const char16_t* attributeName, const std::uint8_t* values,
                        std::uint32_t count);
    void setSharedHex32s(const char16_t* attributeName, const std::int32_t* values,
                         std::uint32_t count);
    void setSharedHex64sAs32s(const char16_t* attributeName, const std::uint64_t* values,
                              std::uint32_t count);

    // The stored, still encoded value, or `fallback` when absent.
    const char16_t* getRaw(const char16_t* attributeName, const char16_t* fallback = nullptr) const;
    // True when the stored value begins with "1" or with "true" (lower case).
    bool getBool(const char16_t* attributeName, bool fallback) const;
    // Decimal parses of the stored text; narrower types are truncated.
    std::int8_t getInt8(const char16_t* attributeName, std::int8_t fallback) const;
    std::int16_t getInt16(const char16_t* attributeName, std::int16_t fallback) const;
    std::int32_t getInt32(const char16_t* attributeName, std::int32_t fallback) const;
    std::int64_t getInt64(const char16_t* attributeName, std::int64_t fallback) const;
    std::uint8_t getUInt8(const char16_t* attributeName, std::uint8_t fallback) const;
    std::uint16_t getUInt16(const char16_t* attributeName, std::uint16_t fallback) const;
    std::uint32_t getUInt32(const char16_t* attributeName, std::uint32_t fallback) const;
    std::uint64_t getUInt64(const char16_t* attributeName, std::uint64_t fallback) const;
    float getFloat(const char16_t* attributeName, float fallback) const;
    double getDouble(const char16_t* attributeName, double fallback) const;
    // Decodes the value into dest (replacing its text, or appending); when
    // absent, `fallback` (may be null) is assigned or appended unchanged.
    // Returns dest.
    StrBuffer* getString(StrBuffer* dest, const char16_t* attributeName, const char16_t* fallback,
                         bool append = false) const;

private:
    Node() { reset(); }
    ~Node() override;

    // Sets the attribute `attributeName` to the already formatted text.
    void addFormatted(const char16_t* attributeName, const char16_t* text, std::size_t length);
    // Units of the written form of this subtree.
    std::size_t textLength() const;
    // Writes the subtree at out; returns the position after it.
    char16_t* writeText(char16_t* out) const;

    std::vector<Node*> children;
    Attributes attributeList;
    // Names up to kShortName - 1 units (nearly all of them) are kept in
    // shortName; longer ones in a heap copy. name points at either, or is
    // null when no name is set.
    static constexpr std::uint32_t kShortName = 16;
    void freeName();

    char16_t* name = nullptr;
    std::uint32_t nameUnits = 0;
    char16_t shortName[kShortName] = {};
};

} // namespace s::xml
