// The window's events beyond the basic protocols: creation styles, posted
// calls, user timers, the clipboard chain, double clicks, size notifications,
// the context menu, closers and the end of the session.
#include "s/gui/win/Window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

#include "s/gui/menuitem/MenuItem.h"
#include "s/gui/win/Box.h"
#include "s/gui/win/PopupMenu.h"
#include "s/thread/PoolRef.h"
#include "tests/s/gui/win/EventCounter.h"

using s::gui::win::PopupMenu;
using s::gui::win::Window;
using s::gui::win::WindowEvent;
using s::thread::PoolRef;

namespace {

// Waits (up to 5 s) until the condition holds.
template <class Condition> bool waitUntil(Condition condition) {
    for (int i = 0; i < 500 && !condition(); ++i) {
        Sleep(10);
    }
    return condition();
}

bool setClipboardText(const wchar_t* text) {
    if (!OpenClipboard(nullptr)) {
        return false;
    }
    EmptyClipboard();
    const size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    return set;
}

// A stand-in for a Close button: any library object can be a closer.
class FakeButton : public s::base::IObject {
public:
    const char16_t* getClassName() const override { return u"tests_FakeButton"; }
    s::base::IObject* newObject() const override { return nullptr; }
};

} // namespace

TEST(WindowEventsWinTest, ANewWindowIsFramedAndItsOwnerStaysOutOfTheTaskbar) {
    auto window = PoolRef<Window>::take();
    const HWND handle = window->getHandle();
    ASSERT_NE(nullptr, handle);
    EXPECT_EQ(static_cast<LONG_PTR>(WS_OVERLAPPEDWINDOW),
              GetWindowLongPtrW(handle, GWL_STYLE) & WS_OVERLAPPEDWINDOW);
    EXPECT_NE(0, GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(std::u16string(u"Window"), std::u16string(window->getTitle()));
    EXPECT_EQ(240, window->getWidth());
    EXPECT_EQ(120, window->getHeight());
    const HWND owner = GetWindow(handle, GW_OWNER);
    ASSERT_NE(nullptr, owner);
    EXPECT_NE(0, GetWindowLongPtrW(owner, GWL_STYLE) & WS_POPUP);
    EXPECT_NE(0, GetWindowLongPtrW(owner, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(0, GetWindowLongPtrW(owner, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    // Without its frame the whole window is client area, as the lens needs.
    window->setNativeFrame(false);
    window->setBounds(10, 20, 300, 200);
    EXPECT_EQ(0, GetWindowLongPtrW(handle, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_EQ(0, GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(300, window->getClientWidth());
    EXPECT_EQ(200, window->getClientHeight());
}

TEST(WindowEventsWinTest, APostedCallCarriesACopyOfItsValuesToTheWindowThread) {
    auto window = PoolRef<Window>::take();
    EventCounter counter;
    std::atomic<intptr_t> seen[4] = {};
    std::atomic<DWORD> thread{0};
    counter.action = [&](Window* source, int32_t code) {
        seen[0] = source->getCallValue1();
        seen[3] = source->getCallValue4();
        thread = GetCurrentThreadId();
    };
    window->addListener(WindowEvent::Call, &counter);
    {
        // The caller's values are gone before the window reads them.
        intptr_t values[4] = {11, 22, 33, 44};
        ASSERT_TRUE(window->postCall(values[0], values[1], values[2], values[3]));
        values[0] = values[3] = 0;
    }
    ASSERT_TRUE(counter.waitFor(WindowEvent::Call));
    EXPECT_EQ(11, seen[0].load());
    EXPECT_EQ(44, seen[3].load());
    EXPECT_EQ(GetWindowThreadProcessId(window->getHandle(), nullptr), thread.load());
}

TEST(WindowEventsWinTest, ATimerStartedTwiceRunsWithTheLastPeriodAndLowIdsNeverReachCode26) {
    auto window = PoolRef<Window>::take();
    EventCounter counter;
    std::atomic<int32_t> lastId{-1};
    counter.action = [&](Window* source, int32_t code) {
        lastId = source->getTimerId();
        source->markTimerHandled();
    };
    window->addListener(WindowEvent::Timer, &counter);

    EXPECT_FALSE(window->startTimer(-1, 10)); // would be one of the window's own ids
    // A period of a day, then a short one: only the short one can fire.
    ASSERT_TRUE(window->startTimer(5, 24 * 60 * 60 * 1000));
    ASSERT_TRUE(window->startTimer(5, 10));
    ASSERT_TRUE(counter.waitFor(WindowEvent::Timer, 3));
    EXPECT_EQ(5, lastId.load());
    window->stopTimer(5);
    // Stopped once, gone: the next call is handled after any tick that was
    // already queued, so the count holds still from there on.
    window->sendCall(0, 0, 0, 0);
    const int stopped = counter.count(WindowEvent::Timer);
    Sleep(100);
    window->sendCall(0, 0, 0, 0);
    EXPECT_EQ(stopped, counter.count(WindowEvent::Timer));

    // Native ids below 10000 are the window's own; 10007 is user timer 7.
    SendMessageW(window->getHandle(), WM_TIMER, 9999, 0);
    SendMessageW(window->getHandle(), WM_TIMER, 3, 0);
    EXPECT_EQ(stopped, counter.count(WindowEvent::Timer));
    SendMessageW(window->getHandle(), WM_TIMER, 10007, 0);
    EXPECT_EQ(stopped + 1, counter.count(WindowEvent::Timer));
    EXPECT_EQ(7, lastId.load());
}

TEST(WindowEventsWinTest, ClipboardViewersHearOfChangesAlongTheChainUntilTheyLeave) {
    auto first = PoolRef<Window>::take();
    auto second = PoolRef<Window>::take();
    EventCounter firstCounter;
    EventCounter secondCounter;
    first->addListener(WindowEvent::ClipboardChanged, &firstCounter);
    first->addListener(WindowEvent::Call, &firstCounter);
    second->addListener(WindowEvent::ClipboardChanged, &secondCounter);
    first->setClipboardViewer(true);
    second->setClipboardViewer(true); // first in the chain, passes changes on to `first`
    const int firstJoined = firstCounter.count(WindowEvent::ClipboardChanged);
    const int secondJoined = secondCounter.count(WindowEvent::ClipboardChanged);

    ASSERT_TRUE(setClipboardText(L"one"));
    EXPECT_TRUE(secondCounter.waitFor(WindowEvent::ClipboardChanged, secondJoined + 1));
    EXPECT_TRUE(firstCounter.waitFor(WindowEvent::ClipboardChanged, firstJoined + 1));

    // `first` leaves: the chain is mended around it and it hears no more.
    first->setClipboardViewer(false);
    const int firstLeft = firstCounter.count(WindowEvent::ClipboardChanged);
    const int secondBefore = secondCounter.count(WindowEvent::ClipboardChanged);
    ASSERT_TRUE(setClipboardText(L"two"));
    EXPECT_TRUE(secondCounter.waitFor(WindowEvent::ClipboardChanged, secondBefore + 1));
    // Anything passed on to `first` was posted before this call.
    first->postCall(0, 0, 0, 0);
    ASSERT_TRUE(firstCounter.waitFor(WindowEvent::Call));
    EXPECT_EQ(firstLeft, firstCounter.count(WindowEvent::ClipboardChanged));
    second->setClipboardViewer(false);
}

TEST(WindowEventsWinTest, DoubleClicksRaise16AndReachTheSystemOnlyWhenPassedOn) {
    auto window = PoolRef<Window>::take();
    EventCounter counter;
    counter.listenTo(*window);
    const HWND handle = window->getHandle();
    window->setVisible(true);

    // Kept: a double click on the caption does not maximize.
    window->setPassDoubleClicks(false);
    SendMessageW(handle, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_EQ(1, counter.count(WindowEvent::DoubleClick));
    EXPECT_FALSE(IsZoomed(handle));
    EXPECT_FALSE(window->isMaximized());

    // Passed on: the system maximizes, and a restore raises 21.
    window->setPassDoubleClicks(true);
    SendMessageW(handle, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    EXPECT_EQ(2, counter.count(WindowEvent::DoubleClick));
    ASSERT_TRUE(waitUntil([&] { return IsZoomed(handle) != FALSE; }));
    EXPECT_TRUE(window->isMaximized());
    const int restoredBefore = counter.count(WindowEvent::Restored);
    const int sizedBefore = counter.count(WindowEvent::SizeChanged);
    ShowWindow(handle, SW_RESTORE);
    EXPECT_FALSE(window->isMaximized());
    EXPECT_EQ(restoredBefore + 1, counter.count(WindowEvent::Restored));
    EXPECT_LT(sizedBefore, counter.count(WindowEvent::SizeChanged));

    // Out of the minimized state as well.
    ShowWindow(handle, SW_MINIMIZE);
    const int restoredMinimized = counter.count(WindowEvent::Restored);
    ShowWindow(handle, SW_RESTORE);
    EXPECT_EQ(restoredMinimized + 1, counter.count(WindowEvent::Restored));
}

TEST(WindowEventsWinTest, TheRightButtonRaises19BeforeTheContextMenuOpensAtTheCursor) {
    auto window = PoolRef<Window>::take();
    EventCounter counter;
    std::atomic<int> rightDownFirst{0};
    counter.action = [&](Window* source, int32_t code) {
        if (code == static_cast<int32_t>(WindowEvent::ContextMenu)) {
            rightDownFirst = counter.count(WindowEvent::RightDown);
            // The menu opens after the listeners; a cancel waiting in the
            // queue ends it as soon as its loop runs.
            PostMessageW(source->getHandle(), WM_CANCELMODE, 0, 0);
        }
    };
    window->addListener(WindowEvent::RightDown, &counter);
    window->addListener(WindowEvent::ContextMenu, &counter);
    window->setVisible(true, true);

    // Without a context menu only code 3.
    SendMessageW(window->getHandle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(1, counter.count(WindowEvent::RightDown));
    EXPECT_EQ(0, counter.count(WindowEvent::ContextMenu));

    PopupMenu* menu = PopupMenu::newInstance();
    menu->append(s::gui::menuitem::MenuItem::newText(u"Item", 3, false));
    window->setContextMenu(menu, true);
    PostMessageW(window->getHandle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(counter.waitFor(WindowEvent::ContextMenu));
    EXPECT_EQ(2, rightDownFirst.load());
    // The menu closed again: the window answers calls.
    window->sendCall(0, 0, 0, 0);
}

TEST(WindowEventsWinTest, ClosersCloseTheWindowAndOtherSourcesDoNot) {
    auto window = PoolRef<Window>::take();
    FakeButton closeButton;
    FakeButton otherButton;
    window->addCloser(&closeButton);
    window->setVisible(true);
    window->onEvent(&otherButton, 0);
    EXPECT_FALSE(window->isClosed());
    window->onEvent(&closeButton, 0);
    EXPECT_TRUE(window->isClosed());
    EXPECT_FALSE(window->isVisible());
}

TEST(WindowEventsWinTest,
     EnterIsReportedLikeAnyKeyButKeptFromTheSystemAndALongTitleFitsTheTrayTip) {
    auto window = PoolRef<Window>::take();
    EventCounter counter;
    window->addListener(WindowEvent::KeyDown, &counter);
    SendMessageW(window->getHandle(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(VK_RETURN, window->getLastKey());
    SendMessageW(window->getHandle(), WM_KEYDOWN, 'A', 0);
    EXPECT_EQ('A', window->getLastKey());
    EXPECT_EQ(2, counter.count(WindowEvent::KeyDown));
    // Enter is kept from the system (no beep); other keys go on to it.
    LRESULT result = -1;
    EXPECT_TRUE(window->handleMessage(&result, WM_KEYDOWN, VK_RETURN, 0));
    EXPECT_FALSE(window->handleMessage(&result, WM_KEYDOWN, 'A', 0));
    EXPECT_FALSE(window->handleMessage(&result, WM_KEYDOWN, VK_ESCAPE, 0));
    // Dialog keys all come to the window.
    EXPECT_NE(0, SendMessageW(window->getHandle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTALLKEYS);

    window->setTrayIcon(true);
    const std::u16string longTitle(300, u'x');
    window->setTitle(longTitle.c_str());
    EXPECT_EQ(longTitle, std::u16string(window->getTitle()));
    EXPECT_TRUE(window->isTrayIconShown());
}

TEST(WindowEventsWinTest, SuspendAndResumeAreTracked) {
    auto window = PoolRef<Window>::take();
    SendMessageW(window->getHandle(), WM_POWERBROADCAST, 4, 0);
    EXPECT_TRUE(window->isSuspended());
    SendMessageW(window->getHandle(), WM_POWERBROADCAST, 18, 0);
    EXPECT_FALSE(window->isSuspended());
    SendMessageW(window->getHandle(), WM_POWERBROADCAST, 4, 0);
    SendMessageW(window->getHandle(), WM_POWERBROADCAST, 7, 0);
    EXPECT_FALSE(window->isSuspended());
}

namespace {

// Notes the command the menu tells of.
class Picked : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject* source, int32_t code) override {
        selected = static_cast<PopupMenu*>(source)->getSelectedId();
    }
    std::atomic<int32_t> selected{-1};
};

} // namespace

TEST(WindowEventsWinTest, MenuCommandsReachTheMenuBarAndTheStatusBarKeepsToTheBottom) {
    auto window = PoolRef<Window>::take();
    window->setNativeFrame(false);
    PopupMenu* bar = PopupMenu::newInstance();
    bar->append(s::gui::menuitem::MenuItem::newText(u"Open", 41, false));
    Picked picked;
    bar->addListener(&picked);
    window->setMenuBar(bar);
    EXPECT_NE(nullptr, GetMenu(window->getHandle()));
    // A control's notification (code above the id word) is no command.
    SendMessageW(window->getHandle(), WM_COMMAND, MAKEWPARAM(41, 1), 0);
    EXPECT_EQ(-1, picked.selected.load());
    SendMessageW(window->getHandle(), WM_COMMAND, 41, 0);
    EXPECT_EQ(41, picked.selected.load());
    // The bar was made again for the picked command; the window lives on.
    EXPECT_TRUE(IsWindow(window->getHandle()));
    EXPECT_NE(nullptr, GetMenu(window->getHandle()));
    s::gui::win::Box* status = s::gui::win::Box::newInstance();
    window->setStatusBar(status);
    status->setBounds(0, 0, 10, 20);
    window->setMenuBar(nullptr);
    window->setBounds(0, 0, 300, 200);
    RECT bounds;
    ASSERT_TRUE(GetWindowRect(status->getHandle(), &bounds));
    MapWindowPoints(nullptr, window->getHandle(), reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_EQ(0, bounds.left);
    EXPECT_EQ(180, bounds.top);
    EXPECT_EQ(300, bounds.right);
    EXPECT_EQ(200, bounds.bottom);
}
