#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace s::reg {

// One registry key named by a hive and a path below it, opened on demand and
// closed by its destructor (it owns the HKEY it opened). Creating a key
// creates its missing parents too. Used by the registry settings store; one
// thread at a time.
class RegKey {
public:
    RegKey(HKEY hiveKey, const char16_t* path);
    ~RegKey() { close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    const char16_t* path() const { return subkeyPath.c_str(); }
    // True when the key has been opened (it exists).
    bool isOpen() const { return handle != nullptr; }
    // Opens the key when it exists; true when it is open afterwards.
    bool open();
    // Opens the key, creating it and its missing parents; true when open.
    bool create();
    void close();

    // The value's type and bytes; false when the key or the value is missing.
    bool read(const char16_t* name, DWORD& type, std::vector<std::uint8_t>& bytes);
    // True when the key holds a value of that name (of any type).
    bool hasValue(const char16_t* name);
    // Writes a value (the key must have been created); false when that failed.
    bool write(const char16_t* name, DWORD type, const void* bytes, std::size_t count);
    // Deletes a value; false when there was none or it could not be deleted.
    bool removeValue(const char16_t* name);

    // Deletes the key at hive\path with all its subkeys; true when it is gone.
    static bool removeTree(HKEY hiveKey, const char16_t* path);

private:
    HKEY hive;
    std::u16string subkeyPath;
    HKEY handle = nullptr;
};

} // namespace s::reg
