#pragma once
#include "s/map/IMappedData.h"
#include "s/thread/ClassPool.h"

#include <cstdint>
#include <vector>

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::reg {

class RegKey;

// The settings store kept in the registry of the current user: below a root
// key, each section is a subkey (levels separated by '\'), each value a
// registry value, and the empty key is the subkey's default value. Every
// write goes to the registry at once, so save() has nothing to do.
//
// Stored forms: 8-, 16- and 32-bit integers and bools as REG_DWORD (signed
// ones sign-extended), 64-bit integers and doubles as 8-byte REG_BINARY,
// floats as 4-byte REG_BINARY, strings as REG_SZ or REG_EXPAND_SZ with their
// terminating zero, bytes as REG_BINARY. Number getters check only the stored
// size (4 bytes, 8 for the 64-bit kinds and double), never the type; any other
// size gives the default.
//
// The section looked up last stays open (path compared ignoring case), so
// runs of reads and writes in one section open its key once. Stores come from
// open() and go back with release(); one thread uses a store at a time. The
// root path is the caller's: the store knows nothing of whose settings it
// keeps.
//
//     s::thread::PoolRef<MappedData> store(MappedData::open(rootPathOfTheProgram));
//     bool shown = store->getBool(u"Window", u"Visible", true);
//     store->setInt32(u"Window", u"Width", 640);
//     const char16_t* name = store->getString(u"Theme", u"", u"Plain"); // copy it
class MappedData final : public s::map::IMappedData {
    S_POOLED_CLASS(MappedData, u"s_reg_MappedData")

public:
    using StrBuffer = s::str::strbuffer::StrBuffer;

    // Room for an expanded REG_EXPAND_SZ value; longer results are expanded
    // into a buffer of their own size.
    static constexpr std::uint32_t kExpandRoom = 520;

    // A store on HKEY_CURRENT_USER\keyPath (empty levels left out). Nothing
    // is created until the first write. Owned by the caller (release()); null
    // when out of memory.
    static MappedData* open(const char16_t* keyPath);

    void reset() override;

    // The root key path below HKEY_CURRENT_USER.
    const char16_t* rootPath() const;

    bool save() override { return true; }
    bool openSection(const char16_t* path) override;
    // The empty path deletes the whole root key.
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

    // How many times a section's key object was made (not reused from the
    // cache); lets tests see the cache at work.
    std::uint32_t sectionOpenings() const { return sectionKeysMade; }

private:
    MappedData();
    ~MappedData() override;

    // The key of the section, opened (or, with `create`, created); null when
    // it does not exist or could not be made.
    RegKey* section(const char16_t* path, bool create);
    // The value's bytes when it exists and has exactly `size` bytes.
    bool readSized(const char16_t* path, const char16_t* key, std::size_t size, void* out);
    template <class Stored, class Result>
    Result readNumber(const char16_t* path, const char16_t* key, Result fallback);
    bool write(const char16_t* path, const char16_t* key, unsigned long type, const void* bytes,
               std::size_t count);
    void dropCurrent();

    StrBuffer* composedPath = nullptr; // full key paths are composed here
    StrBuffer* lastPath = nullptr;     // the section path looked up last
    RegKey* rootKey = nullptr;         // HKEY_CURRENT_USER and the root path, owned
    RegKey* currentKey = nullptr;      // the key of lastPath, owned, or null
    bool autoSave = false;
    StrBuffer* scratch = nullptr; // the text returned by the last getString
    std::uint32_t sectionKeysMade = 0;
};

} // namespace s::reg
