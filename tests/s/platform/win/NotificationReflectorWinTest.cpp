#include "s/platform/win/NotificationReflector.h"

#include <gtest/gtest.h>

#include <vector>

#include "s/platform/win/NativeWindow.h"

using s::platform::win::NativeWindow;

namespace {

// A window of the toolkit's class that records the messages it sees, leaves
// them to the class's default processing, and answers the reflected ones
// with `answer`.
class Recording : public NativeWindow {
public:
    explicit Recording(HWND parent = nullptr) {
        create(0, L"", parent != nullptr ? WS_CHILD : WS_POPUP, 0, 0, 50, 50, parent);
    }
    ~Recording() override { destroy(); }
    int count(UINT message) const {
        int seen = 0;
        for (UINT each : messages) {
            seen += each == message;
        }
        return seen;
    }

    std::vector<UINT> messages;
    std::vector<WPARAM> activations;
    LRESULT answer = 0;

protected:
    bool handleNativeMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) override {
        messages.push_back(message);
        if (message == WM_ACTIVATE) {
            activations.push_back(wParam);
        }
        if (message >= WM_APP + 3 && message <= WM_APP + 21) {
            *result = answer;
            return true;
        }
        return false;
    }
};

LRESULT command(HWND parent, HWND control, WORD code) {
    return SendMessageW(parent, WM_COMMAND, MAKEWPARAM(1000, code),
                        reinterpret_cast<LPARAM>(control));
}

LRESULT notify(HWND parent, HWND control, int32_t code) {
    NMHDR header = {};
    header.hwndFrom = control;
    header.idFrom = 1000;
    header.code = static_cast<UINT>(code);
    return SendMessageW(parent, WM_NOTIFY, 1000, reinterpret_cast<LPARAM>(&header));
}

} // namespace

TEST(NotificationReflectorWinTest, CommandsAndNotificationsGoBackToTheControlThatSentThem) {
    Recording parent;
    Recording control(parent.getNativeHandle());
    const HWND from = control.getNativeHandle();
    control.answer = 77;

    const struct {
        WORD code;
        UINT reflected;
    } commands[] = {{0, WM_APP + 4},  {1, WM_APP + 10},     {5, WM_APP + 5},     {7, WM_APP + 15},
                    {8, WM_APP + 16}, {0x200, WM_APP + 21}, {0x300, WM_APP + 12}};
    for (const auto& each : commands) {
        EXPECT_EQ(0, command(parent.getNativeHandle(), from, each.code)) << each.code;
        EXPECT_EQ(1, control.count(each.reflected)) << each.code;
    }
    // An unknown code and a menu command (no control) stay with the parent.
    const size_t before = control.messages.size();
    command(parent.getNativeHandle(), from, 2);
    command(parent.getNativeHandle(), nullptr, 0);
    EXPECT_EQ(before, control.messages.size());

    // Some notifications pass the control's answer back, others answer 0.
    EXPECT_EQ(0, notify(parent.getNativeHandle(), from, -101));
    EXPECT_EQ(1, control.count(WM_APP + 6));
    EXPECT_EQ(77, notify(parent.getNativeHandle(), from, -176));
    EXPECT_EQ(1, control.count(WM_APP + 9));
    EXPECT_EQ(77, notify(parent.getNativeHandle(), from, -100));
    EXPECT_EQ(1, control.count(WM_APP + 19));
    notify(parent.getNativeHandle(), from, -2);
    EXPECT_EQ(0, control.count(WM_APP + 20));

    // Colour requests answer what the control answers (its brush).
    EXPECT_EQ(77, SendMessageW(parent.getNativeHandle(), WM_CTLCOLORBTN, 0,
                               reinterpret_cast<LPARAM>(from)));
    EXPECT_EQ(77, SendMessageW(parent.getNativeHandle(), WM_CTLCOLORSTATIC, 0,
                               reinterpret_cast<LPARAM>(from)));
    EXPECT_EQ(2, control.count(WM_APP + 3));

    SendMessageW(parent.getNativeHandle(), WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(from));
    EXPECT_EQ(1, control.count(WM_HSCROLL)); // the control's own default does not echo it
    // A control naming itself is not answered by itself over and over.
    command(from, from, 0);
    EXPECT_EQ(1, control.count(WM_APP + 4));
}

TEST(NotificationReflectorWinTest, TheClassActivatesOnClicksForwardsPopupsAndClosesOnDestroy) {
    Recording window;
    Recording target;
    const HWND handle = window.getNativeHandle();

    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_FALSE(window.activations.empty());
    EXPECT_EQ(static_cast<WPARAM>(WA_CLICKACTIVE), window.activations.front());
    window.activations.clear();
    SendMessageW(handle, WM_INITMENU, 0, 0);
    ASSERT_FALSE(window.activations.empty());
    EXPECT_EQ(static_cast<WPARAM>(WA_CLICKACTIVE), window.activations.front());

    // A popup whose menu data names a live window is announced to it.
    HMENU menu = CreatePopupMenu();
    MENUINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    info.dwMenuData = reinterpret_cast<ULONG_PTR>(target.getNativeHandle());
    ASSERT_TRUE(SetMenuInfo(menu, &info));
    SendMessageW(handle, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    EXPECT_EQ(1, target.count(WM_INITMENUPOPUP));
    // One naming the window itself goes no further (no endless round).
    info.dwMenuData = reinterpret_cast<ULONG_PTR>(handle);
    SetMenuInfo(menu, &info);
    SendMessageW(handle, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    EXPECT_EQ(2, window.count(WM_INITMENUPOPUP)); // once per send, not echoed
    EXPECT_EQ(1, target.count(WM_INITMENUPOPUP));
    DestroyMenu(menu);

    // The destroy message becomes a close, whose system default destroys.
    SendMessageW(handle, WM_APP + 1, 0, 0);
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(nullptr, window.getNativeHandle());
}
