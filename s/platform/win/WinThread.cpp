#include "s/platform/win/WinThread.h"

#include "s/platform/win/TickCount.h"

#include <process.h>

namespace s::platform::win {

namespace {

// The hidden window that serves call(); one class for the whole process.
constexpr const wchar_t* kCallWindowClass = L"SThreadCallWindow";
// Sent to the call window: wParam is the address of a CallRecord.
constexpr UINT kCallMessage = WM_USER + 1;
// stop() retries a failed quit post in these steps.
constexpr DWORD kQuitRetryMs = 10;

struct CallRecord {
    WinThread::CallFunction function;
    void* context;
    std::intptr_t result;
    bool done;
};

} // namespace

WinThread::WinThread() = default;

WinThread::~WinThread() {
    stop();
    if (handle != nullptr) {
        CloseHandle(handle);
        handle = nullptr;
    }
    if (started != nullptr) {
        CloseHandle(started);
        started = nullptr;
    }
}

bool WinThread::start() {
    if (handle != nullptr) {
        return false;
    }
    started = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (started == nullptr) {
        return false;
    }
    unsigned startedThreadId = 0;
    const std::uintptr_t startedHandle =
        _beginthreadex(nullptr, 0, &entry, this, 0, &startedThreadId);
    if (startedHandle == 0) {
        return false;
    }
    handle = reinterpret_cast<HANDLE>(startedHandle);
    threadId = startedThreadId;
    // The thread answers through the event; should it die without answering,
    // its handle ends the wait instead.
    const HANDLE waitFor[2] = {started, handle};
    WaitForMultipleObjects(2, waitFor, FALSE, INFINITE);
    return initResult.load();
}

unsigned __stdcall WinThread::entry(void* argument) {
    return static_cast<WinThread*>(argument)->routine();
}

unsigned WinThread::routine() {
    // 1. Make the message queue before anyone may post to it.
    MSG message;
    PeekMessageW(&message, nullptr, WM_USER, WM_USER, PM_NOREMOVE);

    // 2. The call window (message-only, never shown).
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &callWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kCallWindowClass;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        SetEvent(started);
        return 1;
    }
    HWND window = CreateWindowExW(0, kCallWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance, nullptr);
    if (window == nullptr) {
        SetEvent(started);
        return 1;
    }
    callWindow.store(window);

    // 3. The derived class's start-up; the starter waits for its answer.
    bool initialised = false;
    try {
        initialised = initInstance();
    } catch (...) {
        initialised = false;
    }
    if (!initialised) {
        callWindow.store(nullptr);
        DestroyWindow(window);
        SetEvent(started);
        return 1;
    }
    running.store(true);
    initResult.store(true);
    SetEvent(started);

    // 4. The loop, then the end: no calls are served once it is over.
    int loopCode = -1;
    try {
        loopCode = run();
    } catch (...) {
        loopCode = -1;
    }
    running.store(false);
    callWindow.store(nullptr);
    DestroyWindow(window);
    int exitCode = loopCode;
    try {
        exitCode = exitInstance(loopCode);
    } catch (...) {
        exitCode = -1;
    }
    return static_cast<unsigned>(exitCode);
}

int WinThread::run() {
    MSG message;
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(message.wParam);
        }
        if (got == -1) {
            return -1;
        }
        if (!preTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

LRESULT CALLBACK WinThread::callWindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == kCallMessage && wParam != 0) {
        CallRecord* record = reinterpret_cast<CallRecord*>(wParam);
        // Nothing may unwind through the system's message dispatch.
        try {
            record->result = record->function(record->context);
            record->done = true;
        } catch (...) {
            record->done = false;
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool WinThread::call(CallFunction function, void* context, std::intptr_t* result) {
    if (function == nullptr) {
        return false;
    }
    CallRecord record = {function, context, 0, false};
    if (isCurrent()) {
        record.result = function(context);
        record.done = true;
    } else {
        const HWND window = callWindow.load();
        if (window == nullptr) {
            return false;
        }
        // Returns once the thread has handled it, or at once (unhandled) when
        // the window or its thread is gone.
        SendMessageW(window, kCallMessage, reinterpret_cast<WPARAM>(&record), 0);
    }
    if (record.done && result != nullptr) {
        *result = record.result;
    }
    return record.done;
}

bool WinThread::postQuit() {
    if (threadId == 0) {
        return false;
    }
    return PostThreadMessageW(threadId, WM_QUIT, 0, 0) != FALSE;
}

bool WinThread::join(std::uint32_t timeoutMs) {
    if (handle == nullptr) {
        return true;
    }
    return WaitForSingleObject(handle, timeoutMs) == WAIT_OBJECT_0;
}

bool WinThread::isCurrent() const {
    return threadId != 0 && GetCurrentThreadId() == threadId;
}

bool WinThread::stop(std::uint32_t timeoutMs) {
    if (handle == nullptr) {
        return true;
    }
    if (isCurrent()) {
        PostQuitMessage(0);
        return false;
    }
    if (abandoned) {
        return false; // suspended by an earlier stop(): waiting again is pointless
    }
    const std::uint64_t startMs = TickCount::nowMs();
    auto elapsedMs = [startMs] { return TickCount::nowMs() - startMs; };
    while (isRunning() && elapsedMs() < timeoutMs) {
        if (postQuit()) {
            break;
        }
        Sleep(kQuitRetryMs);
    }
    const ULONGLONG spentMs = elapsedMs();
    const DWORD leftMs = spentMs < timeoutMs ? static_cast<DWORD>(timeoutMs - spentMs) : 0;
    if (WaitForSingleObject(handle, leftMs) == WAIT_OBJECT_0) {
        return true;
    }
    // It would not end: keep it from ever running on (and touching this
    // object) again.
    SuspendThread(handle);
    abandoned = true;
    return false;
}

} // namespace s::platform::win
