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
    Exit = 751000,         // the tray menu's Exit entry
    HintStart = 800000,    // usage hint up to the key name
    HintAfterKey = 800100, // usage hint after the key name
    HintMenu = 800200,     // where the configuration lives
    KeyNameBase = 801000,  // plus the key type: the key's name
};

} // namespace s::image::gui::dialogs::magnifier
