#include "magnifier/logic/TriggerKeys.h"

#include "s/str/Ascii.h"

namespace s::image::gui::dialogs::magnifier {

namespace {

bool isDown(int32_t virtualKey, KeyProbe probe, void* context) {
    return probe(virtualKey, context);
}

bool isCtrlDown(KeyProbe probe, void* context) {
    return isDown(vk::kLeftControl, probe, context) || isDown(vk::kRightControl, probe, context);
}

bool isShiftDown(KeyProbe probe, void* context) {
    return isDown(vk::kLeftShift, probe, context) || isDown(vk::kRightShift, probe, context);
}

bool isAltDown(KeyProbe probe, void* context) {
    return isDown(vk::kLeftMenu, probe, context) || isDown(vk::kRightMenu, probe, context);
}

// Stored values in key-type order; index 0 is key type 1.
constexpr const char16_t* kSettingValues[] = {u"RCtrl",     u"RAlt",    u"Ctrl",
                                              u"CtrlShift", u"CtrlAlt", u"CtrlShiftAlt"};

} // namespace

bool isKeyTypeHeld(int32_t keyType, KeyProbe probe, void* context) {
    switch (static_cast<KeyType>(keyType)) {
    case KeyType::RightCtrl:
        return isDown(vk::kRightControl, probe, context);
    case KeyType::RightAlt:
        return isDown(vk::kRightMenu, probe, context);
    case KeyType::Ctrl:
        return isCtrlDown(probe, context);
    case KeyType::CtrlShift:
        return isCtrlDown(probe, context) && isShiftDown(probe, context);
    case KeyType::CtrlAlt:
        return isCtrlDown(probe, context) && isAltDown(probe, context);
    case KeyType::CtrlShiftAlt:
        return isCtrlDown(probe, context) && isShiftDown(probe, context) &&
               isAltDown(probe, context);
    }
    return false;
}

const char16_t* keyTypeSettingValue(int32_t keyType) {
    if (keyType < kFirstKeyType || keyType > kLastKeyType) {
        return nullptr;
    }
    return kSettingValues[keyType - kFirstKeyType];
}

int32_t keyTypeFromSetting(const char16_t* value) {
    if (value == nullptr) {
        return kDefaultKeyType;
    }
    for (int32_t keyType = kFirstKeyType; keyType <= kLastKeyType; ++keyType) {
        if (s::str::Ascii::equalsIgnoreCase(value, keyTypeSettingValue(keyType))) {
            return keyType;
        }
    }
    return kDefaultKeyType;
}

} // namespace s::image::gui::dialogs::magnifier
