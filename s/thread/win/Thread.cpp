#include "s/thread/win/Thread.h"

#include "s/platform/win/TickCount.h"

#include <windows.h>

#include <process.h>

#include <new>

namespace s::thread::win {

namespace {

using Pacing = s::thread::WorkerControl::Pacing;

// waitIdle() and waitFinished() poll: these are their steps.
constexpr DWORD kIdlePollMs = 20;
constexpr DWORD kFinishPollMs = 100;
// A thread that has set finished ends right after; this only bounds the wait
// for that last step.
constexpr DWORD kEndWaitMs = 5000;

unsigned __stdcall workerEntry(void* argument) {
    s::thread::WorkerControl::workAndLetGo(static_cast<s::thread::WorkerControl*>(argument));
    return 0;
}

HANDLE nativeHandle(void* handle) {
    return static_cast<HANDLE>(handle);
}

} // namespace

Thread::Thread() {
    startNative();
    reset();
}

Thread::~Thread() {
    // An idle thread is ended properly; a busy one (given up on) finishes
    // its run in the background and frees its own block.
    if (isIdle() && !hasEnded()) {
        exit();
    }
    abandonNative();
}

bool Thread::startNative() {
    s::thread::WorkerControl* block = s::thread::WorkerControl::create();
    if (block == nullptr) {
        return false;
    }
    block->addHolder(); // the native thread's hold, let go when its routine ends
    // Started suspended so that the priority is in force before the first
    // instruction; the routine then parks at once, idle.
    unsigned startedThreadId = 0;
    const std::uintptr_t startedHandle =
        _beginthreadex(nullptr, 0, &workerEntry, block, CREATE_SUSPENDED, &startedThreadId);
    if (startedHandle == 0) {
        block->letGo();
        block->letGo();
        return false;
    }
    control = block;
    handle = reinterpret_cast<void*>(startedHandle);
    threadId = startedThreadId;
    SetThreadPriority(nativeHandle(handle), priority);
    ResumeThread(nativeHandle(handle));
    return true;
}

void Thread::abandonNative() {
    if (control != nullptr) {
        control->abandon(); // lets go of the block
        control = nullptr;
    }
    if (handle != nullptr) {
        // Closing the handle does not touch the thread; it runs on to its end.
        CloseHandle(nativeHandle(handle));
        handle = nullptr;
    }
    threadId = 0;
}

void Thread::replaceNative() {
    abandonNative();
    startNative();
}

bool Thread::hasEnded() const {
    return handle == nullptr || WaitForSingleObject(nativeHandle(handle), 0) == WAIT_OBJECT_0;
}

bool Thread::isAlive() const {
    return !hasEnded();
}

std::uint32_t Thread::getThreadId() const {
    return threadId;
}

void Thread::schedule(s::thread::ITask* task, std::int32_t times, Pacing pacing,
                      std::uint32_t intervalMs) {
    // A worker whose thread has ended or is ending (after exit() or
    // requestExit()) or was never made gets a new one, so that queued work
    // always has a thread to run on.
    renewIfEnding();
    if (control == nullptr) {
        return;
    }
    if (task == this) {
        // Runs of this object's run function go through a copy in the block:
        // an abandoned run must not read this object after it was reset.
        task = control->functionTask(runFunction, runContext);
    }
    control->schedule(task, times, pacing, intervalMs);
}

void Thread::run(s::thread::ITask* task) {
    schedule(task, 1, Pacing::None, 0);
}

void Thread::run(s::thread::ITask* task, std::int32_t times) {
    schedule(task, times, Pacing::None, 0);
}

void Thread::runEvery(s::thread::ITask* task, std::int32_t times, std::uint32_t intervalMs) {
    schedule(task, times, Pacing::SleepAfter, intervalMs);
}

void Thread::runAtRate(s::thread::ITask* task, std::int32_t times, std::uint32_t intervalMs) {
    schedule(task, times, Pacing::FixedRate, intervalMs);
}

void Thread::runForever(s::thread::ITask* task) {
    schedule(task, kForever, Pacing::None, 0);
}

void Thread::runForeverEvery(s::thread::ITask* task, std::uint32_t intervalMs) {
    schedule(task, kForever, Pacing::SleepAfter, intervalMs);
}

void Thread::runForeverAtRate(s::thread::ITask* task, std::uint32_t intervalMs) {
    schedule(task, kForever, Pacing::FixedRate, intervalMs);
}

bool Thread::isIdle() const {
    return control == nullptr || control->isIdle();
}

void Thread::waitIdle() {
    // A thread that has ended will never become idle; nothing runs on it
    // any more, which is what the caller waits for.
    while (!isIdle() && !hasEnded()) {
        Sleep(kIdlePollMs);
    }
}

bool Thread::waitIdle(std::uint32_t timeoutMs) {
    const std::uint64_t startMs = s::platform::win::TickCount::nowMs();
    while (!isIdle() && !hasEnded()) {
        const std::uint64_t elapsedMs = s::platform::win::TickCount::nowMs() - startMs;
        if (elapsedMs >= timeoutMs) {
            replaceNative();
            return false;
        }
        const std::uint64_t leftMs = timeoutMs - elapsedMs;
        Sleep(leftMs < kIdlePollMs ? static_cast<DWORD>(leftMs) : kIdlePollMs);
    }
    return true;
}

void Thread::stopRepeating() {
    if (control != nullptr) {
        control->stopRepeating();
    }
}

void Thread::stopAndWait() {
    stopRepeating();
    waitIdle();
}

void Thread::waitFinished() {
    if (handle == nullptr || control == nullptr) {
        return;
    }
    while (!control->isFinished()) {
        control->wake();
        if (WaitForSingleObject(nativeHandle(handle), kFinishPollMs) == WAIT_OBJECT_0) {
            return;
        }
    }
    // Finished is the routine's last action; the thread itself ends right
    // after it, and callers expect isAlive() to say so.
    WaitForSingleObject(nativeHandle(handle), kEndWaitMs);
}

bool Thread::isEnding() const {
    return hasEnded() || (control != nullptr && control->isStopRequested());
}

void Thread::renewIfEnding() {
    // An ending thread needs nothing more from this object: it finishes its
    // last run, if any, on its own block while the new thread takes over.
    if (isEnding()) {
        replaceNative();
    }
}

void Thread::requestExit() {
    if (control != nullptr) {
        control->requestExit();
    }
}

void Thread::exit() {
    requestExit();
    waitFinished();
}

void Thread::setDelay(std::uint32_t delayMs) {
    if (control != nullptr) {
        control->setDelay(delayMs);
    }
}

void Thread::resume() {
    if (control != nullptr) {
        control->wake();
    }
}

void Thread::suspend() {
    if (control != nullptr) {
        control->hold();
    }
}

int Thread::getPriority() const {
    if (handle == nullptr) {
        return priority;
    }
    return GetThreadPriority(nativeHandle(handle));
}

void Thread::setPriority(int newPriority) {
    priority = newPriority;
    if (handle != nullptr) {
        SetThreadPriority(nativeHandle(handle), newPriority);
    }
}

void Thread::setRunFunction(RunFunction function, void* context) {
    runFunction = function;
    runContext = context;
    if (control != nullptr) {
        control->functionTask(function, context); // queued runs of this object see it
    }
}

void Thread::run() {
    if (runFunction != nullptr) {
        runFunction(runContext);
    }
}

void Thread::release() {
    if (!isEnding() && !isIdle()) {
        stopAndWait();
    }
    pool().giveBack(static_cast<void*>(this));
}

void Thread::reset() {
    // Runs under the pool's lock: it never waits for the native thread. A
    // worker given back after exit(), or busy because it reached the pool
    // without release(), gets a fresh thread; a recycled worker must work
    // like a new one.
    if (isEnding() || !isIdle()) {
        replaceNative();
    }
    setPriority(kPriorityNormal);
    suspend();
    setRunFunction(nullptr, nullptr);
}

} // namespace s::thread::win
