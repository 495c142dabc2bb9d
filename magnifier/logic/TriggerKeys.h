#pragma once
#include <cstdint>

namespace s::image::gui::dialogs::magnifier {

// The six trigger key combinations. Each row lists the keys that must be down
// together; a key counts as down when any of its alternatives is (left or
// right). Keys outside the row are never examined, so "Ctrl" is also held
// while Ctrl+Shift is pressed.
enum class KeyType : int32_t {
    RightCtrl = 1,
    RightAlt = 2,
    Ctrl = 3,
    CtrlShift = 4,
    CtrlAlt = 5,
    CtrlShiftAlt = 6,
};

constexpr int32_t kFirstKeyType = 1;
constexpr int32_t kLastKeyType = 6;
constexpr int32_t kDefaultKeyType = 1;
// Text id of a key's name is this base plus the key type.
constexpr int32_t kKeyNameTextBase = 801000;

// Virtual-key codes of the keys the rows use (the platform's values).
namespace vk {
constexpr int32_t kEscape = 0x1B;
constexpr int32_t kLeftShift = 0xA0;
constexpr int32_t kRightShift = 0xA1;
constexpr int32_t kLeftControl = 0xA2;
constexpr int32_t kRightControl = 0xA3;
constexpr int32_t kLeftMenu = 0xA4;
constexpr int32_t kRightMenu = 0xA5;
} // namespace vk

// Answers whether the key with the given virtual-key code is down now.
using KeyProbe = bool (*)(int32_t virtualKey, void* context);

// True when every key of the row of keyType is down; a keyType outside 1..6
// is never held.
bool isKeyTypeHeld(int32_t keyType, KeyProbe probe, void* context);

// The stored setting value of a key type ("RCtrl", ...), or nullptr outside 1..6.
const char16_t* keyTypeSettingValue(int32_t keyType);

// The key type of a stored value, compared as a whole ignoring ASCII case;
// anything else (including nullptr) gives right Ctrl.
int32_t keyTypeFromSetting(const char16_t* value);

} // namespace s::image::gui::dialogs::magnifier
