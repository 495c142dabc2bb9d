#include "s/gui/win/Button.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlHost.h"
#include "s/gui/win/Window.h"
#include "s/thread/PoolRef.h"

using controlhost::Host;
using controlhost::pumpFor;
using controlhost::pumpUntil;
using s::gui::win::Button;
using s::thread::PoolRef;

namespace {

// Records every code of every list it listens to, in arrival order, and the
// toggle state seen at each code.
class Recorder : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject* source, int32_t code) override {
        codes.push_back(code);
        toggledAt.push_back(static_cast<Button*>(source)->isToggled());
    }
    int count(int32_t code) const {
        int n = 0;
        for (int32_t c : codes) {
            n += c == code;
        }
        return n;
    }
    std::vector<int32_t> codes;
    std::vector<bool> toggledAt;
};

struct Fixture {
    Host host;
    PoolRef<Button> button = PoolRef<Button>::take();
    Recorder recorder;

    explicit Fixture(const char16_t* text = u"Close") {
        button->setText(text);
        button->setBounds(20, 20, 120, 30);
        button->addClickListener(&recorder);
        button->addToggleListener(&recorder);
        button->addPressListener(&recorder);
    }
    bool attach() { return button->attach(host.get()); }
};

std::u16string nativeText(HWND window) {
    wchar_t buffer[64] = {};
    GetWindowTextW(window, buffer, 64);
    return reinterpret_cast<const char16_t*>(buffer);
}

DWORD buttonType(HWND window) {
    return static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)) & BS_TYPEMASK;
}

} // namespace

TEST(ButtonWinTest, TheNativeButtonCarriesTextStylesAndAnIdealSize) {
    Fixture fixture(u"#X");
    ASSERT_TRUE(fixture.attach());
    const HWND handle = fixture.button->getHandle();
    EXPECT_EQ(u"#X", nativeText(handle)) << "glyph names stay the text";
    EXPECT_EQ(Button::kControlId, GetDlgCtrlID(handle));
    const LONG_PTR style = GetWindowLongPtrW(handle, GWL_STYLE);
    EXPECT_TRUE((style & WS_TABSTOP) != 0);
    EXPECT_TRUE((style & BS_NOTIFY) != 0);
    EXPECT_EQ(static_cast<DWORD>(BS_PUSHBUTTON), buttonType(handle));
    EXPECT_GT(fixture.button->getMinimumWidth(), 0);

    const int32_t narrow = fixture.button->getMinimumWidth();
    fixture.button->setText(u"Check for updates now");
    EXPECT_GT(fixture.button->getMinimumWidth(), narrow) << "the natural size follows the text";
    EXPECT_EQ(u"Check for updates now", nativeText(handle));
}

TEST(ButtonWinTest, AClickRaisesOneThenTwoAndFlipsAToggle) {
    Fixture fixture;
    ASSERT_TRUE(fixture.attach());
    const HWND handle = fixture.button->getHandle();
    SendMessageW(handle, BM_CLICK, 0, 0);
    EXPECT_EQ((std::vector<int32_t>{3, 1, 2}), fixture.recorder.codes) << "press, click, toggle";
    EXPECT_FALSE(fixture.button->isToggled()) << "not a toggle button";

    fixture.recorder.codes.clear();
    fixture.recorder.toggledAt.clear();
    fixture.button->setToggle(true);
    SendMessageW(handle, BM_CLICK, 0, 0);
    ASSERT_EQ((std::vector<int32_t>{3, 1, 2}), fixture.recorder.codes);
    EXPECT_FALSE(fixture.recorder.toggledAt[1]) << "click listeners see the old state";
    EXPECT_TRUE(fixture.recorder.toggledAt[2]) << "toggle listeners the new one";
    SendMessageW(handle, BM_CLICK, 0, 0);
    EXPECT_FALSE(fixture.button->isToggled());

    fixture.button->setToggle(true, false);
    SendMessageW(handle, BM_CLICK, 0, 0);
    SendMessageW(handle, BM_CLICK, 0, 0);
    EXPECT_TRUE(fixture.button->isToggled()) << "may not be released";

    fixture.button->setToggle(true);
    fixture.button->setEnabled(false);
    SendMessageW(fixture.host.get(), WM_COMMAND, MAKEWPARAM(Button::kControlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(handle));
    EXPECT_TRUE(fixture.button->isToggled()) << "a disabled toggle keeps its state";
}

TEST(ButtonWinTest, ADoubleClickIsAPressAndAClick) {
    Fixture fixture;
    ASSERT_TRUE(fixture.attach());
    SendMessageW(fixture.host.get(), WM_COMMAND, MAKEWPARAM(Button::kControlId, BN_DOUBLECLICKED),
                 reinterpret_cast<LPARAM>(fixture.button->getHandle()));
    EXPECT_EQ((std::vector<int32_t>{3, 1, 2}), fixture.recorder.codes);
}

TEST(ButtonWinTest, HeldDownWithAutoRepeatPressesAgainUntilReleased) {
    Fixture fixture;
    fixture.button->setAutoRepeat(true);
    ASSERT_TRUE(fixture.attach());
    const HWND handle = fixture.button->getHandle();
    // The repetition counts only while the cursor is inside, so the cursor
    // stays on the button as a user's would: Wine may still deliver an older
    // pointer position after a move, and the window manager may still move
    // the window; both are put right at every look.
    const auto cursorOnButton = [handle] {
        RECT bounds;
        GetWindowRect(handle, &bounds);
        const POINT centre = {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
        POINT at;
        if (GetCursorPos(&at) && at.x == centre.x && at.y == centre.y) {
            return true;
        }
        SetCursorPos(centre.x, centre.y);
        return false;
    };
    ASSERT_TRUE(pumpUntil([&] {
        const bool there = cursorOnButton();
        pumpFor(60);
        return there && cursorOnButton();
    }));
    PostMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_TRUE(pumpUntil([&] {
        cursorOnButton();
        return fixture.recorder.count(3) >= 4;
    })) << "after the delay, again every 100 ms; presses: "
        << fixture.recorder.count(3);
    PostMessageW(handle, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    pumpFor(50);
    const int pressesAtRelease = fixture.recorder.count(3);
    pumpFor(400);
    EXPECT_EQ(pressesAtRelease, fixture.recorder.count(3)) << "released: the repetition stops";
    EXPECT_EQ(1, fixture.recorder.count(1)) << "the release clicked once";

    fixture.recorder.codes.clear();
    fixture.button->setAutoRepeat(false);
    PostMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    pumpFor(800);
    EXPECT_EQ(1, fixture.recorder.count(3)) << "without auto-repeat one press";
    PostMessageW(handle, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    pumpFor(50);
}

TEST(ButtonWinTest, TheMouseStateFollowsHoverAndHolding) {
    Fixture fixture;
    ASSERT_TRUE(fixture.attach());
    const HWND handle = fixture.button->getHandle();
    SendMessageW(handle, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(1, fixture.button->getMouseState());
    EXPECT_EQ(handle, GetCapture());
    SendMessageW(handle, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(2, fixture.button->getMouseState());
    SendMessageW(handle, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(500, 5));
    EXPECT_EQ(0, fixture.button->getMouseState()) << "held outside";
    SendMessageW(handle, WM_MOUSEMOVE, 0, MAKELPARAM(500, 5));
    EXPECT_EQ(0, fixture.button->getMouseState());
    EXPECT_NE(handle, GetCapture());
}

TEST(ButtonWinTest, DefaultAndNormalSwitchTheNativeStyle) {
    Fixture fixture;
    fixture.button->makeDefault();
    ASSERT_TRUE(fixture.attach());
    const HWND handle = fixture.button->getHandle();
    EXPECT_TRUE(fixture.button->isDefault());
    EXPECT_EQ(static_cast<DWORD>(BS_DEFPUSHBUTTON), buttonType(handle)) << "made default before";
    fixture.button->makeNormal();
    EXPECT_FALSE(fixture.button->isDefault());
    EXPECT_EQ(static_cast<DWORD>(BS_PUSHBUTTON), buttonType(handle));
    fixture.button->makeDefault();
    EXPECT_EQ(static_cast<DWORD>(BS_DEFPUSHBUTTON), buttonType(handle));
    EXPECT_TRUE((GetWindowLongPtrW(handle, GWL_STYLE) & BS_NOTIFY) != 0) << "notifications stay";
}

TEST(ButtonWinTest, NoSkinForAButtonWithoutOneLeavesTheStyleTheSystemGaveIt) {
    Fixture fixture;
    ASSERT_TRUE(fixture.attach());
    const HWND handle = fixture.button->getHandle();
    // A dialog manager marks its default push button on the control itself.
    SendMessageW(handle, BM_SETSTYLE, BS_DEFPUSHBUTTON | BS_NOTIFY, FALSE);
    fixture.button->applySkin(nullptr);
    EXPECT_EQ(static_cast<DWORD>(BS_DEFPUSHBUTTON), buttonType(handle));
}

TEST(ButtonWinTest, AWheelTurnOutsideTheButtonGoesOnToTheWindow) {
    Fixture fixture;
    ASSERT_TRUE(fixture.attach());
    const HWND handle = fixture.button->getHandle();
    RECT bounds;
    GetWindowRect(handle, &bounds);
    const WPARAM away = MAKEWPARAM(0, WHEEL_DELTA);
    EXPECT_EQ(
        0, SendMessageW(handle, WM_MOUSEWHEEL, away, MAKELPARAM(bounds.left + 2, bounds.top + 2)));
    EXPECT_EQ(0, fixture.host.wheels) << "inside: the button keeps it";
    EXPECT_EQ(0,
              SendMessageW(handle, WM_MOUSEWHEEL, away, MAKELPARAM(bounds.right + 50, bounds.top)));
    EXPECT_EQ(1, fixture.host.wheels);
}

TEST(ButtonWinTest, APlacedButtonWhoseSizeChangesIsPlacedAgain) {
    auto window = PoolRef<s::gui::win::Window>::take();
    window->setBounds(150, 150, 400, 200);
    Button* button = Button::newInstance();
    button->setText(u"OK");
    window->add(button);
    window->setVisible(true, true);
    const auto placedWidth = [button] {
        RECT rect = {};
        GetWindowRect(button->getHandle(), &rect);
        return static_cast<int32_t>(rect.right - rect.left);
    };
    ASSERT_TRUE(pumpUntil([&] { return placedWidth() == button->getMinimumWidth(); }));
    const int32_t narrow = placedWidth();

    // Its container lays it out again at once: nothing else would.
    button->setText(u"Check for updates now");
    EXPECT_GT(button->getMinimumWidth(), narrow);
    EXPECT_TRUE(pumpUntil([&] { return placedWidth() == button->getMinimumWidth(); }))
        << placedWidth() << " placed, " << button->getMinimumWidth() << " wanted";
    window->reset();
}
