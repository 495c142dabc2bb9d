#include "s/gui/win/Window.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "s/gui/menuitem/MenuItem.h"
#include "s/gui/win/Box.h"
#include "s/gui/win/PopupMenu.h"
#include "s/thread/PoolRef.h"

using s::gui::win::Box;
using s::gui::win::PopupMenu;
using s::gui::win::Window;
using s::gui::win::WindowEvent;

namespace {

// Records the events it receives and the thread they arrive on; can veto
// closes and answer calls.
class Recorder : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject* source, int32_t code) override {
        codes.push_back(code);
        threadId = GetCurrentThreadId();
        auto* window = static_cast<Window*>(source);
        if (code == static_cast<int32_t>(WindowEvent::Close) && vetoes > 0) {
            --vetoes;
            window->vetoClose();
        }
        if (code == static_cast<int32_t>(WindowEvent::Call)) {
            lastValues[0] = window->getCallValue1();
            lastValues[3] = window->getCallValue4();
            if (answer != 0) {
                window->setCallResult(answer);
            }
        }
    }
    int count(WindowEvent code) const {
        int n = 0;
        for (int32_t c : codes) {
            n += c == static_cast<int32_t>(code);
        }
        return n;
    }

    std::vector<int32_t> codes;
    DWORD threadId = 0;
    int vetoes = 0;
    intptr_t answer = 0;
    intptr_t lastValues[4] = {};
};

} // namespace

TEST(WindowWinTest, CloseRaisesOnceAndAVetoKeepsTheWindowOpen) {
    auto window = s::thread::PoolRef<Window>::take();
    ASSERT_NE(nullptr, window->getHandle());
    Recorder recorder;
    recorder.vetoes = 1;
    window->addListener(WindowEvent::Close, &recorder);
    window->setVisible(true);
    EXPECT_TRUE(window->isVisible());

    window->close();
    EXPECT_FALSE(window->isClosed());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(1, recorder.count(WindowEvent::Close));

    window->close();
    EXPECT_TRUE(window->isClosed());
    EXPECT_FALSE(window->isVisible());
    window->close();
    EXPECT_EQ(2, recorder.count(WindowEvent::Close)); // the closed window stays quiet
    window->waitClosed();
}

TEST(WindowWinTest, SendCallRunsOnTheWindowThreadAndKeepsTheLastResult) {
    auto window = s::thread::PoolRef<Window>::take();
    Recorder recorder;
    window->addListener(WindowEvent::Call, &recorder);
    static const char16_t* const kName = u"Show";

    recorder.answer = 42;
    EXPECT_EQ(42, window->sendCall(reinterpret_cast<intptr_t>(kName), 0, 0, 7));
    EXPECT_EQ(reinterpret_cast<intptr_t>(kName), recorder.lastValues[0]);
    EXPECT_EQ(7, recorder.lastValues[3]);
    EXPECT_NE(GetCurrentThreadId(), recorder.threadId);
    EXPECT_EQ(GetWindowThreadProcessId(window->getHandle(), nullptr), recorder.threadId);

    // A call whose listeners set no result answers the previous result.
    recorder.answer = 0;
    EXPECT_EQ(42, window->sendCall(1, 2, 3, 4));
    EXPECT_EQ(2, recorder.count(WindowEvent::Call));
}

TEST(WindowWinTest, BoundsAndKeepOnTopReachTheNativeWindow) {
    auto window = s::thread::PoolRef<Window>::take();
    window->setKeepOnTop(true);
    window->setNativeFrame(false);
    window->setBounds(10, 20, 300, 200);
    EXPECT_EQ(10, window->getX());
    EXPECT_EQ(20, window->getY());
    EXPECT_EQ(300, window->getWidth());
    EXPECT_EQ(200, window->getHeight());
    // No system frame: the whole window is client area.
    EXPECT_EQ(300, window->getClientWidth());
    EXPECT_NE(0, GetWindowLongPtrW(window->getHandle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    // Minimizing a hidden window keeps it hidden.
    window->minimize();
    EXPECT_FALSE(IsWindowVisible(window->getHandle()));
}

namespace {

// Counts calls from the window's thread; can add another listener while it
// is told.
class CallCounter : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject* source, int32_t code) override {
        calls.fetch_add(1);
        if (joiner != nullptr) {
            static_cast<Window*>(source)->addListener(WindowEvent::Call, joiner);
            joiner = nullptr;
        }
    }
    std::atomic<int> calls{0};
    s::gui::events::IEventListener* joiner = nullptr;
};

} // namespace

TEST(WindowWinTest, ListenersAddedFromAnotherThreadWhileTheWindowDeliversAreCalled) {
    auto window = s::thread::PoolRef<Window>::take();
    ASSERT_NE(nullptr, window->getHandle());
    // Added during a delivery: called in that same pass.
    CallCounter first;
    CallCounter late;
    first.joiner = &late;
    window->addListener(WindowEvent::Call, &first);
    window->sendCall(1, 0, 0, 0);
    EXPECT_EQ(1, first.calls.load());
    EXPECT_EQ(1, late.calls.load());

    // A client thread keeps the window delivering while another adds
    // listeners, as the magnifier does after its window is shown; the list
    // grows many times during deliveries.
    constexpr int kAdded = 600;
    std::vector<std::unique_ptr<CallCounter>> added;
    for (int i = 0; i < kAdded; ++i) {
        added.push_back(std::make_unique<CallCounter>());
    }
    std::atomic<bool> adding{true};
    std::thread caller([&] {
        while (adding.load()) {
            window->sendCall(2, 0, 0, 0);
        }
    });
    std::thread adder([&] {
        for (auto& listener : added) {
            window->addListener(WindowEvent::Call, listener.get());
        }
    });
    adder.join();
    adding = false;
    caller.join();
    std::vector<int> before;
    for (auto& listener : added) {
        before.push_back(listener->calls.load());
    }
    window->sendCall(3, 0, 0, 0);
    for (int i = 0; i < kAdded; ++i) {
        EXPECT_EQ(before[i] + 1, added[i]->calls.load()) << "listener " << i;
    }
}

TEST(WindowWinTest, TheWindowGivesItsBoxesAndMenusBackOnItsOwnThread) {
    Window* window = Window::newInstance();
    ASSERT_NE(nullptr, window->getHandle());
    Box* box = Box::newInstance();
    box->setWidthPercent(100, false);
    box->setHeightPercent(100, false);
    window->add(box);
    const HWND boxHandle = box->getHandle();
    ASSERT_NE(nullptr, boxHandle);
    EXPECT_EQ(GetWindowThreadProcessId(window->getHandle(), nullptr),
              GetWindowThreadProcessId(boxHandle, nullptr));
    PopupMenu* menu = PopupMenu::newInstance();
    PopupMenu* submenu = PopupMenu::newInstance();
    submenu->append(s::gui::menuitem::MenuItem::newText(u"Inner", 7, false));
    submenu->setTitle(u"Sub");
    menu->appendSubmenu(submenu);
    window->setTrayMenu(menu);
    const HWND windowHandle = window->getHandle();

    window->release();
    EXPECT_FALSE(IsWindow(windowHandle));
    EXPECT_FALSE(IsWindow(boxHandle));
    // Back in their pools, most recent last: the root menu went back after
    // the submenu it gave back, and both are empty again.
    s::thread::PoolRef<PopupMenu> again = s::thread::PoolRef<PopupMenu>::take();
    s::thread::PoolRef<PopupMenu> againSub = s::thread::PoolRef<PopupMenu>::take();
    EXPECT_EQ(menu, again.get());
    EXPECT_EQ(submenu, againSub.get());
    EXPECT_FALSE(again->contains(7));
    EXPECT_FALSE(againSub->contains(7));
    s::thread::PoolRef<Box> boxAgain = s::thread::PoolRef<Box>::take();
    EXPECT_EQ(box, boxAgain.get());
    EXPECT_EQ(nullptr, boxAgain->getHandle());
}

TEST(WindowWinTest, AChildWindowIsDestroyedOnItsOwnThreadWhoeverAsks) {
    auto window = s::thread::PoolRef<Window>::take();
    Box* box = Box::newInstance();
    window->add(box);
    const HWND boxHandle = box->getHandle();
    ASSERT_TRUE(IsWindow(boxHandle));
    // This thread did not make the child window; resetting the box from here
    // must still destroy it, while its parent lives on.
    box->reset();
    EXPECT_EQ(nullptr, box->getHandle());
    EXPECT_FALSE(IsWindow(boxHandle));
    EXPECT_TRUE(IsWindow(window->getHandle()));
}

TEST(WindowWinTest, TheWindowOwnsItsIconAndDestroysTheOneItReplaces) {
    auto window = s::thread::PoolRef<Window>::take();
    const HICON first = CreateIcon(nullptr, 16, 16, 1, 1, std::vector<BYTE>(32, 0xFF).data(),
                                   std::vector<BYTE>(32, 0).data());
    const HICON second = CopyIcon(first);
    ASSERT_NE(nullptr, first);
    ASSERT_NE(nullptr, second);
    ICONINFO info;
    window->setSmallIcon(s::platform::win::OwnedIcon(first));
    EXPECT_EQ(reinterpret_cast<LRESULT>(first),
              SendMessageW(window->getHandle(), WM_GETICON, ICON_SMALL, 0));
    window->setSmallIcon(s::platform::win::OwnedIcon(second));
    EXPECT_EQ(reinterpret_cast<LRESULT>(second),
              SendMessageW(window->getHandle(), WM_GETICON, ICON_SMALL, 0));
    EXPECT_FALSE(GetIconInfo(first, &info));
    window.assign(nullptr);
    EXPECT_FALSE(GetIconInfo(second, &info));
}
