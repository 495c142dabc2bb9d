#pragma once
#include "s/map/IMappedData.h"
#include "s/thread/ClassPool.h"

#include <cstdint>

namespace s::io {
class File;
}
namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::xml {

class Node;

// The settings store kept in an XML document: sections are elements (levels
// are child elements, matched ignoring case), named values are attributes of
// the section's element and the empty key is its character content. Numbers
// are stored as decimal text, bools as "1" or "0", bytes as lower-case hex
// pairs, strings encoded for an attribute or for content.
//
// The document lives in memory; save() (automatically after every change
// when automatic saving is on) writes it to its file in one line of UTF-8,
// replacing the file in one step so that a failed save keeps the previous
// file. A missing file gives an empty document (root element "savedata"); a
// damaged one gives what the forgiving reader makes of it (an empty document
// when that is no element at all), its getters answering their defaults for
// what is lost, and the next save writes the repaired document.
//
// Settings are never lost to a file that is there but could not be read (a
// folder in its place, a file another program holds without sharing, a file
// over kMaxFileSize): the store then starts empty but read-only, its save()
// answers false for the rest of its life and the file is never written.
//
// Names the document could not hold are refused: a section level or a key
// (other than the empty key) must be an XML name (see Names), else the setter,
// openSection() or the remover answers false and changes nothing. A string
// value must be well-formed UTF-16 (no half of a surrogate pair), which the
// file's UTF-8 can carry; every such value, the empty one and those with
// white space at either end included, reads back exactly after a reload.
//
// The section looked up last is cached (path compared ignoring case), so runs
// of reads and writes in one section walk the tree once. Stores come from
// open() and go back with release(); one thread uses a store at a time.
class MappedData final : public s::map::IMappedData {
    S_POOLED_CLASS(MappedData, u"s_xml_MappedData")

public:
    using StrBuffer = s::str::strbuffer::StrBuffer;

    // Settings files larger than this are not read (and so never written):
    // the settings of a program take a few kilobytes, a huge file is another
    // file or damage that a save must not replace.
    static constexpr std::uint64_t kMaxFileSize = 16u * 1024u * 1024u;

    // A store on the document in `filePath` (loaded when the file exists;
    // otherwise, or when it holds no element, an empty document with the root
    // "savedata"; read-only when the file is there but cannot be read).
    // Nothing is written until the first save. A null path gives a store
    // without a file, whose save() answers false. Owned by the caller
    // (release()); null only when out of memory.
    static MappedData* open(const char16_t* filePath);

    void reset() override;

    // The document (for inspection); never null for a store from open().
    const Node* document() const { return root; }
    // True when the file was there but could not be read: save() never
    // writes it.
    bool isReadOnly() const { return readOnly; }

    bool save() override;
    bool openSection(const char16_t* path) override;
    bool removeSection(const char16_t* path) override;
    bool hasSection(const char16_t* path) override;
    bool hasValue(const char16_t* path, const char16_t* key) override;

    std::uint8_t getUInt8(const char16_t* path, const char16_t* key,
                          std::uint8_t fallback) override;
    std::uint16_t getUInt16(const char16_t* path, const char16_t* key,
                            std::uint16_t fallback) override;
    std::uint32_t getUInt32(const char16_t* path, const char16_t* key,
                            std::uint32_t fallback) override;
    std::uint64_t getUInt64(const char16_t* path, const char16_t* key,
                            std::uint64_t fallback) override;
    std::int8_t getInt8(const char16_t* path, const char16_t* key, std::int8_t fallback) override;
    std::int16_t getInt16(const char16_t* path, const char16_t* key,
                          std::int16_t fallback) override;
    std::int32_t getInt32(const char16_t* path, const char16_t* key,
                          std::int32_t fallback) override;
    std::int64_t getInt64(const char16_t* path, const char16_t* key,
                          std::int64_t fallback) override;
    float getFloat(const char16_t* path, const char16_t* key, float fallback) override;
    double getDouble(const char16_t* path, const char16_t* key, double fallback) override;
    bool getBool(const char16_t* path, const char16_t* key, bool fallback) override;
    const char16_t* getString(const char16_t* path, const char16_t* key, const char16_t* fallback,
                              bool* expanded = nullptr, bool expand = true) override;
    StrArray* getStringList(const char16_t* path, const char16_t* key) override { return nullptr; }
    ArrayU08* getBytes(const char16_t* path, const char16_t* key, ArrayU08* into) override;
    bool removeValue(const char16_t* path, const char16_t* key) override;

    bool setUInt8(const char16_t* path, const char16_t* key, std::uint8_t value) override;
    bool setUInt16(const char16_t* path, const char16_t* key, std::uint16_t value) override;
    bool setUInt32(const char16_t* path, const char16_t* key, std::uint32_t value) override;
    bool setUInt64(const char16_t* path, const char16_t* key, std::uint64_t value) override;
    bool setInt8(const char16_t* path, const char16_t* key, std::int8_t value) override;
    bool setInt16(const char16_t* path, const char16_t* key, std::int16_t value) override;
    bool setInt32(const char16_t* path, const char16_t* key, std::int32_t value) override;
    bool setInt64(const char16_t* path, const char16_t* key, std::int64_t value) override;
    bool setFloat(const char16_t* path, const char16_t* key, float value) override;
    bool setDouble(const char16_t* path, const char16_t* key, double value) override;
    bool setBool(const char16_t* path, const char16_t* key, bool value) override;
    bool setString(const char16_t* path, const char16_t* key, const char16_t* value) override;
    bool setExpandString(const char16_t* path, const char16_t* key, const char16_t* value) override;
    bool setStringList(const char16_t* path, const char16_t* key, const StrArray* list) override;
    bool setBytes(const char16_t* path, const char16_t* key, const ArrayU08* bytes) override;

    bool getAutoSave() const override { return autoSave; }
    void setAutoSave(bool on) override { autoSave = on; }

    // How many times a section was looked up by walking the tree (not taken
    // from the cache); lets tests see the cache at work.
    std::uint32_t sectionWalks() const { return sectionWalkCount; }

private:
    MappedData();
    ~MappedData() override;

    // The element of the section, walking from the root unless the path is
    // the cached one; with `create`, missing levels are added. Null when the
    // section does not exist (or could not be made).
    Node* section(const char16_t* path, bool create);
    // Removes every attribute named key; true when there was one.
    static bool removeAll(Node* node, const char16_t* key);
    // Removes the old value named key from the section (creating it) and
    // hands the element to the caller to add the new one; null when a name
    // is refused or on failure.
    Node* prepareValue(const char16_t* path, const char16_t* key);
    // Reads the file into the document, or marks the store read-only.
    void loadFile();
    // After a change: saves when automatic saving is on.
    bool changed();

    s::io::File* file = nullptr;   // the document file, or null
    StrBuffer* scratch = nullptr;  // the text returned by the last getString
    StrBuffer* lastPath = nullptr; // the section path looked up last
    Node* root = nullptr;          // the document, owned
    Node* current = nullptr;       // the element of lastPath, or null
    bool autoSave = false;
    bool readOnly = false; // the file exists but could not be read
    bool cached = false;   // whether lastPath / current describe a lookup
    std::uint32_t sectionWalkCount = 0;
};

} // namespace s::xml
