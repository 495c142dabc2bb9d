#pragma once
#include <cstdint>

namespace s::image::gui::dialogs::magnifier {

// Text ids of the magnifier's own messages.
enum class TextId : int32_t {
    HintStart = 800000,    // usage hint up to the key name
    HintAfterKey = 800100, // usage hint after the key name
    HintMenu = 800200,     // where the configuration lives
    KeyNameBase = 801000,  // plus the key type: the key's name
    Exit = 751000,         // the tray menu's Exit entry
};

// The English texts of those ids, until the language pack provides every
// text in the user's language. Unknown ids give "".
const char16_t* englishText(int32_t textId);

} // namespace s::image::gui::dialogs::magnifier
