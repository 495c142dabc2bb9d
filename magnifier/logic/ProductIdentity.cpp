#include "magnifier/logic/ProductIdentity.h"

namespace s::image::gui::dialogs::magnifier {

std::u16string ProductIdentity::settingsKeyPath(const char16_t* registryId) {
    const bool given = registryId != nullptr && registryId[0] != 0;
    std::u16string path(kVendorKey);
    path += given ? registryId : kRegistryId;
    path += kSettingsKey;
    return path;
}

} // namespace s::image::gui::dialogs::magnifier
