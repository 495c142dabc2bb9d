#pragma once
// Test helper: answers the message boxes a thread shows. arm() starts a
// thread timer on the calling thread; the timer fires inside the box's modal
// loop, finds the box among that thread's windows, records its caption,
// text and thread, and clicks the chosen button. A box that shows up on
// another thread is clicked after a while as well, so that a test fails
// instead of hanging.
#include <windows.h>

#include <atomic>
#include <map>
#include <mutex>
#include <string>

namespace boxclicker {

struct Seen {
    std::u16string caption;
    std::u16string text;
    DWORD threadId = 0;
    int boxes = 0;
};

struct Arming {
    int button = IDOK;
    // Boxes that must be open in the whole process before this one is
    // clicked (several threads showing boxes at once).
    int waitForBoxes = 1;
    int ticks = 0;
    UINT_PTR timer = 0;
};

inline std::mutex& lock() {
    static std::mutex instance;
    return instance;
}
inline std::map<DWORD, Arming>& armings() {
    static std::map<DWORD, Arming> instance;
    return instance;
}
inline std::map<DWORD, Seen>& seen() {
    static std::map<DWORD, Seen> instance;
    return instance;
}
inline std::atomic<int>& openBoxes() {
    static std::atomic<int> instance{0};
    return instance;
}

// Ticks after which a box of any thread in the process is clicked.
constexpr int kGiveUpTicks = 150;
constexpr UINT kTickMs = 20;
// The static control that holds a message box's text.
constexpr int kTextId = 0xFFFF;

inline bool isBox(HWND window) {
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    return IsWindowVisible(window) && std::wstring(className) == L"#32770";
}

inline BOOL CALLBACK findBox(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && isBox(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

inline std::u16string textOf(HWND window) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return std::u16string(reinterpret_cast<const char16_t*>(buffer));
}

inline void CALLBACK onTick(HWND, UINT, UINT_PTR timer, DWORD) {
    const DWORD thread = GetCurrentThreadId();
    HWND box = nullptr;
    std::lock_guard<std::mutex> guard(lock());
    Arming& arming = armings()[thread];
    ++arming.ticks;
    EnumThreadWindows(thread, &findBox, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr && arming.ticks > kGiveUpTicks) {
        EnumWindows(&findBox, reinterpret_cast<LPARAM>(&box));
    }
    if (box == nullptr) {
        return;
    }
    Seen& record = seen()[thread];
    if (record.boxes == 0) {
        record.boxes = 1;
        openBoxes().fetch_add(1);
    }
    if (openBoxes().load() < arming.waitForBoxes && arming.ticks <= kGiveUpTicks) {
        return;
    }
    record.caption = textOf(box);
    record.text = textOf(GetDlgItem(box, kTextId));
    record.threadId = GetWindowThreadProcessId(box, nullptr);
    const int chosen = arming.button;
    KillTimer(nullptr, timer);
    armings().erase(thread);
    // Posted into the box's own loop, which ends the box once it is handled.
    HWND button = GetDlgItem(box, chosen);
    PostMessageW(button != nullptr ? button : box, button != nullptr ? BM_CLICK : WM_CLOSE, 0, 0);
}

// Starts answering the next box of the calling thread with `button`.
inline void arm(int button, int waitForBoxes = 1) {
    std::lock_guard<std::mutex> guard(lock());
    Arming& arming = armings()[GetCurrentThreadId()];
    arming = Arming();
    arming.button = button;
    arming.waitForBoxes = waitForBoxes;
    seen().erase(GetCurrentThreadId());
    arming.timer = SetTimer(nullptr, 0, kTickMs, &onTick);
}

// What the box of `thread` showed; empty when it saw none.
inline Seen seenOn(DWORD thread) {
    std::lock_guard<std::mutex> guard(lock());
    auto found = seen().find(thread);
    return found != seen().end() ? found->second : Seen();
}

// Forgets every record and the count of open boxes.
inline void clear() {
    std::lock_guard<std::mutex> guard(lock());
    seen().clear();
    openBoxes() = 0;
}

} // namespace boxclicker
