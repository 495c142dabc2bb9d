#pragma once
#include <cstdint>

#include "magnifier/logic/LensRules.h"
#include "magnifier/logic/TriggerKeys.h"

namespace s::map {
class IMappedData;
}
namespace s::lang {
class Localizer;
}

namespace s::image::gui::dialogs::magnifier {

// The magnifier's own settings, in the section "View" of the settings store:
// "IsOn" and "AutoLock" (bool), "KeyType" (one of the six key names) and
// "MagnificationLevel" (signed 32-bit percent); and the user-interface
// language, the English name of the chosen pack in the section "Language".
// They are read once at start and each is written at once when the menu
// changes it. Plain values over a borrowed store; one thread at a time, as
// the store.
struct MagnifierSettings {
    bool isOn = true;
    bool autoLock = true;
    int32_t keyType = kDefaultKeyType;
    int32_t magnificationLevel = LensRules::kDefaultLevel;

    // The stored values, each with its default when missing (nothing is
    // created). A stored key name that names no key gives right Ctrl; the
    // stored text stays as it is until a key is chosen. Null: the defaults.
    static MagnifierSettings read(s::map::IMappedData* store);

    static void writeIsOn(s::map::IMappedData& store, bool on);
    static void writeAutoLock(s::map::IMappedData& store, bool on);
    // Writes the key's name; a key type outside 1 to 6 writes nothing.
    static void writeKeyType(s::map::IMappedData& store, int32_t keyType);
    static void writeMagnificationLevel(s::map::IMappedData& store, int32_t percent);
    // Stores the English name of the localizer's current language.
    static void writeLanguage(s::map::IMappedData& store, s::lang::Localizer& localizer);
    // Makes the stored language current (a name no pack carries gives
    // English) and, when the stored name then differs from the current
    // pack's, stores that pack's name. With nothing stored the current
    // language stays and nothing is written.
    static void restoreLanguage(s::map::IMappedData& store, s::lang::Localizer& localizer);
};

} // namespace s::image::gui::dialogs::magnifier
