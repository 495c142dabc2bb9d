#include "s/reg/RegKey.h"

#include "s/platform/win/WideText.h"

namespace s::reg {

using s::platform::win::wide;

namespace {
constexpr REGSAM kAccess = KEY_READ | KEY_WRITE;
}

RegKey::RegKey(HKEY hiveKey, const char16_t* path)
    : hive(hiveKey), subkeyPath(path != nullptr ? path : u"") {}

bool RegKey::open() {
    if (handle != nullptr) {
        return true;
    }
    HKEY key = nullptr;
    if (RegOpenKeyExW(hive, wide(subkeyPath.c_str()), 0, kAccess, &key) != ERROR_SUCCESS) {
        return false;
    }
    handle = key;
    return true;
}

bool RegKey::create() {
    if (open()) {
        return true;
    }
    HKEY key = nullptr;
    if (RegCreateKeyExW(hive, wide(subkeyPath.c_str()), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        kAccess, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    handle = key;
    return true;
}

void RegKey::close() {
    if (handle != nullptr) {
        RegCloseKey(handle);
        handle = nullptr;
    }
}

bool RegKey::read(const char16_t* name, DWORD& type, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    if (!open()) {
        return false;
    }
    // The value may grow between asking for its size and reading it.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD size = 0;
        LONG result = RegQueryValueExW(handle, wide(name), nullptr, &type, nullptr, &size);
        if (result != ERROR_SUCCESS) {
            return false;
        }
        bytes.resize(size);
        result = RegQueryValueExW(handle, wide(name), nullptr, &type,
                                  size > 0 ? bytes.data() : nullptr, &size);
        if (result == ERROR_SUCCESS) {
            bytes.resize(size);
            return true;
        }
        if (result != ERROR_MORE_DATA) {
            bytes.clear();
            return false;
        }
    }
    bytes.clear();
    return false;
}

bool RegKey::hasValue(const char16_t* name) {
    return open() && RegQueryValueExW(handle, wide(name), nullptr, nullptr, nullptr, nullptr) ==
                         ERROR_SUCCESS;
}

bool RegKey::write(const char16_t* name, DWORD type, const void* bytes, std::size_t count) {
    if (!create() || count > 0x7FFFFFFF) {
        return false;
    }
    return RegSetValueExW(handle, wide(name), 0, type, static_cast<const BYTE*>(bytes),
                          static_cast<DWORD>(count)) == ERROR_SUCCESS;
}

bool RegKey::removeValue(const char16_t* name) {
    return open() && RegDeleteValueW(handle, wide(name)) == ERROR_SUCCESS;
}

bool RegKey::removeTree(HKEY hiveKey, const char16_t* path) {
    // Subkeys first, depth first: RegDeleteKeyW only deletes empty keys, and
    // RegDeleteTreeW is missing on the oldest supported systems.
    HKEY key = nullptr;
    LONG result = RegOpenKeyExW(hiveKey, wide(path), 0, KEY_READ | KEY_WRITE, &key);
    if (result == ERROR_FILE_NOT_FOUND) {
        return true;
    }
    if (result != ERROR_SUCCESS) {
        return false;
    }
    std::vector<std::u16string> children;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256]; // the longest key name the registry allows is 255
        DWORD length = 256;
        if (RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        children.emplace_back(s::platform::win::utf16(name), length);
    }
    RegCloseKey(key);
    std::u16string base(path);
    for (const std::u16string& child : children) {
        removeTree(hiveKey, (base + u"\\" + child).c_str());
    }
    result = RegDeleteKeyW(hiveKey, wide(path));
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

} // namespace s::reg
