#include "s/platform/win/NativeWindow.h"

#include <gtest/gtest.h>

#include "tests/s/gui/win/BoxClicker.h"

using s::platform::win::NativeWindow;

TEST(NativeWindowWinTest, AWindowThatCannotBeCreatedIsReportedInAnErrorBoxWithoutOwner) {
    NativeWindow wrapper;
    // A child of a window that does not exist cannot be made.
    const HWND noSuchParent = reinterpret_cast<HWND>(static_cast<intptr_t>(0x7ffffff0));
    boxclicker::clear();
    boxclicker::arm(IDOK);
    EXPECT_FALSE(wrapper.create(0, L"child", WS_CHILD, 0, 0, 10, 10, noSuchParent));
    EXPECT_EQ(nullptr, wrapper.getNativeHandle());
    const boxclicker::Seen seen = boxclicker::seenOn(GetCurrentThreadId());
    EXPECT_EQ(1, seen.boxes);
    EXPECT_EQ(u"Error!", seen.caption);
    EXPECT_EQ(u"Window Creation Failed!", seen.text);

    // The class itself was registered: a window of it can be made.
    EXPECT_TRUE(wrapper.create(0, L"top", WS_POPUP, 0, 0, 10, 10, nullptr));
    wrapper.destroy();
}
