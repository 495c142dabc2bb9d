#pragma once
#include <cstdint>
#include <string>

namespace s::image::gui::dialogs::magnifier {

// Reads the magnifier's "View" settings where the settings store keeps them:
// HKEY_CURRENT_USER\Software\Vexa\Vexa Magnifier\SaveData\View. Bools and
// numbers are 4-byte REG_DWORD values, strings REG_SZ. A value that is
// absent, of another kind or of another size gives the default; reading
// never creates anything.
class ViewSettings {
public:
    static bool readBool(const char16_t* key, bool defaultValue);
    static int32_t readInt(const char16_t* key, int32_t defaultValue);
    static std::u16string readString(const char16_t* key, const char16_t* defaultValue);
};

} // namespace s::image::gui::dialogs::magnifier
