#include "s/gui/win/Window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "s/gui/win/HotKeys.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/PoolRef.h"
#include "tests/s/gui/win/BoxClicker.h"

using s::gui::win::HotKeys;
using s::gui::win::Window;
using s::gui::win::WindowEvent;
using s::str::strbuffer::StrBuffer;

namespace {

// Combinations nobody else on a test display uses.
constexpr int32_t kF9 = VK_F9;
constexpr int32_t kF10 = VK_F10;

std::u16string occupiedText(bool alt, bool ctrl, bool shift, bool win, int32_t keyCode) {
    auto text = s::thread::PoolRef<StrBuffer>::take();
    HotKeys::appendOccupiedText(text.get(), alt, ctrl, shift, win, keyCode);
    return text->c_str();
}

// Records which named key each press was, on the window's thread; arms the
// box clicker there when the window is called.
class PressRecorder : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject* source, int32_t code) override {
        auto* window = static_cast<Window*>(source);
        if (code == static_cast<int32_t>(WindowEvent::HotKey)) {
            firstPressed = window->isHotKey(u"first");
            secondPressed = window->isHotKey(u"second");
            presses.fetch_add(1);
        } else if (code == static_cast<int32_t>(WindowEvent::Call)) {
            boxclicker::arm(IDOK);
        }
    }
    std::atomic<int> presses{0};
    std::atomic<bool> firstPressed{false};
    std::atomic<bool> secondPressed{false};
};

// Presses and releases Ctrl+Alt+Shift with `key` through the system's input
// queue, where hot keys are recognised.
void press(WORD key) {
    const WORD keys[4] = {VK_CONTROL, VK_MENU, VK_SHIFT, key};
    INPUT input[8] = {};
    for (int i = 0; i < 4; ++i) {
        input[i].type = INPUT_KEYBOARD;
        input[i].ki.wVk = keys[i];
        input[7 - i].type = INPUT_KEYBOARD;
        input[7 - i].ki.wVk = keys[i];
        input[7 - i].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    SendInput(8, input, sizeof(INPUT));
}

bool waitFor(const std::atomic<int>& counter, int value) {
    for (int i = 0; i < 200 && counter.load() < value; ++i) {
        Sleep(10);
    }
    return counter.load() >= value;
}

} // namespace

TEST(WindowHotKeysWinTest, TheOccupiedTextNamesTheModifiersInOrder) {
    EXPECT_EQ(u"HotKey Alt+Ctrl+77 has been occupied by another application.",
              occupiedText(true, true, false, false, 77));
    EXPECT_EQ(u"HotKey Alt+Ctrl+Shift+WinKey+-5 has been occupied by another application.",
              occupiedText(true, true, true, true, -5));
    EXPECT_EQ(u"HotKey 65 has been occupied by another application.",
              occupiedText(false, false, false, false, 65));
    EXPECT_EQ(u"HotKey Shift+WinKey+120 has been occupied by another application.",
              occupiedText(false, false, true, true, 120));
    EXPECT_EQ(0x0003u, HotKeys::modifierMask(true, true, false, false, false));
    EXPECT_EQ(0x400Cu, HotKeys::modifierMask(false, false, true, true, true));
}

TEST(WindowHotKeysWinTest, ANameRegisteredTwiceHoldsOneKeyAndPressesAreToldApartByName) {
    auto window = s::thread::PoolRef<Window>::take();
    auto rival = s::thread::PoolRef<Window>::take();
    PressRecorder recorder;
    window->addListener(WindowEvent::HotKey, &recorder);
    EXPECT_TRUE(window->registerHotKey(true, true, true, false, kF9, u"first", false));
    // Again under the same name: the earlier key is given back first.
    EXPECT_TRUE(window->registerHotKey(true, true, true, false, kF9, u"first", false));
    EXPECT_TRUE(window->registerHotKey(true, true, true, false, kF10, u"second", false));

    press(kF10);
    ASSERT_TRUE(waitFor(recorder.presses, 1));
    EXPECT_TRUE(recorder.secondPressed.load());
    EXPECT_FALSE(recorder.firstPressed.load());
    press(kF9);
    ASSERT_TRUE(waitFor(recorder.presses, 2));
    EXPECT_TRUE(recorder.firstPressed.load());
    EXPECT_FALSE(recorder.secondPressed.load());
    EXPECT_TRUE(window->isHotKey(u"first"));
    EXPECT_FALSE(window->isHotKey(u"unknown"));

    // One unregistration frees the name's key for anyone.
    window->unregisterHotKey(u"first");
    EXPECT_TRUE(rival->registerHotKey(true, true, true, false, kF9, u"rival", false));
    rival->unregisterAllHotKeys();
    window->unregisterAllHotKeys();
    EXPECT_TRUE(rival->registerHotKey(true, true, true, false, kF10, u"rival", false));
    rival->unregisterAllHotKeys();

    // A window given back gives its keys back.
    window->registerHotKey(true, true, true, false, kF9, u"first", false);
    window.assign(nullptr);
    EXPECT_TRUE(rival->registerHotKey(true, true, true, false, kF9, u"rival", false));
}

TEST(WindowHotKeysWinTest, AKeyHeldElsewhereAnswersFalseAndTellsTheUserWhenAsked) {
    auto holder = s::thread::PoolRef<Window>::take();
    auto window = s::thread::PoolRef<Window>::take();
    PressRecorder armer;
    window->addListener(WindowEvent::Call, &armer);
    const DWORD windowThread = GetWindowThreadProcessId(window->getHandle(), nullptr);
    ASSERT_TRUE(holder->registerHotKey(true, true, true, false, kF9, u"held", false));

    window->sendCall(0, 0, 0, 0);
    EXPECT_FALSE(window->registerHotKey(true, true, true, false, kF9, u"mine", true));
    const boxclicker::Seen seen = boxclicker::seenOn(windowThread);
    EXPECT_EQ(windowThread, seen.threadId);
    EXPECT_EQ(u"win_tests", seen.caption);
    EXPECT_EQ(u"(1409) HotKey Alt+Ctrl+Shift+120 has been occupied by another application.",
              seen.text);

    // Not asked to tell: no box.
    window->sendCall(0, 0, 0, 0);
    EXPECT_FALSE(window->registerHotKey(true, true, true, false, kF9, u"mine", false));
    Sleep(100);
    EXPECT_EQ(0, boxclicker::seenOn(windowThread).boxes);

    // Names the atom table cannot hold are refused without a box.
    EXPECT_FALSE(window->registerHotKey(false, true, false, false, kF10, u"", false));
    EXPECT_FALSE(window->registerHotKey(false, true, false, false, kF10, nullptr, false));
    EXPECT_FALSE(window->registerHotKey(false, true, false, false, kF10,
                                        std::u16string(256, u'n').c_str(), false));
    EXPECT_FALSE(window->isHotKey(nullptr));
}
