#include "s/gui/win/Window.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <atomic>
#include <string>
#include <vector>

#include "s/gui/menuitem/MenuItem.h"
#include "s/gui/win/PopupMenu.h"
#include "s/gui/win/TrayIcon.h"
#include "s/thread/PoolRef.h"

using s::gui::win::PopupMenu;
using s::gui::win::TrayIcon;
using s::gui::win::Window;
using s::gui::win::WindowEvent;

namespace {

constexpr UINT kTrayMessage = WM_USER + 2;

// Whether the shell knows an icon of this window: only a known icon can be
// modified.
bool shellHasIcon(HWND window) {
    NOTIFYICONDATAW data = {};
    data.cbSize = offsetof(NOTIFYICONDATAW, guidItem) + sizeof(GUID);
    data.hWnd = window;
    data.uID = 0;
    return Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

void deleteFromShell(HWND window) {
    NOTIFYICONDATAW data = {};
    data.cbSize = offsetof(NOTIFYICONDATAW, guidItem) + sizeof(GUID);
    data.hWnd = window;
    data.uID = 0;
    Shell_NotifyIconW(NIM_DELETE, &data);
}

void clickTray(const Window& window, UINT mouseMessage) {
    SendMessageW(window.getHandle(), kTrayMessage, 0, mouseMessage);
}

// The clock the windows of these tests read, set by the tests.
std::atomic<int64_t> fakeNow{0};
int64_t fakeClock() {
    return fakeNow.load();
}
// Far from 0, which stands for "never deactivated".
constexpr int64_t kStart = 1700000000000;

// Counts the tray events; closes the tray menu once it is open.
class TrayRecorder : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject* source, int32_t code) override {
        if (code == static_cast<int32_t>(WindowEvent::TrayLeftClick)) {
            ++leftClicks;
        } else if (code == static_cast<int32_t>(WindowEvent::TrayRightClick)) {
            ++rightClicks;
            // The menu opens after this returns and runs its own loop on this
            // thread, where a thread timer still fires.
            SetTimer(nullptr, 0, 100, &closeMenu);
        }
    }
    static void CALLBACK closeMenu(HWND, UINT, UINT_PTR timer, DWORD) {
        KillTimer(nullptr, timer);
        EndMenu();
    }
    std::atomic<int> leftClicks{0};
    std::atomic<int> rightClicks{0};
};

std::u16string tipOf(const char16_t* text, size_t capacity = TrayIcon::kTipCapacity) {
    std::vector<wchar_t> field(capacity + 4, L'#');
    const size_t written = TrayIcon::copyTip(text, field.data(), capacity);
    // Nothing beyond the field is touched.
    for (size_t i = capacity; i < field.size(); ++i) {
        EXPECT_EQ(L'#', field[i]) << "unit " << i;
    }
    EXPECT_EQ(0, field[written]);
    return std::u16string(reinterpret_cast<const char16_t*>(field.data()), written);
}

} // namespace

TEST(WindowTrayWinTest, ATipLongerThanTheFieldIsCutSafelyAndMarked) {
    const std::u16string fits(127, u'a');
    EXPECT_EQ(fits, tipOf(fits.c_str()));
    const std::u16string tooLong(128, u'b');
    const std::u16string cut = tipOf(tooLong.c_str());
    EXPECT_EQ(127u, cut.size());
    EXPECT_EQ(std::u16string(126, u'b') + u"\u2026", cut);
    EXPECT_EQ(127u, tipOf(std::u16string(400, u'c').c_str()).size());

    // A pair that would straddle the cut is left out whole.
    std::u16string straddling(125, u'd');
    straddling += u"\U0001F600tail";
    EXPECT_EQ(std::u16string(125, u'd') + u"\u2026", tipOf(straddling.c_str()));
    // A pair that ends right at the cut stays.
    std::u16string ending(124, u'e');
    ending += u"\U0001F600tail";
    EXPECT_EQ(std::u16string(124, u'e') + u"\U0001F600\u2026", tipOf(ending.c_str()));

    EXPECT_EQ(u"", tipOf(nullptr));
    EXPECT_EQ(u"", tipOf(u"abc", 1));
    EXPECT_EQ(u"\u2026", tipOf(u"abc", 2));
    EXPECT_EQ(u"ab", tipOf(u"ab", 3));
    EXPECT_EQ(0u, TrayIcon::copyTip(u"abc", nullptr, 8));

    // A window with a title far longer than the tip keeps its icon working.
    auto window = s::thread::PoolRef<Window>::take();
    window->setTrayIcon(true);
    window->setTitle(std::u16string(300, u'f').c_str());
    window->updateTrayIcon();
    EXPECT_TRUE(shellHasIcon(window->getHandle()));
}

TEST(WindowTrayWinTest, TaskbarCreatedAddsAShownIconAgain) {
    auto shown = s::thread::PoolRef<Window>::take();
    auto hidden = s::thread::PoolRef<Window>::take();
    shown->setTitle(u"Tray resident");
    shown->setTrayIcon(true);
    ASSERT_TRUE(shellHasIcon(shown->getHandle()));
    ASSERT_FALSE(shellHasIcon(hidden->getHandle()));

    // The shell restarted: its new taskbar knows no icons and tells every
    // top-level window so.
    deleteFromShell(shown->getHandle());
    ASSERT_FALSE(shellHasIcon(shown->getHandle()));
    const UINT taskbarCreated = RegisterWindowMessageW(L"TaskbarCreated");
    SendMessageW(shown->getHandle(), taskbarCreated, 0, 0);
    SendMessageW(hidden->getHandle(), taskbarCreated, 0, 0);
    EXPECT_TRUE(shellHasIcon(shown->getHandle()));
    EXPECT_TRUE(shown->isTrayIconShown());
    // A window without an icon does not get one.
    EXPECT_FALSE(shellHasIcon(hidden->getHandle()));
    EXPECT_FALSE(hidden->isTrayIconShown());
}

TEST(WindowTrayWinTest, ALeftClickHidesAWindowInFrontAndTheNextOneRestoresIt) {
    // Active: the click iconizes, the next one restores.
    auto window = s::thread::PoolRef<Window>::take();
    TrayRecorder recorder;
    window->addListener(WindowEvent::TrayLeftClick, &recorder);
    window->setActive(true);
    clickTray(*window, WM_LBUTTONDOWN);
    EXPECT_TRUE(window->isIconized());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->isTrayIconShown());
    EXPECT_TRUE(shellHasIcon(window->getHandle()));
    clickTray(*window, WM_LBUTTONDOWN);
    EXPECT_FALSE(window->isIconized());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isTrayIconShown());
    EXPECT_FALSE(shellHasIcon(window->getHandle()));
    EXPECT_EQ(2, recorder.leftClicks.load());
    // Mouse moves and releases over the icon do nothing.
    clickTray(*window, WM_MOUSEMOVE);
    clickTray(*window, WM_LBUTTONUP);
    EXPECT_EQ(2, recorder.leftClicks.load());
    EXPECT_FALSE(window->isIconized());
}

TEST(WindowTrayWinTest, AWindowDeactivatedAtMost150MsBeforeTheClickCountsAsInFront) {
    // The click itself takes the activation away; 149 ms later the window
    // still counts as the one the user saw in front.
    auto recent = s::thread::PoolRef<Window>::take();
    recent->setClock(&fakeClock);
    fakeNow = kStart;
    recent->setActive(true);
    recent->setActive(false);
    fakeNow = kStart + 149;
    clickTray(*recent, WM_LBUTTONDOWN);
    EXPECT_TRUE(recent->isIconized());
    EXPECT_TRUE(recent->isTrayIconShown());

    // 151 ms later it does not: the click brings it forward instead.
    auto older = s::thread::PoolRef<Window>::take();
    TrayRecorder recorder;
    older->addListener(WindowEvent::TrayLeftClick, &recorder);
    older->setClock(&fakeClock);
    fakeNow = kStart;
    older->setActive(true);
    older->setActive(false);
    fakeNow = kStart + 151;
    clickTray(*older, WM_LBUTTONDOWN);
    EXPECT_FALSE(older->isIconized());
    EXPECT_FALSE(older->isTrayIconShown());
    EXPECT_EQ(1, recorder.leftClicks.load());
    // Brought forward, it is active now: the next click hides it.
    fakeNow = kStart + 10000;
    clickTray(*older, WM_LBUTTONDOWN);
    EXPECT_TRUE(older->isIconized());
}

TEST(WindowTrayWinTest, WithTogglingOffALeftClickOnlyReports) {
    auto window = s::thread::PoolRef<Window>::take();
    TrayRecorder recorder;
    window->addListener(WindowEvent::TrayLeftClick, &recorder);
    window->setTrayClickToggles(false);
    window->setActive(true);
    clickTray(*window, WM_LBUTTONDOWN);
    EXPECT_EQ(1, recorder.leftClicks.load());
    EXPECT_FALSE(window->isIconized());
    EXPECT_FALSE(window->isTrayIconShown());
}

TEST(WindowTrayWinTest, ARightClickOpensOnlyATrayMenuThatExists) {
    auto window = s::thread::PoolRef<Window>::take();
    TrayRecorder recorder;
    window->addListener(WindowEvent::TrayRightClick, &recorder);
    window->addListener(WindowEvent::TrayLeftClick, &recorder);
    clickTray(*window, WM_RBUTTONDOWN);
    EXPECT_EQ(0, recorder.rightClicks.load());
    EXPECT_EQ(0, recorder.leftClicks.load());
    EXPECT_EQ(0, window->sendCall(0, 0, 0, 0)); // the window's thread is free

    PopupMenu* menu = PopupMenu::newInstance();
    menu->append(s::gui::menuitem::MenuItem::newText(u"Exit", 100, false));
    window->setTrayMenu(menu);
    // Returns once the menu (closed by the recorder's timer) is gone.
    clickTray(*window, WM_RBUTTONDOWN);
    EXPECT_EQ(1, recorder.rightClicks.load());
    EXPECT_EQ(0, recorder.leftClicks.load());
}

TEST(WindowTrayWinTest, TheIconFollowsItsSwitchesAndTheWindowState) {
    auto window = s::thread::PoolRef<Window>::take();
    const HWND handle = window->getHandle();
    // Always: off does not remove it; closing does.
    window->setTrayIconAlways(true);
    EXPECT_TRUE(shellHasIcon(handle));
    window->setTrayIcon(false);
    EXPECT_TRUE(shellHasIcon(handle));
    window->setTrayIconAlways(false);
    EXPECT_FALSE(shellHasIcon(handle));
    window->setTrayIconAlways(true);
    window->close();
    EXPECT_FALSE(shellHasIcon(handle));
    EXPECT_FALSE(window->isTrayIconShown());

    // Minimizing to the tray iconizes; restoring removes the icon, unless
    // show-tray-icon keeps it.
    auto other = s::thread::PoolRef<Window>::take();
    other->setMinimizeToTray(true);
    other->setVisible(true);
    SendMessageW(other->getHandle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(other->isIconized());
    EXPECT_FALSE(other->isVisible());
    EXPECT_TRUE(shellHasIcon(other->getHandle()));
    other->restore();
    EXPECT_TRUE(other->isVisible());
    EXPECT_FALSE(IsIconic(other->getHandle()));
    EXPECT_FALSE(shellHasIcon(other->getHandle()));
    other->setShowTrayIcon(true);
    EXPECT_TRUE(shellHasIcon(other->getHandle()));
    other->iconize();
    other->restore();
    EXPECT_TRUE(shellHasIcon(other->getHandle()));
    // Turning always off leaves an icon that show-tray-icon asks for.
    other->setTrayIconAlways(true);
    other->setTrayIconAlways(false);
    EXPECT_TRUE(shellHasIcon(other->getHandle()));
    other->setShowTrayIcon(false);
    EXPECT_FALSE(shellHasIcon(other->getHandle()));

    // Given back, a window takes its icon along.
    other->setTrayIconAlways(true);
    const HWND otherHandle = other->getHandle();
    other.assign(nullptr);
    EXPECT_FALSE(shellHasIcon(otherHandle));
}
