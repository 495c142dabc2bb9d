#include "s/gui/win/CheckBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlHost.h"
#include "s/thread/PoolRef.h"

using controlhost::Host;
using controlhost::pumpUntil;
using s::gui::win::CheckBox;
using s::thread::PoolRef;

namespace {

class Recorder : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject*, int32_t code) override { codes.push_back(code); }
    std::vector<int32_t> codes;
};

struct Fixture {
    Host host;
    PoolRef<CheckBox> box = PoolRef<CheckBox>::take();
    Recorder checked;
    Recorder unchecked;

    Fixture() {
        box->setText(u"Start at log-on");
        box->setBounds(10, 10, 200, 24);
        box->addCheckedListener(&checked);
        box->addUncheckedListener(&unchecked);
    }
    bool nativeChecked() const {
        return SendMessageW(box->getHandle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
};

std::u16string nativeText(HWND window) {
    wchar_t buffer[64] = {};
    GetWindowTextW(window, buffer, 64);
    return reinterpret_cast<const char16_t*>(buffer);
}

} // namespace

TEST(CheckBoxWinTest, ClicksToggleAndRaiseOneOrTwo) {
    Fixture fixture;
    ASSERT_TRUE(fixture.box->attach(fixture.host.get()));
    const HWND handle = fixture.box->getHandle();
    EXPECT_EQ(CheckBox::kControlId, GetDlgCtrlID(handle));
    EXPECT_EQ(static_cast<LONG_PTR>(BS_AUTOCHECKBOX),
              GetWindowLongPtrW(handle, GWL_STYLE) & BS_TYPEMASK);

    SendMessageW(handle, BM_CLICK, 0, 0);
    EXPECT_TRUE(fixture.box->isChecked());
    EXPECT_EQ(std::vector<int32_t>{1}, fixture.checked.codes);
    SendMessageW(handle, BM_CLICK, 0, 0);
    EXPECT_FALSE(fixture.box->isChecked());
    EXPECT_EQ(std::vector<int32_t>{2}, fixture.unchecked.codes);
}

TEST(CheckBoxWinTest, TheSpaceBarTogglesLikeAClick) {
    Fixture fixture;
    ASSERT_TRUE(fixture.box->attach(fixture.host.get()));
    const HWND handle = fixture.box->getHandle();
    SetFocus(handle);
    PostMessageW(handle, WM_KEYDOWN, VK_SPACE, 0x00390001);
    PostMessageW(handle, WM_KEYUP, VK_SPACE, 0xC0390001);
    EXPECT_TRUE(pumpUntil([&] { return fixture.box->isChecked(); }));
    EXPECT_EQ(std::vector<int32_t>{1}, fixture.checked.codes);
    EXPECT_TRUE(fixture.nativeChecked());
}

TEST(CheckBoxWinTest, SettingTheStateRaisesOnlyOnAChange) {
    Fixture fixture;
    fixture.box->setChecked(false);
    EXPECT_TRUE(fixture.unchecked.codes.empty()) << "already unchecked";
    fixture.box->setChecked(true);
    ASSERT_TRUE(fixture.box->attach(fixture.host.get()));
    EXPECT_TRUE(fixture.nativeChecked()) << "the mark follows the state when attached";
    fixture.box->setChecked(true);
    EXPECT_EQ(std::vector<int32_t>{1}, fixture.checked.codes) << "the same state again: nothing";
    fixture.box->setChecked(false);
    EXPECT_FALSE(fixture.nativeChecked());
    EXPECT_EQ(std::vector<int32_t>{2}, fixture.unchecked.codes);
}

TEST(CheckBoxWinTest, AmpersandsAreShownAsWrittenAndWrapMakesItMultiline) {
    Fixture fixture;
    fixture.box->setText(u"Salt & pepper");
    fixture.box->setWordWrap(true);
    ASSERT_TRUE(fixture.box->attach(fixture.host.get()));
    const HWND handle = fixture.box->getHandle();
    EXPECT_EQ(u"Salt && pepper", nativeText(handle)) << "doubled: no underlined access key";
    EXPECT_EQ(std::u16string(u"Salt & pepper"), fixture.box->getText());
    EXPECT_TRUE((GetWindowLongPtrW(handle, GWL_STYLE) & BS_MULTILINE) != 0);
    const int32_t width = fixture.box->getMinimumWidth();
    fixture.box->setText(u"Salt & pepper & more");
    EXPECT_EQ(u"Salt && pepper && more", nativeText(handle));
    EXPECT_GT(fixture.box->getMinimumWidth(), width);
}

TEST(CheckBoxWinTest, AWheelTurnOutsideGoesOnToTheWindow) {
    Fixture fixture;
    ASSERT_TRUE(fixture.box->attach(fixture.host.get()));
    RECT bounds;
    GetWindowRect(fixture.box->getHandle(), &bounds);
    SendMessageW(fixture.box->getHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA),
                 MAKELPARAM(bounds.left + 2, bounds.top + 2));
    EXPECT_EQ(0, fixture.host.wheels);
    SendMessageW(fixture.box->getHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA),
                 MAKELPARAM(bounds.left + 2, bounds.bottom + 40));
    EXPECT_EQ(1, fixture.host.wheels);
}
