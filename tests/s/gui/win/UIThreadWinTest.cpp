#include "s/gui/win/UIThread.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <windows.h>

#include <atomic>
#include <cstdint>

namespace {

using s::gui::win::UIThread;

constexpr UINT kCountMessage = WM_APP + 5;
constexpr UINT kMarkMessage = WM_APP + 6;
constexpr UINT kBlockMessage = WM_APP + 7;
constexpr int kQuitCode = 7;

// What the test window's procedure saw; one instance per test.
struct WindowLog {
    std::atomic<int> counted{0};
    std::atomic<DWORD> countedOnThread{0};
    HANDLE marked = nullptr;  // set when kMarkMessage arrives
    HANDLE blocker = nullptr; // kBlockMessage waits on it
};

LRESULT CALLBACK testWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* log = reinterpret_cast<WindowLog*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case kCountMessage:
        log->counted.fetch_add(1);
        log->countedOnThread.store(GetCurrentThreadId());
        return 0;
    case kMarkMessage:
        SetEvent(log->marked);
        return 0;
    case kBlockMessage:
        WaitForSingleObject(log->blocker, INFINITE);
        return 0;
    case WM_DESTROY:
        // A window whose destruction ends its thread.
        PostQuitMessage(kQuitCode);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Built on the UI thread by its init function.
struct Fixture {
    WindowLog log;
    HWND window = nullptr;
    DWORD initThread = 0;
    HRESULT comState = E_FAIL;
    bool initAnswer = true;
};

bool createTestWindow(void* context) {
    auto* fixture = static_cast<Fixture*>(context);
    fixture->initThread = GetCurrentThreadId();
    // S_FALSE: this thread already is a single-threaded apartment.
    fixture->comState = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(fixture->comState)) {
        CoUninitialize();
    }
    if (!fixture->initAnswer) {
        return false;
    }
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &testWindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"UIThreadWinTestWindow";
    RegisterClassExW(&windowClass); // a second registration fails harmlessly
    fixture->window =
        CreateWindowExW(0, L"UIThreadWinTestWindow", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                        nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (fixture->window == nullptr) {
        return false;
    }
    SetWindowLongPtrW(fixture->window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&fixture->log));
    return true;
}

std::intptr_t currentThreadId(void*) {
    return static_cast<std::intptr_t>(GetCurrentThreadId());
}

} // namespace

TEST(UIThreadWinTest, RunsItsInitOnItsOwnThreadWithComAndServesSynchronousCalls) {
    Fixture fixture;
    UIThread ui;
    EXPECT_FALSE(ui.call(&currentThreadId, nullptr)); // not started: nowhere to run
    ASSERT_TRUE(ui.start(&createTestWindow, &fixture));
    EXPECT_TRUE(ui.isRunning());
    EXPECT_NE(0u, ui.getThreadId());
    EXPECT_NE(GetCurrentThreadId(), ui.getThreadId());
    EXPECT_EQ(ui.getThreadId(), fixture.initThread);
    EXPECT_EQ(S_FALSE, fixture.comState);
    EXPECT_NE(nullptr, fixture.window);
    EXPECT_FALSE(ui.start(&createTestWindow, &fixture)); // started once only

    std::intptr_t result = 0;
    ASSERT_TRUE(ui.call(&currentThreadId, nullptr, &result));
    EXPECT_EQ(static_cast<std::intptr_t>(ui.getThreadId()), result);

    // A callable, and a call made from the thread itself (runs directly).
    DWORD innerThread = 0;
    bool innerCalled = false;
    auto nested = [&] {
        std::intptr_t inner = 0;
        innerCalled = ui.call(&currentThreadId, nullptr, &inner);
        innerThread = static_cast<DWORD>(inner);
    };
    ASSERT_TRUE(ui.invoke(nested));
    EXPECT_TRUE(innerCalled);
    EXPECT_EQ(ui.getThreadId(), innerThread);

    EXPECT_TRUE(ui.stop());
    EXPECT_FALSE(ui.isRunning());
    EXPECT_FALSE(ui.call(&currentThreadId, nullptr));
}

TEST(UIThreadWinTest, PumpsPostedMessagesInOrderAndEndsWhenItsWindowIsDestroyed) {
    Fixture fixture;
    fixture.log.marked = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    UIThread ui;
    ASSERT_TRUE(ui.start(&createTestWindow, &fixture));

    constexpr int kPosted = 200;
    for (int i = 0; i < kPosted; ++i) {
        ASSERT_TRUE(PostMessageW(fixture.window, kCountMessage, 0, 0));
    }
    // Posted messages are handled in order: the mark comes after all counts.
    ASSERT_TRUE(PostMessageW(fixture.window, kMarkMessage, 0, 0));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(fixture.log.marked, 10000));
    EXPECT_EQ(kPosted, fixture.log.counted.load());
    EXPECT_EQ(ui.getThreadId(), fixture.log.countedOnThread.load());

    // Destroying the window (on its thread) quits the loop with its code.
    HWND window = fixture.window;
    ASSERT_TRUE(ui.invoke([window] { DestroyWindow(window); }));
    ASSERT_TRUE(ui.join(10000));
    EXPECT_FALSE(ui.isRunning());
    DWORD exitCode = 0;
    ASSERT_TRUE(GetExitCodeThread(ui.getHandle(), &exitCode));
    EXPECT_EQ(static_cast<DWORD>(kQuitCode), exitCode);
    EXPECT_TRUE(ui.stop()); // already ended: nothing to do
    CloseHandle(fixture.log.marked);
}

TEST(UIThreadWinTest, FailedInitEndsTheThreadAndAStuckThreadIsSuspendedOnStop) {
    {
        UIThread ui;
        DWORD ranOn = 0;
        EXPECT_FALSE(ui.startWith([&ranOn] {
            ranOn = GetCurrentThreadId();
            return false;
        }));
        EXPECT_TRUE(ui.join(10000));
        EXPECT_EQ(ui.getThreadId(), ranOn);
    }
    {
        Fixture failing;
        failing.initAnswer = false;
        UIThread ui;
        EXPECT_FALSE(ui.start(&createTestWindow, &failing));
        EXPECT_FALSE(ui.isRunning());
        EXPECT_TRUE(ui.join(10000));
        EXPECT_FALSE(ui.call(&currentThreadId, nullptr));
    }

    // A thread stuck in a handler cannot see its quit message: stop() gives
    // up after the timeout and suspends it, so it never touches the object
    // again. (The blocker is never set; the suspended thread stays parked.)
    static Fixture stuck; // outlives the suspended thread's stack references
    stuck.log.blocker = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    auto* ui = new UIThread();
    ASSERT_TRUE(ui->start(&createTestWindow, &stuck));
    ASSERT_TRUE(PostMessageW(stuck.window, kBlockMessage, 0, 0));
    Sleep(50);
    EXPECT_FALSE(ui->stop(300));
    DWORD suspendCount = SuspendThread(ui->getHandle());
    EXPECT_EQ(1u, suspendCount); // suspended once by stop()
    EXPECT_FALSE(ui->stop());    // gave up before: answers at once
    delete ui;
}
