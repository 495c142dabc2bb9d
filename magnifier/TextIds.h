#pragma once
#include <cstdint>

namespace s::image::gui::dialogs::magnifier {

// Language-pack ids of the texts the magnifier shows. The product's own block
// starts at the text base 500000; its entries are the base plus an offset.
enum class TextId : int32_t {
    ProductName = 500000,  // base + 0: the product's name, the tray icon's tip
    ProductPage = 500003,  // base + 3: address of the product's page
    FeedbackPage = 500004, // base + 4: address of the feedback page
    Version = 500010,      // base + 10: the version text
    HintStart = 800000,    // usage hint up to the key name
    HintAfterKey = 800100, // usage hint after the key name
    HintMenu = 800200,     // where the configuration lives
    KeyNameBase = 801000,  // plus the key type: the key's name

    // The tray menu.
    TurnOn = 900000,
    TurnOff = 900001,
    AutoLock = 800900,
    KeyMenu = 801000,
    ZoomMenu = 1000000, // plus the level in percent: the zoom item's text
    StartOnBoot = 609500,
    LanguageMenu = 700000,
    Translate = 700001,
    AboutMenu = 701000,
    VersionInformation = 701100,
    SoftwarePage = 701200,
    TellDevelopers = 701300,
    MoreSoftware = 107000,
    Workplace = 108100,
    Exit = 751000,

    // Web addresses the menu opens.
    MoreSoftwareAddress = 108000,
    WorkplaceAddress = 108200,
    TranslateAddress = 108500,
};

constexpr int32_t textIdOf(TextId id) {
    return static_cast<int32_t>(id);
}

} // namespace s::image::gui::dialogs::magnifier
