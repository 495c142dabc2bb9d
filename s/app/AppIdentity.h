#pragma once
#include <cstdint>

namespace s::app {

// What only the application knows about itself and hands to its application
// base at start-up: where its settings live in the registry, which of its
// resources hold the language pack, the icons and the logo pictures, and the
// name that tells its running copies apart. The framework composes every
// registry path, resource lookup and instance name from these values, so it
// never carries a product's own.
//
// Plain values; the texts are borrowed and must outlive the application base
// (string literals in practice).
struct AppIdentity {
    // The maker's key below HKEY_CURRENT_USER, without a trailing backslash
    // ("Software\\Maker").
    const char16_t* vendorKey = u"";
    // The language pack's text that names the product key below the vendor
    // key (the same in every language), and the name used when the pack has
    // none, so that a damaged pack never moves the settings.
    std::int32_t registryIdText = 0;
    const char16_t* fallbackRegistryId = u"";
    // The settings key below the product key.
    const char16_t* settingsKey = u"SaveData";

    // The language pack resource.
    const char16_t* packResourceType = u"";
    std::int32_t packResourceId = 0;
    // The application icon group.
    std::int32_t iconResourceId = 0;
    // The two logo pictures (wide and tall) and their resource type.
    const char16_t* logoResourceType = u"";
    std::int32_t wideLogoId = 0;
    std::int32_t tallLogoId = 0;

    // Names what marks a running copy (see s::process::win::SingleInstance).
    const char16_t* instanceName = u"";
    // The command line to parse, program name first; null takes the
    // process's own. Tests give one of their own.
    const char16_t* commandLine = nullptr;
};

} // namespace s::app
