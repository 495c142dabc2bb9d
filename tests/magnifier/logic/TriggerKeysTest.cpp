#include "magnifier/logic/TriggerKeys.h"

#include <gtest/gtest.h>

#include <set>

namespace magnifier = s::image::gui::dialogs::magnifier;
namespace vk = magnifier::vk;

namespace {

// A keyboard whose pressed keys a test chooses; it records every key asked.
struct FakeKeyboard {
    std::set<int32_t> down;
    std::set<int32_t> asked;

    static bool probe(int32_t key, void* context) {
        auto* keyboard = static_cast<FakeKeyboard*>(context);
        keyboard->asked.insert(key);
        return keyboard->down.count(key) != 0;
    }
    bool held(int32_t keyType) { return magnifier::isKeyTypeHeld(keyType, &probe, this); }
};

} // namespace

TEST(TriggerKeysTest, SingleKeyRowsWatchOnlyTheirOwnSide) {
    FakeKeyboard keyboard;
    keyboard.down = {vk::kRightControl};
    EXPECT_TRUE(keyboard.held(1));
    EXPECT_FALSE(keyboard.held(2));
    EXPECT_TRUE(keyboard.held(3));
    keyboard.down = {vk::kLeftControl};
    EXPECT_FALSE(keyboard.held(1)); // right Ctrl ignores the left one
    EXPECT_TRUE(keyboard.held(3));
    keyboard.down = {vk::kRightMenu};
    EXPECT_TRUE(keyboard.held(2));
    keyboard.down = {vk::kLeftMenu};
    EXPECT_FALSE(keyboard.held(2));
}

TEST(TriggerKeysTest, CombinationsNeedOneKeyOfEveryGroupOnEitherSide) {
    FakeKeyboard keyboard;
    keyboard.down = {vk::kLeftControl, vk::kRightShift};
    EXPECT_TRUE(keyboard.held(4));
    EXPECT_FALSE(keyboard.held(5));
    EXPECT_FALSE(keyboard.held(6));
    EXPECT_TRUE(keyboard.held(3)); // Ctrl is also held during Ctrl+Shift
    keyboard.down = {vk::kRightControl, vk::kLeftMenu};
    EXPECT_TRUE(keyboard.held(5));
    EXPECT_FALSE(keyboard.held(4));
    keyboard.down = {vk::kRightControl, vk::kLeftShift, vk::kRightMenu};
    EXPECT_TRUE(keyboard.held(6));
    EXPECT_TRUE(keyboard.held(4));
    EXPECT_TRUE(keyboard.held(5));
    keyboard.down = {vk::kLeftShift, vk::kLeftMenu};
    EXPECT_FALSE(keyboard.held(6)); // no Ctrl at all
}

TEST(TriggerKeysTest, KeysOutsideTheRowAreNeverExamined) {
    FakeKeyboard keyboard;
    keyboard.held(1);
    EXPECT_EQ(std::set<int32_t>({vk::kRightControl}), keyboard.asked);
    keyboard.asked.clear();
    keyboard.down = {vk::kLeftControl, vk::kLeftShift, vk::kLeftMenu};
    keyboard.held(6);
    EXPECT_EQ(0u, keyboard.asked.count(vk::kEscape));
    EXPECT_LE(keyboard.asked.size(), 6u);
}

TEST(TriggerKeysTest, KeyTypesOutsideOneToSixAreNeverHeld) {
    FakeKeyboard keyboard;
    keyboard.down = {vk::kLeftControl, vk::kRightControl, vk::kLeftShift,
                     vk::kRightShift,  vk::kLeftMenu,     vk::kRightMenu};
    for (int32_t keyType : {0, 7, -1, 100, INT32_MIN, INT32_MAX}) {
        EXPECT_FALSE(keyboard.held(keyType)) << keyType;
    }
    EXPECT_TRUE(keyboard.asked.empty());
}

TEST(TriggerKeysTest, SettingValuesRoundTripAndCompareIgnoringCase) {
    const char16_t* names[] = {u"RCtrl",     u"RAlt",    u"Ctrl",
                               u"CtrlShift", u"CtrlAlt", u"CtrlShiftAlt"};
    for (int32_t keyType = 1; keyType <= 6; ++keyType) {
        EXPECT_EQ(std::u16string(names[keyType - 1]),
                  std::u16string(magnifier::keyTypeSettingValue(keyType)));
        EXPECT_EQ(keyType, magnifier::keyTypeFromSetting(names[keyType - 1]));
    }
    EXPECT_EQ(4, magnifier::keyTypeFromSetting(u"ctrlshift"));
    EXPECT_EQ(6, magnifier::keyTypeFromSetting(u"CTRLSHIFTALT"));
    EXPECT_EQ(nullptr, magnifier::keyTypeSettingValue(0));
    EXPECT_EQ(nullptr, magnifier::keyTypeSettingValue(7));
}

TEST(TriggerKeysTest, UnknownSettingValuesSelectRightCtrl) {
    EXPECT_EQ(1, magnifier::keyTypeFromSetting(nullptr));
    EXPECT_EQ(1, magnifier::keyTypeFromSetting(u""));
    EXPECT_EQ(1, magnifier::keyTypeFromSetting(u"CtrlShif"));   // prefix only
    EXPECT_EQ(1, magnifier::keyTypeFromSetting(u"CtrlShiftX")); // longer
    EXPECT_EQ(1, magnifier::keyTypeFromSetting(u" Ctrl"));      // not trimmed
    // Only ASCII letters fold: a Turkish dotted capital I is not an "i".
    EXPECT_EQ(1, magnifier::keyTypeFromSetting(u"RCTR\u0130"));
}
