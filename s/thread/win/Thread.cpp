#include "s/thread/win/Thread.h"

#include <windows.h>

#include <process.h>

#include <new>

namespace s::thread::win {

namespace {

using Pacing = s::thread::WorkerControl::Pacing;

// waitIdle() and waitFinished() poll: these are their steps.
constexpr DWORD kIdlePollMs = 20;
constexpr DWORD kFinishPollMs = 100;
// How long to wait for a killed or finished native thread to be gone before
// its control block is freed; past that the block is left alone (leaked),
// since the thread might still touch it.
constexpr DWORD kEndWaitMs = 5000;

unsigned __stdcall workerEntry(void* argument) {
    static_cast<s::thread::WorkerControl*>(argument)->work();
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
    if (handle_ != nullptr) {
        if (!hasEnded()) {
            exit();
        }
        if (WaitForSingleObject(nativeHandle(handle_), kEndWaitMs) != WAIT_OBJECT_0) {
            control_ = nullptr; // still running: leave its block alive
        }
        CloseHandle(nativeHandle(handle_));
        handle_ = nullptr;
    }
    delete control_;
    control_ = nullptr;
}

bool Thread::startNative() {
    control_ = new (std::nothrow) s::thread::WorkerControl();
    if (control_ == nullptr || !control_->isValid()) {
        delete control_;
        control_ = nullptr;
        return false;
    }
    // Started suspended so that the priority is in force before the first
    // instruction; the routine then parks at once, idle.
    unsigned threadId = 0;
    const std::uintptr_t handle =
        _beginthreadex(nullptr, 0, &workerEntry, control_, CREATE_SUSPENDED, &threadId);
    if (handle == 0) {
        delete control_;
        control_ = nullptr;
        return false;
    }
    handle_ = reinterpret_cast<void*>(handle);
    threadId_ = threadId;
    SetThreadPriority(nativeHandle(handle_), priority_);
    ResumeThread(nativeHandle(handle_));
    return true;
}

void Thread::discardNative() {
    if (handle_ != nullptr) {
        CloseHandle(nativeHandle(handle_));
        handle_ = nullptr;
    }
    threadId_ = 0;
    delete control_;
    control_ = nullptr;
}

void Thread::replaceNative() {
    if (handle_ != nullptr) {
        // The task never returned: the only way to get the worker back is to
        // kill its thread. Whatever it was doing is lost. Its control block
        // (and lock) is never used again, so a lock the thread died holding
        // cannot block the new one.
        TerminateThread(nativeHandle(handle_), 1);
        if (WaitForSingleObject(nativeHandle(handle_), kEndWaitMs) != WAIT_OBJECT_0) {
            control_ = nullptr;
        }
    }
    discardNative();
    startNative();
}

bool Thread::hasEnded() const {
    return handle_ == nullptr || WaitForSingleObject(nativeHandle(handle_), 0) == WAIT_OBJECT_0;
}

bool Thread::isAlive() const {
    return !hasEnded();
}

std::uint32_t Thread::getThreadId() const {
    return threadId_;
}

void Thread::schedule(s::thread::ITask* task, std::int32_t times, Pacing pacing,
                      std::uint32_t intervalMs) {
    // A worker whose thread has ended or is ending (after exit() or
    // requestExit()) or was never made gets a new one, so that queued work
    // always has a thread to run on.
    renewIfEnding();
    if (control_ != nullptr) {
        control_->schedule(task, times, pacing, intervalMs);
    }
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
    return control_ == nullptr || control_->isIdle();
}

void Thread::waitIdle() {
    // A thread that has ended will never become idle; nothing runs on it
    // any more, which is what the caller waits for.
    while (!isIdle() && !hasEnded()) {
        Sleep(kIdlePollMs);
    }
}

bool Thread::waitIdle(std::uint32_t timeoutMs) {
    const ULONGLONG startMs = GetTickCount64();
    while (!isIdle() && !hasEnded()) {
        const ULONGLONG elapsedMs = GetTickCount64() - startMs;
        if (elapsedMs >= timeoutMs) {
            replaceNative();
            return false;
        }
        const ULONGLONG leftMs = timeoutMs - elapsedMs;
        Sleep(leftMs < kIdlePollMs ? static_cast<DWORD>(leftMs) : kIdlePollMs);
    }
    return true;
}

void Thread::stopRepeating() {
    if (control_ != nullptr) {
        control_->stopRepeating();
    }
}

void Thread::stopAndWait() {
    stopRepeating();
    waitIdle();
}

void Thread::waitFinished() {
    if (handle_ == nullptr || control_ == nullptr) {
        return;
    }
    while (!control_->isFinished()) {
        control_->wake();
        if (WaitForSingleObject(nativeHandle(handle_), kFinishPollMs) == WAIT_OBJECT_0) {
            return;
        }
    }
    // Finished is the routine's last action; the thread itself ends right
    // after it, and only then is it safe to start another on a new block.
    WaitForSingleObject(nativeHandle(handle_), kEndWaitMs);
}

bool Thread::isEnding() const {
    return hasEnded() || (control_ != nullptr && control_->isStopRequested());
}

void Thread::renewIfEnding() {
    if (!isEnding()) {
        return;
    }
    if (!hasEnded()) {
        waitFinished();
        if (!hasEnded()) {
            return; // still running its last task: keep it, nothing else is safe
        }
    }
    discardNative();
    startNative();
}

void Thread::requestExit() {
    if (control_ != nullptr) {
        control_->requestExit();
    }
}

void Thread::exit() {
    requestExit();
    waitFinished();
}

void Thread::setDelay(std::uint32_t delayMs) {
    if (control_ != nullptr) {
        control_->setDelay(delayMs);
    }
}

void Thread::resume() {
    if (control_ != nullptr) {
        control_->wake();
    }
}

void Thread::suspend() {
    if (control_ != nullptr) {
        control_->hold();
    }
}

int Thread::getPriority() const {
    if (handle_ == nullptr) {
        return priority_;
    }
    return GetThreadPriority(nativeHandle(handle_));
}

void Thread::setPriority(int priority) {
    priority_ = priority;
    if (handle_ != nullptr) {
        SetThreadPriority(nativeHandle(handle_), priority);
    }
}

void Thread::setRunFunction(RunFunction function, void* context) {
    runFunction_ = function;
    runContext_ = context;
}

void Thread::run() {
    if (runFunction_ != nullptr) {
        runFunction_(runContext_);
    }
}

void Thread::reset() {
    if (isEnding()) {
        // Given back after exit(), or its thread could not be made: a
        // recycled worker must work like a new one.
        renewIfEnding();
    } else if (!isIdle()) {
        stopAndWait();
    }
    setPriority(kPriorityNormal);
    suspend();
    runFunction_ = nullptr;
    runContext_ = nullptr;
}

} // namespace s::thread::win
