#include "magnifier/logic/StartupRules.h"

#include "s/str/Ascii.h"

namespace s::image::gui::dialogs::magnifier {

bool isSupportedSystem(bool isNT, uint32_t majorVersion, uint32_t minorVersion) {
    const bool isXpFamily = isNT && majorVersion == 5 && (minorVersion == 1 || minorVersion == 2);
    return isXpFamily || majorVersion >= 6;
}

bool isBootStart(const char16_t* const* arguments, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        if (arguments[i] != nullptr && s::str::Ascii::equalsIgnoreCase(arguments[i], u"-startup")) {
            return true;
        }
    }
    return false;
}

} // namespace s::image::gui::dialogs::magnifier
