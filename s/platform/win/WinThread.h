#pragma once
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <type_traits>

namespace s::platform::win {

// A thread with a Win32 message loop: the user-interface thread base of the
// library. start() runs initInstance() on the new thread and returns its
// answer; when it succeeded, the thread pumps messages until it receives
// WM_QUIT (stop(), postQuit(), or PostQuitMessage() on the thread itself, for
// example from a window's destruction), then runs exitInstance() and ends.
//
// call() runs a function on the thread and waits for it. It goes through a
// hidden message-only window as a sent message, so it is served even while
// the thread sits in a modal loop (a message box, a menu), which drops
// thread messages.
//
// The object is owned by whoever made it (usually embedded in a window
// object). Any thread may call the public operations. A derived class must
// call stop() in its own destructor, so that its overrides are not called on
// a half-destroyed object.
class WinThread {
public:
    using CallFunction = std::intptr_t (*)(void* context);

    // How long stop() gives the thread by default.
    static constexpr std::uint32_t kStopTimeoutMs = 5000;

    WinThread();
    virtual ~WinThread();
    WinThread(const WinThread&) = delete;
    WinThread& operator=(const WinThread&) = delete;

    // Starts the thread and waits until initInstance() has returned on it.
    // True when it succeeded (the thread now pumps messages); false when it
    // failed (the thread has ended), when the thread could not be made, or
    // when this object was started before.
    bool start();

    // Runs function(context) on the thread and waits until it returned; on
    // the thread itself it is called directly. False when the thread is not
    // running its loop (or ended before it got to the call). `result`, when
    // given, receives the function's answer.
    bool call(CallFunction function, void* context, std::intptr_t* result = nullptr);
    // The same for any callable without arguments (a lambda); its result is
    // not passed back. A temporary is fine: it lives until the call returned.
    template <class Function> bool invoke(Function&& function) {
        using Callable = std::remove_reference_t<Function>;
        return call(&invokeTrampoline<Callable>,
                    const_cast<void*>(static_cast<const void*>(&function)));
    }

    // Posts WM_QUIT to the thread; false when it has no message queue (not
    // started, or ended).
    bool postQuit();
    // Waits at most `timeoutMs` for the thread to end; true when it has.
    bool join(std::uint32_t timeoutMs = INFINITE);
    // Ends the thread: posts WM_QUIT (retried every 10 ms while the thread
    // runs its loop and the post fails), waits for the thread for the rest of
    // `timeoutMs`, and suspends it if it still has not ended (so that it
    // never touches this object again). True when the thread ended (or never
    // ran). Called on the thread itself it only posts the quit message; after
    // a stop() that had to suspend the thread it answers false at once.
    bool stop(std::uint32_t timeoutMs = kStopTimeoutMs);

    // True from the successful end of initInstance() until the loop ends.
    bool isRunning() const { return running.load(); }
    // True when the calling thread is this thread.
    bool isCurrent() const;
    std::uint32_t getThreadId() const { return threadId; }
    HANDLE getHandle() const { return handle; }

protected:
    // On the new thread, before the loop; false ends the thread at once.
    virtual bool initInstance() { return true; }
    // On the thread after the loop; the answer is the thread's exit code.
    // `loopCode` is what the loop returned (the WM_QUIT code).
    virtual int exitInstance(int loopCode) { return loopCode; }
    // Sees every message before it is translated and dispatched; true keeps
    // it from both (dialog key handling, accelerators).
    virtual bool preTranslateMessage(MSG& message) { return false; }
    // The message loop; returns the WM_QUIT code.
    virtual int run();

private:
    static unsigned __stdcall entry(void* argument);
    unsigned routine();
    static LRESULT CALLBACK callWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    template <class Function> static std::intptr_t invokeTrampoline(void* context) {
        (*static_cast<Function*>(context))();
        return 0;
    }

    HANDLE handle = nullptr;
    std::uint32_t threadId = 0;
    HANDLE started = nullptr; // set when initInstance() has answered
    std::atomic<bool> initResult{false};
    std::atomic<bool> running{false};
    std::atomic<HWND> callWindow{nullptr};
    bool abandoned = false; // stop() gave up and suspended the thread
};

} // namespace s::platform::win
