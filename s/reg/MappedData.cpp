#include "s/reg/MappedData.h"

#include "s/col/_array/ArrayU08.h"
#include "s/platform/win/WideText.h"
#include "s/reg/RegKey.h"
#include "s/str/strbuffer/StrBuffer.h"

#include <cstring>
#include <new>
#include <string>

namespace s::reg {

using s::platform::win::wide;
using s::str::strbuffer::StrBuffer;

namespace {

const char16_t* orEmpty(const char16_t* text) {
    return text != nullptr ? text : u"";
}

std::uint32_t lengthOf(const char16_t* text) {
    std::uint32_t length = 0;
    while (text[length] != 0) {
        ++length;
    }
    return length;
}

// The section path with empty levels (doubled, leading or trailing
// backslashes) left out: the registry refuses empty key names.
std::u16string normalized(const char16_t* path) {
    std::u16string result;
    for (const char16_t* p = orEmpty(path); *p != 0; ++p) {
        if (*p == u'\\' && (result.empty() || result.back() == u'\\')) {
            continue;
        }
        result.push_back(*p);
    }
    while (!result.empty() && result.back() == u'\\') {
        result.pop_back();
    }
    return result;
}

} // namespace

MappedData::MappedData() {
    composedPath = StrBuffer::newInstance();
    lastPath = StrBuffer::newInstance();
    scratch = StrBuffer::newInstance();
    reset();
}

MappedData::~MappedData() {
    reset();
    for (StrBuffer* buffer : {composedPath, lastPath, scratch}) {
        if (buffer != nullptr) {
            buffer->release();
        }
    }
}

void MappedData::dropCurrent() {
    delete currentKey;
    currentKey = nullptr;
}

void MappedData::reset() {
    dropCurrent();
    delete rootKey;
    rootKey = nullptr;
    for (StrBuffer* buffer : {composedPath, lastPath, scratch}) {
        if (buffer != nullptr) {
            buffer->freeStorage();
        }
    }
    autoSave = false;
    sectionKeysMade = 0;
}

MappedData* MappedData::open(const char16_t* keyPath) {
    MappedData* store = newInstance();
    if (store == nullptr) {
        return nullptr;
    }
    if (store->composedPath == nullptr || store->lastPath == nullptr || store->scratch == nullptr) {
        store->release();
        return nullptr;
    }
    if (store->rootKey == nullptr) {
        store->rootKey = new (std::nothrow) RegKey(HKEY_CURRENT_USER, normalized(keyPath).c_str());
        if (store->rootKey == nullptr) {
            store->release();
            return nullptr;
        }
    }
    return store;
}

const char16_t* MappedData::rootPath() const {
    return rootKey != nullptr ? rootKey->path() : u"";
}

RegKey* MappedData::section(const char16_t* path, bool create) {
    if (rootKey == nullptr) {
        return nullptr;
    }
    path = orEmpty(path);
    if (currentKey == nullptr || !lastPath->equalsWcsIgnoreCase(path)) {
        dropCurrent();
        lastPath->assignWcs(path);
        std::u16string relative = normalized(path);
        composedPath->assignWcs(rootKey->path());
        if (!relative.empty()) {
            if (composedPath->length() > 0) {
                composedPath->appendChar(u'\\');
            }
            composedPath->append(relative.data(), static_cast<std::uint32_t>(relative.size()));
        }
        currentKey = new (std::nothrow) RegKey(HKEY_CURRENT_USER, composedPath->c_str());
        if (currentKey == nullptr) {
            return nullptr;
        }
        ++sectionKeysMade;
    }
    // A key object of a section that did not exist is kept too, but only an
    // open key counts as an existing section.
    bool ready = create ? currentKey->create() : currentKey->open();
    return ready ? currentKey : nullptr;
}

bool MappedData::openSection(const char16_t* path) {
    return section(path, true) != nullptr;
}

bool MappedData::hasSection(const char16_t* path) {
    if (normalized(path).empty()) {
        return true; // the root always counts as present
    }
    return section(path, false) != nullptr;
}

bool MappedData::hasValue(const char16_t* path, const char16_t* key) {
    RegKey* regKey = section(path, false);
    return regKey != nullptr && regKey->hasValue(orEmpty(key));
}

bool MappedData::removeSection(const char16_t* path) {
    if (rootKey == nullptr) {
        return false;
    }
    // The open key may be the removed one or lie below it.
    dropCurrent();
    lastPath->clear();
    rootKey->close();
    std::u16string full(rootKey->path());
    std::u16string relative = normalized(path);
    if (!relative.empty()) {
        full += u"\\";
        full += relative;
    }
    HKEY probe = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, wide(full.c_str()), 0, KEY_READ, &probe) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(probe);
    return RegKey::removeTree(HKEY_CURRENT_USER, full.c_str());
}

bool MappedData::removeValue(const char16_t* path, const char16_t* key) {
    RegKey* regKey = section(path, false);
    return regKey != nullptr && regKey->removeValue(orEmpty(key));
}

// ---- getters -------------------------------------------------------------------

bool MappedData::readSized(const char16_t* path, const char16_t* key, std::size_t size, void* out) {
    RegKey* regKey = section(path, false);
    if (regKey == nullptr) {
        return false;
    }
    DWORD type = 0;
    std::vector<std::uint8_t> bytes;
    if (!regKey->read(orEmpty(key), type, bytes) || bytes.size() != size) {
        return false;
    }
    std::memcpy(out, bytes.data(), size);
    return true;
}

// Every number is stored with a fixed size (4 bytes, 8 for the 64-bit kinds
// and doubles) and read back as its stored type, then narrowed.
template <class Stored, class Result>
Result MappedData::readNumber(const char16_t* path, const char16_t* key, Result fallback) {
    Stored value = 0;
    return readSized(path, key, sizeof(Stored), &value) ? static_cast<Result>(value) : fallback;
}

std::uint8_t MappedData::getUInt8(const char16_t* path, const char16_t* key,
                                  std::uint8_t fallback) {
    return readNumber<std::uint32_t>(path, key, fallback);
}
std::uint16_t MappedData::getUInt16(const char16_t* path, const char16_t* key,
                                    std::uint16_t fallback) {
    return readNumber<std::uint32_t>(path, key, fallback);
}
std::uint32_t MappedData::getUInt32(const char16_t* path, const char16_t* key,
                                    std::uint32_t fallback) {
    return readNumber<std::uint32_t>(path, key, fallback);
}
std::uint64_t MappedData::getUInt64(const char16_t* path, const char16_t* key,
                                    std::uint64_t fallback) {
    return readNumber<std::uint64_t>(path, key, fallback);
}
std::int8_t MappedData::getInt8(const char16_t* path, const char16_t* key, std::int8_t fallback) {
    return readNumber<std::uint32_t>(path, key, fallback);
}
std::int16_t MappedData::getInt16(const char16_t* path, const char16_t* key,
                                  std::int16_t fallback) {
    return readNumber<std::uint32_t>(path, key, fallback);
}
std::int32_t MappedData::getInt32(const char16_t* path, const char16_t* key,
                                  std::int32_t fallback) {
    return readNumber<std::int32_t>(path, key, fallback);
}
std::int64_t MappedData::getInt64(const char16_t* path, const char16_t* key,
                                  std::int64_t fallback) {
    return readNumber<std::int64_t>(path, key, fallback);
}
float MappedData::getFloat(const char16_t* path, const char16_t* key, float fallback) {
    return readNumber<float>(path, key, fallback);
}
double MappedData::getDouble(const char16_t* path, const char16_t* key, double fallback) {
    return readNumber<double>(path, key, fallback);
}
bool MappedData::getBool(const char16_t* path, const char16_t* key, bool fallback) {
    std::uint32_t value = 0;
    return readSized(path, key, 4, &value) ? value != 0 : fallback;
}

const char16_t* MappedData::getString(const char16_t* path, const char16_t* key,
                                      const char16_t* fallback, bool* expanded, bool expand) {
    if (expanded != nullptr) {
        *expanded = false;
    }
    RegKey* regKey = section(path, false);
    if (regKey == nullptr) {
        return fallback;
    }
    DWORD type = 0;
    std::vector<std::uint8_t> bytes;
    if (!regKey->read(orEmpty(key), type, bytes) || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return fallback;
    }
    // The stored text up to its first zero unit (a value written by another
    // program may lack the terminator or have an odd size).
    std::u16string text;
    text.resize(bytes.size() / 2);
    if (!text.empty()) {
        std::memcpy(&text[0], bytes.data(), text.size() * 2);
    }
    text.resize(std::char_traits<char16_t>::length(text.c_str()));
    if (type == REG_EXPAND_SZ) {
        if (expanded != nullptr) {
            *expanded = true;
        }
        if (expand) {
            std::vector<wchar_t> room(kExpandRoom);
            DWORD needed = ExpandEnvironmentStringsW(wide(text.c_str()), room.data(),
                                                     static_cast<DWORD>(room.size()));
            if (needed > room.size()) {
                room.resize(needed);
                needed = ExpandEnvironmentStringsW(wide(text.c_str()), room.data(),
                                                   static_cast<DWORD>(room.size()));
            }
            if (needed > 0 && needed <= room.size()) {
                scratch->assignWcs(s::platform::win::utf16(room.data()));
                return scratch->c_str();
            }
        }
    }
    scratch->assign(text.data(), static_cast<std::uint32_t>(text.size()));
    return scratch->c_str();
}

MappedData::ArrayU08* MappedData::getBytes(const char16_t* path, const char16_t* key,
                                           ArrayU08* into) {
    ArrayU08* result = into != nullptr ? into : ArrayU08::newInstance();
    if (result == nullptr) {
        return nullptr;
    }
    result->clear();
    RegKey* regKey = section(path, false);
    DWORD type = 0;
    std::vector<std::uint8_t> bytes;
    if (regKey != nullptr && regKey->read(orEmpty(key), type, bytes) && !bytes.empty()) {
        result->append(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    }
    return result;
}

// ---- setters -------------------------------------------------------------------

bool MappedData::write(const char16_t* path, const char16_t* key, unsigned long type,
                       const void* bytes, std::size_t count) {
    RegKey* regKey = section(path, true);
    return regKey != nullptr && regKey->write(orEmpty(key), type, bytes, count);
}

bool MappedData::setUInt8(const char16_t* path, const char16_t* key, std::uint8_t value) {
    return setUInt32(path, key, value);
}
bool MappedData::setUInt16(const char16_t* path, const char16_t* key, std::uint16_t value) {
    return setUInt32(path, key, value);
}
bool MappedData::setUInt32(const char16_t* path, const char16_t* key, std::uint32_t value) {
    DWORD stored = value;
    return write(path, key, REG_DWORD, &stored, sizeof stored);
}
bool MappedData::setUInt64(const char16_t* path, const char16_t* key, std::uint64_t value) {
    return write(path, key, REG_BINARY, &value, sizeof value);
}
bool MappedData::setInt8(const char16_t* path, const char16_t* key, std::int8_t value) {
    return setInt32(path, key, value);
}
bool MappedData::setInt16(const char16_t* path, const char16_t* key, std::int16_t value) {
    return setInt32(path, key, value);
}
bool MappedData::setInt32(const char16_t* path, const char16_t* key, std::int32_t value) {
    DWORD stored = static_cast<DWORD>(value); // sign-extended by the widening before
    return write(path, key, REG_DWORD, &stored, sizeof stored);
}
bool MappedData::setInt64(const char16_t* path, const char16_t* key, std::int64_t value) {
    return write(path, key, REG_BINARY, &value, sizeof value);
}
bool MappedData::setFloat(const char16_t* path, const char16_t* key, float value) {
    return write(path, key, REG_BINARY, &value, sizeof value);
}
bool MappedData::setDouble(const char16_t* path, const char16_t* key, double value) {
    return write(path, key, REG_BINARY, &value, sizeof value);
}
bool MappedData::setBool(const char16_t* path, const char16_t* key, bool value) {
    DWORD stored = value ? 1 : 0;
    return write(path, key, REG_DWORD, &stored, sizeof stored);
}
bool MappedData::setString(const char16_t* path, const char16_t* key, const char16_t* value) {
    value = orEmpty(value);
    return write(path, key, REG_SZ, value, (static_cast<std::size_t>(lengthOf(value)) + 1) * 2);
}
bool MappedData::setExpandString(const char16_t* path, const char16_t* key, const char16_t* value) {
    value = orEmpty(value);
    return write(path, key, REG_EXPAND_SZ, value,
                 (static_cast<std::size_t>(lengthOf(value)) + 1) * 2);
}
bool MappedData::setStringList(const char16_t* path, const char16_t* key, const StrArray* list) {
    return false; // lists are not supported; nothing is stored
}
bool MappedData::setBytes(const char16_t* path, const char16_t* key, const ArrayU08* bytes) {
    const std::uint8_t* data = bytes != nullptr ? bytes->data() : nullptr;
    std::uint32_t count = bytes != nullptr ? bytes->count() : 0;
    return write(path, key, REG_BINARY, data, count);
}

} // namespace s::reg
