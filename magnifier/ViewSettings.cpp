#include "magnifier/ViewSettings.h"

#include <windows.h>

#include <vector>

#include "s/platform/win/WideText.h"

namespace s::image::gui::dialogs::magnifier {

namespace {

constexpr const wchar_t* kViewKey = L"Software\\Vexa\\Vexa Magnifier\\SaveData\\View";
// Longest string value read; longer ones count as damaged.
constexpr DWORD kMaximumStringBytes = 64 * 1024;

bool readDword(const char16_t* key, DWORD* value) {
    HKEY section = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kViewKey, 0, KEY_QUERY_VALUE, &section) != ERROR_SUCCESS) {
        return false;
    }
    DWORD type = 0;
    DWORD size = sizeof(DWORD);
    const LONG status = RegQueryValueExW(section, s::platform::win::wide(key), nullptr, &type,
                                         reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(section);
    return status == ERROR_SUCCESS && type == REG_DWORD && size == sizeof(DWORD);
}

} // namespace

bool ViewSettings::readBool(const char16_t* key, bool defaultValue) {
    DWORD value = 0;
    return readDword(key, &value) ? value != 0 : defaultValue;
}

int32_t ViewSettings::readInt(const char16_t* key, int32_t defaultValue) {
    DWORD value = 0;
    return readDword(key, &value) ? static_cast<int32_t>(value) : defaultValue;
}

std::u16string ViewSettings::readString(const char16_t* key, const char16_t* defaultValue) {
    HKEY section = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kViewKey, 0, KEY_QUERY_VALUE, &section) != ERROR_SUCCESS) {
        return defaultValue;
    }
    DWORD type = 0;
    DWORD size = 0;
    std::u16string result = defaultValue;
    if (RegQueryValueExW(section, s::platform::win::wide(key), nullptr, &type, nullptr, &size) ==
            ERROR_SUCCESS &&
        type == REG_SZ && size <= kMaximumStringBytes) {
        // One unit more than asked, so a value stored without its
        // terminator still ends.
        std::vector<char16_t> text(size / sizeof(char16_t) + 1, 0);
        if (RegQueryValueExW(section, s::platform::win::wide(key), nullptr, &type,
                             reinterpret_cast<BYTE*>(text.data()), &size) == ERROR_SUCCESS) {
            result = text.data();
        }
    }
    RegCloseKey(section);
    return result;
}

} // namespace s::image::gui::dialogs::magnifier
