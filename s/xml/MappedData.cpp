#include "s/xml/MappedData.h"

#include "s/col/_array/ArrayU08.h"
#include "s/io/File.h"
#include "s/str/Hex.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/xml/Names.h"
#include "s/xml/Node.h"

#include <string>
#include <vector>

namespace s::xml {

using s::str::strbuffer::StrBuffer;

namespace {

bool isSeparator(char16_t unit) {
    return unit == u'\\' || unit == u'/';
}

const char16_t* orEmpty(const char16_t* text) {
    return text != nullptr ? text : u"";
}

constexpr const char16_t* kRootName = u"savedata";

// Every level of a section path (the text between separators; empty levels
// add nothing) must be a name the document can hold.
bool isValidPath(const char16_t* path) {
    const char16_t* level = path;
    for (const char16_t* p = path;; ++p) {
        if (*p != 0 && !isSeparator(*p)) {
            continue;
        }
        if (p > level && !Names::isName(level, static_cast<std::size_t>(p - level))) {
            return false;
        }
        if (*p == 0) {
            return true;
        }
        level = p + 1;
    }
}

// The empty key names the section's own value (its content).
bool isValidKey(const char16_t* key) {
    return key[0] == 0 || Names::isName(key);
}

// A string value must be UTF-16 without half a surrogate pair: the file's
// UTF-8 cannot carry one, and it would read back as U+FFFD.
bool isWellFormed(const char16_t* text) {
    for (const char16_t* p = text; *p != 0; ++p) {
        if (*p >= 0xD800 && *p <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) {
            ++p;
        } else if (*p >= 0xD800 && *p <= 0xDFFF) {
            return false;
        }
    }
    return true;
}

} // namespace

MappedData::MappedData() {
    scratch = StrBuffer::newInstance();
    lastPath = StrBuffer::newInstance();
    reset();
}

MappedData::~MappedData() {
    reset();
    if (scratch != nullptr) {
        scratch->release();
    }
    if (lastPath != nullptr) {
        lastPath->release();
    }
}

void MappedData::reset() {
    readOnly = false;
    if (file != nullptr) {
        file->release();
        file = nullptr;
    }
    if (scratch != nullptr) {
        scratch->freeStorage();
    }
    if (lastPath != nullptr) {
        lastPath->freeStorage();
    }
    if (root != nullptr) {
        root->release();
        root = nullptr;
    }
    current = nullptr;
    cached = false;
    autoSave = false;
    sectionWalkCount = 0;
}

MappedData* MappedData::open(const char16_t* filePath) {
    MappedData* store = newInstance();
    if (store == nullptr) {
        return nullptr;
    }
    if (store->scratch == nullptr || store->lastPath == nullptr ||
        (store->root = Node::newInstance()) == nullptr) {
        store->release();
        return nullptr;
    }
    if (filePath != nullptr) {
        store->file = s::io::File::newFile(filePath);
        if (store->file == nullptr) {
            store->release();
            return nullptr;
        }
        store->loadFile();
    }
    // A damaged file may hold no element at all; the store then starts from
    // an empty document, which its first save writes over the damage.
    if (store->root->nameLength() == 0) {
        store->root->clear();
        store->root->setName(kRootName);
    }
    return store;
}

void MappedData::loadFile() {
    using s::io::File;
    std::vector<std::uint8_t> bytes;
    switch (file->read(bytes, kMaxFileSize)) {
    case File::ReadStatus::Read:
        root->parseUtf8(bytes.data(), bytes.size());
        break;
    case File::ReadStatus::Missing:
        break;
    case File::ReadStatus::Unreadable:
    case File::ReadStatus::TooLarge:
        // Whatever is there may hold settings this run cannot see; writing
        // the empty document over it would lose them for good.
        readOnly = true;
        break;
    }
}

bool MappedData::save() {
    if (file == nullptr || root == nullptr || readOnly) {
        return false;
    }
    return root->save(*file);
}

bool MappedData::changed() {
    return !autoSave || save();
}

Node* MappedData::section(const char16_t* path, bool create) {
    if (root == nullptr) {
        return nullptr;
    }
    path = orEmpty(path);
    // Only what the document can hold is created. Lookups take any path: a
    // file may hold (and keep) an element that this store would not make.
    if (create && !isValidPath(path)) {
        return nullptr;
    }
    if (cached && lastPath->equalsWcsIgnoreCase(path)) {
        if (current != nullptr || !create) {
            return current;
        }
    } else {
        lastPath->assignWcs(path);
        cached = true;
    }
    // Walk the levels; empty levels (a separator at either end, or doubled)
    // add nothing.
    ++sectionWalkCount;
    Node* node = root;
    std::u16string level;
    for (const char16_t* p = path;; ++p) {
        if (*p != 0 && !isSeparator(*p)) {
            level.push_back(*p);
            continue;
        }
        if (!level.empty()) {
            Node* child = node->getChild(level.c_str());
            if (child == nullptr && create) {
                child = node->addChild(level.c_str());
            }
            if (child == nullptr) {
                current = nullptr;
                return nullptr;
            }
            node = child;
            level.clear();
        }
        if (*p == 0) {
            break;
        }
    }
    current = node;
    return node;
}

bool MappedData::openSection(const char16_t* path) {
    return section(path, true) != nullptr;
}

bool MappedData::hasSection(const char16_t* path) {
    return section(path, false) != nullptr;
}

bool MappedData::hasValue(const char16_t* path, const char16_t* key) {
    Node* node = section(path, false);
    std::uint32_t index = 0;
    return node != nullptr && node->attributes().find(orEmpty(key), index);
}

bool MappedData::removeSection(const char16_t* path) {
    if (root == nullptr || !isValidPath(orEmpty(path))) {
        return false;
    }
    std::u16string whole(orEmpty(path));
    while (!whole.empty() && isSeparator(whole.back())) {
        whole.pop_back();
    }
    // The cached element may be the removed one or lie below it.
    cached = false;
    current = nullptr;
    if (whole.empty()) {
        // The root itself: the document is emptied but keeps its element.
        std::u16string name(root->getName() != nullptr ? root->getName() : kRootName);
        root->clear();
        root->setName(name.c_str());
        return changed();
    }
    std::size_t separator = whole.find_last_of(u"\\/");
    std::u16string parentPath =
        separator == std::u16string::npos ? std::u16string() : whole.substr(0, separator);
    std::u16string name = separator == std::u16string::npos ? whole : whole.substr(separator + 1);
    Node* parent = section(parentPath.c_str(), false);
    cached = false;
    current = nullptr;
    std::uint32_t index = 0;
    if (parent == nullptr || !parent->findChild(name.c_str(), index)) {
        return false;
    }
    parent->removeChild(index);
    return changed();
}

bool MappedData::removeValue(const char16_t* path, const char16_t* key) {
    if (!isValidPath(orEmpty(path)) || !isValidKey(orEmpty(key))) {
        return false;
    }
    Node* node = section(path, false);
    if (node == nullptr || !removeAll(node, key)) {
        return false;
    }
    return changed();
}

// ---- getters -------------------------------------------------------------------

std::uint8_t MappedData::getUInt8(const char16_t* path, const char16_t* key,
                                  std::uint8_t fallback) {
    Node* node = section(path, false);
    return node == nullptr ? fallback : node->getUInt8(orEmpty(key), fallback);
}
std::uint16_t MappedData::getUInt16(const char16_t* path, const char16_t* key,
                                    std::uint16_t fallback) {
    Node* node = section(path, false);
    return node == nullptr ? fallback : node->getUInt16(orEmpty(key), fallback);
}
std::uint32_t MappedData::getUInt32(const char16_t* path, const char16_t* key,
                                    std::uint32_t fallback) {
    Node* node = section(path, false);
    return node == nullptr ? fallback : node->getUInt32(orEmpty(key), fallback);
}
std::uint64_t MappedData::getUInt64(const char16_t* path, const char16_t* key,
                                    std::uint64_t fallback) {
    Node* node = section(path, false);
    return node == nullptr ? fallback : node->getUInt64(orEmpty(key), fallback);
}
std::int8_t MappedData::getInt8(const char16_t* path, const char16_t* key, std::int8_t fallback) {
    Node* node = section(path, false);
    return node == nullptr ? fallback : node->getInt8(orEmpty(key), fallback);
}
std::int16_t MappedData::getInt16(const char16_t* path, const char16_t* key,
                                  std::int16_t fallback) {
    Node* node = section(path, false);
    return node == nullptr ? fallback : node->getInt16(orEmpty(key), fallback);
}
std::int32_t MappedData::getInt32(const char16_t* path, const char16_t* key,
                                  std::int32_t fallback) {
    Node* node = section(path, false);
    return node == nullptr ? fallback : node->getInt32(orEmpty(key), fallback);
}
std::int64_t MappedData::getInt64(const char16_t* path, const char16_t* key,
                                  std::int64_t fallback) {
    Node* node = section(path, false);
    return node == nullptr ? fallback : node->getInt64(orEmpty(key), fallback);
}
float MappedData::getFloat(const char16_t* path, const char16_t* key, float fallback) {
    Node* node = section(path, false);
    return node == nullptr ? fallback : node->getFloat(orEmpty(key), fallback);
}
double MappedData::getDouble(const char16_t* path, const char16_t* key, double fallback) {
    Node* node = section(path, false);
    return node == nullptr ? fallback : node->getDouble(orEmpty(key), fallback);
}
bool MappedData::getBool(const char16_t* path, const char16_t* key, bool fallback) {
    Node* node = section(path, false);
    return node == nullptr ? fallback : node->getBool(orEmpty(key), fallback);
}

const char16_t* MappedData::getString(const char16_t* path, const char16_t* key,
                                      const char16_t* fallback, bool* expanded, bool expand) {
    if (expanded != nullptr) {
        *expanded = false;
    }
    Node* node = section(path, false);
    if (node == nullptr) {
        return fallback;
    }
    std::uint32_t index = 0;
    if (fallback == nullptr && !node->attributes().find(orEmpty(key), index)) {
        return nullptr;
    }
    node->getString(scratch, orEmpty(key), fallback);
    return scratch->c_str();
}

MappedData::ArrayU08* MappedData::getBytes(const char16_t* path, const char16_t* key,
                                           ArrayU08* into) {
    ArrayU08* bytes = into != nullptr ? into : ArrayU08::newInstance();
    if (bytes == nullptr) {
        return nullptr;
    }
    bytes->clear();
    Node* node = section(path, false);
    std::uint32_t index = 0;
    if (node == nullptr || !node->attributes().find(orEmpty(key), index)) {
        return bytes;
    }
    const Attributes::Record* record = node->attributes().at(index);
    std::uint32_t count = record->valueLength / 2;
    if (!bytes->setCount(count)) {
        bytes->clear();
        return bytes;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        bytes->set(i,
                   static_cast<std::uint8_t>((s::str::Hex::valueOrZero(record->value[2 * i]) << 4) |
                                             s::str::Hex::valueOrZero(record->value[2 * i + 1])));
    }
    return bytes;
}

// ---- setters -------------------------------------------------------------------

bool MappedData::removeAll(Node* node, const char16_t* key) {
    // A damaged or hand-edited file may name a key twice; reads see the first
    // one, so every copy must go, or a removed or re-written value would
    // still read back as the old one.
    bool removed = false;
    std::uint32_t index = 0;
    while (node->attributes().find(orEmpty(key), index)) {
        node->attributes().removeAt(index);
        removed = true;
    }
    return removed;
}

Node* MappedData::prepareValue(const char16_t* path, const char16_t* key) {
    if (!isValidKey(orEmpty(key))) {
        return nullptr;
    }
    Node* node = section(path, true);
    if (node == nullptr) {
        return nullptr;
    }
    // A re-written value moves to the end of the element's attributes.
    removeAll(node, key);
    return node;
}

bool MappedData::setUInt8(const char16_t* path, const char16_t* key, std::uint8_t value) {
    return setUInt32(path, key, value);
}
bool MappedData::setUInt16(const char16_t* path, const char16_t* key, std::uint16_t value) {
    return setUInt32(path, key, value);
}
bool MappedData::setUInt32(const char16_t* path, const char16_t* key, std::uint32_t value) {
    Node* node = prepareValue(path, key);
    if (node == nullptr) {
        return false;
    }
    node->setUInt32(orEmpty(key), value);
    return changed();
}
bool MappedData::setUInt64(const char16_t* path, const char16_t* key, std::uint64_t value) {
    return setInt64(path, key, static_cast<std::int64_t>(value));
}
bool MappedData::setInt8(const char16_t* path, const char16_t* key, std::int8_t value) {
    return setInt32(path, key, value);
}
bool MappedData::setInt16(const char16_t* path, const char16_t* key, std::int16_t value) {
    return setInt32(path, key, value);
}
bool MappedData::setInt32(const char16_t* path, const char16_t* key, std::int32_t value) {
    Node* node = prepareValue(path, key);
    if (node == nullptr) {
        return false;
    }
    node->setInt32(orEmpty(key), value);
    return changed();
}
bool MappedData::setInt64(const char16_t* path, const char16_t* key, std::int64_t value) {
    Node* node = prepareValue(path, key);
    if (node == nullptr) {
        return false;
    }
    node->setInt64(orEmpty(key), value);
    return changed();
}
bool MappedData::setFloat(const char16_t* path, const char16_t* key, float value) {
    return setDouble(path, key, static_cast<double>(value));
}
bool MappedData::setDouble(const char16_t* path, const char16_t* key, double value) {
    Node* node = prepareValue(path, key);
    if (node == nullptr) {
        return false;
    }
    node->setDouble(orEmpty(key), value);
    return changed();
}
bool MappedData::setBool(const char16_t* path, const char16_t* key, bool value) {
    return setString(path, key, value ? u"1" : u"0");
}
bool MappedData::setString(const char16_t* path, const char16_t* key, const char16_t* value) {
    if (!isWellFormed(orEmpty(value))) {
        return false;
    }
    Node* node = prepareValue(path, key);
    if (node == nullptr) {
        return false;
    }
    node->setString(orEmpty(key), orEmpty(value));
    return changed();
}
bool MappedData::setExpandString(const char16_t* path, const char16_t* key, const char16_t* value) {
    return setString(path, key, value);
}
bool MappedData::setStringList(const char16_t* path, const char16_t* key, const StrArray* list) {
    changed();
    return false; // nothing is stored
}
bool MappedData::setBytes(const char16_t* path, const char16_t* key, const ArrayU08* bytes) {
    Node* node = prepareValue(path, key);
    if (node == nullptr) {
        return false;
    }
    node->setHex8s(orEmpty(key), bytes != nullptr ? bytes->data() : nullptr,
                   bytes != nullptr ? bytes->count() : 0);
    return changed();
}

} // namespace s::xml
