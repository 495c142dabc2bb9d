#pragma once
#include <cstdint>
#include <string>

namespace s::image::gui::dialogs::magnifier {

// Who this program is, for the library parts that must not know it: where its
// settings live in the registry, which resources hold its language pack and
// icon, and the name that marks a running copy. The library takes each of
// these as a parameter; the program hands them over at start-up. Constants
// only, usable from any thread.
class ProductIdentity {
public:
    // Settings: HKEY_CURRENT_USER\Software\Vexa\<registry id>\SaveData.
    static constexpr const char16_t* kVendorKey = u"Software\\Vexa\\";
    static constexpr const char16_t* kSettingsKey = u"\\SaveData";
    // The same parts without their separators, as the application framework
    // composes them.
    static constexpr const char16_t* kVendorKeyName = u"Software\\Vexa";
    static constexpr const char16_t* kSettingsKeyName = u"SaveData";
    // The language pack's text that holds the registry id (the same in every
    // language).
    static constexpr std::int32_t kRegistryIdText = 300000;
    // The registry id when the pack has none, so that a damaged or missing
    // pack never moves the settings.
    static constexpr const char16_t* kRegistryId = u"Vexa Magnifier";

    // The language pack resource.
    static constexpr const char16_t* kPackResourceType = u"IDR_XML";
    static constexpr std::int32_t kPackResourceId = 130;
    // The application icon group.
    static constexpr std::int32_t kIconResourceId = 128;
    // The logo pictures: a wide and a tall banner.
    static constexpr const char16_t* kLogoResourceType = u"IDR_JPG";
    static constexpr std::int32_t kWideLogoId = 131;
    static constexpr std::int32_t kTallLogoId = 132;

    // Names the mutex that tells running copies apart.
    static constexpr const char16_t* kInstanceName = u"VexaMagnifier";

    // The settings key below HKEY_CURRENT_USER for a registry id; null or
    // empty gives the key of kRegistryId.
    static std::u16string settingsKeyPath(const char16_t* registryId);
};

} // namespace s::image::gui::dialogs::magnifier
