#include "magnifier/logic/MagnifierSettings.h"

#include <string>

#include "s/lang/LangPack.h"
#include "s/lang/Localizer.h"
#include "s/map/IMappedData.h"
#include "s/str/Ascii.h"

namespace s::image::gui::dialogs::magnifier {

namespace {

constexpr const char16_t* kViewSection = u"View";
constexpr const char16_t* kIsOnKey = u"IsOn";
constexpr const char16_t* kAutoLockKey = u"AutoLock";
constexpr const char16_t* kKeyTypeKey = u"KeyType";
constexpr const char16_t* kMagnificationLevelKey = u"MagnificationLevel";
// A single setting lives in a section of its own under the empty key.
constexpr const char16_t* kLanguageSection = u"Language";
constexpr const char16_t* kOwnValue = u"";

const char16_t* currentLanguageName(s::lang::Localizer& localizer) {
    const s::lang::LangPack* current = localizer.getCurrent();
    return current != nullptr ? current->getEngName() : nullptr;
}

} // namespace

MagnifierSettings MagnifierSettings::read(s::map::IMappedData* store) {
    MagnifierSettings settings;
    if (store == nullptr) {
        return settings;
    }
    settings.isOn = store->getBool(kViewSection, kIsOnKey, true);
    settings.autoLock = store->getBool(kViewSection, kAutoLockKey, true);
    settings.keyType = keyTypeFromSetting(
        store->getString(kViewSection, kKeyTypeKey, keyTypeSettingValue(kDefaultKeyType)));
    settings.magnificationLevel =
        store->getInt32(kViewSection, kMagnificationLevelKey, LensRules::kDefaultLevel);
    return settings;
}

void MagnifierSettings::writeIsOn(s::map::IMappedData& store, bool on) {
    store.setBool(kViewSection, kIsOnKey, on);
}

void MagnifierSettings::writeAutoLock(s::map::IMappedData& store, bool on) {
    store.setBool(kViewSection, kAutoLockKey, on);
}

void MagnifierSettings::writeKeyType(s::map::IMappedData& store, int32_t keyType) {
    if (const char16_t* name = keyTypeSettingValue(keyType)) {
        store.setString(kViewSection, kKeyTypeKey, name);
    }
}

void MagnifierSettings::writeMagnificationLevel(s::map::IMappedData& store, int32_t percent) {
    store.setInt32(kViewSection, kMagnificationLevelKey, percent);
}

void MagnifierSettings::writeLanguage(s::map::IMappedData& store, s::lang::Localizer& localizer) {
    if (const char16_t* name = currentLanguageName(localizer)) {
        store.setString(kLanguageSection, kOwnValue, name);
    }
}

void MagnifierSettings::restoreLanguage(s::map::IMappedData& store, s::lang::Localizer& localizer) {
    const char16_t* current = currentLanguageName(localizer);
    if (current == nullptr) {
        return;
    }
    // Copied: the store's text lives only until its next read.
    const std::u16string stored = store.getString(kLanguageSection, kOwnValue, current);
    localizer.setLanguage(stored.c_str());
    const char16_t* chosen = currentLanguageName(localizer);
    if (chosen != nullptr && !s::str::Ascii::equalsIgnoreCase(stored.c_str(), chosen)) {
        store.setString(kLanguageSection, kOwnValue, chosen);
    }
}

} // namespace s::image::gui::dialogs::magnifier
