#pragma once
#include <cstdint>

namespace s::image::gui::dialogs::magnifier {

// Language-pack ids of the texts the magnifier shows.
enum class TextId : int32_t {
    ProductName = 500000,  // the product's name, the tray icon's tip
    Exit = 751000,         // the tray menu's Exit entry
    HintStart = 800000,    // usage hint up to the key name
    HintAfterKey = 800100, // usage hint after the key name
    HintMenu = 800200,     // where the configuration lives
    KeyNameBase = 801000,  // plus the key type: the key's name
};

} // namespace s::image::gui::dialogs::magnifier
