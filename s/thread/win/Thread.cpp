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
    unsigned threadId = 0;
    const std::uintptr_t handle =
        _beginthreadex(nullptr, 0, &workerEntry, block, CREATE_SUSPENDED, &threadId);
    if (handle == 0) {
        block->letGo();
        block->letGo();
        return false;
    }
    control_ = block;
    handle_ = reinterpret_cast<void*>(handle);
    threadId_ = threadId;
    SetThreadPriority(nativeHandle(handle_), priority_);
    ResumeThread(nativeHandle(handle_));
    return true;
}

void Thread::abandonNative() {
    if (control_ != nullptr) {
        control_->abandon(); // lets go of the block
        control_ = nullptr;
    }
    if (handle_ != nullptr) {
        // Closing the handle does not touch the thread; it runs on to its end.
        CloseHandle(nativeHandle(handle_));
        handle_ = nullptr;
    }
    threadId_ = 0;
}

void Thread::replaceNative() {
    abandonNative();
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
    if (control_ == nullptr) {
        return;
    }
    if (task == this) {
        // Runs of this object's run function go through a copy in the block:
        // an abandoned run must not read this object after it was reset.
        task = control_->functionTask(runFunction_, runContext_);
    }
    control_->schedule(task, times, pacing, intervalMs);
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
    // after it, and callers expect isAlive() to say so.
    WaitForSingleObject(nativeHandle(handle_), kEndWaitMs);
}

bool Thread::isEnding() const {
    return hasEnded() || (control_ != nullptr && control_->isStopRequested());
}

void Thread::renewIfEnding() {
    // An ending thread needs nothing more from this object: it finishes its
    // last run, if any, on its own block while the new thread takes over.
    if (isEnding()) {
        replaceNative();
    }
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
    if (control_ != nullptr) {
        control_->functionTask(function, context); // queued runs of this object see it
    }
}

void Thread::run() {
    if (runFunction_ != nullptr) {
        runFunction_(runContext_);
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
