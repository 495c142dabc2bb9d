#pragma once
#include "s/base/IObject.h"

#include <cstdint>

namespace s::thread {

class ITask;

// A reusable worker: one native thread that runs a task once, n times or
// forever, optionally paced, and parks when it has nothing to do. The Windows
// implementation is s::thread::win::Thread. Any thread may call these
// operations; the task runs on the worker's own thread.
class IThread : public s::base::IObject {
public:
    // Runs left meaning "repeat until stopped".
    static constexpr std::int32_t kForever = -1;

    virtual std::uint32_t getThreadId() const = 0;

    // Queue work, replacing whatever was queued before. A run in progress
    // finishes first. A null task queues nothing: the worker becomes idle.
    virtual void run(ITask* task) = 0;
    virtual void run(ITask* task, std::int32_t times) = 0;
    // Sleeps `intervalMs` after each run except the last.
    virtual void runEvery(ITask* task, std::int32_t times, std::uint32_t intervalMs) = 0;
    // Starts a run every `intervalMs`; a run longer than that is followed at once.
    virtual void runAtRate(ITask* task, std::int32_t times, std::uint32_t intervalMs) = 0;
    virtual void runForever(ITask* task) = 0;
    virtual void runForeverEvery(ITask* task, std::uint32_t intervalMs) = 0;
    virtual void runForeverAtRate(ITask* task, std::uint32_t intervalMs) = 0;

    // True when no runs are left and the worker has parked (or is about to).
    virtual bool isIdle() const = 0;
    // Waits, in 20 ms steps, until idle.
    virtual void waitIdle() = 0;
    // Waits at most `timeoutMs`; a worker still busy then is replaced by a new
    // native thread (the work in progress is lost). True when it became idle.
    virtual bool waitIdle(std::uint32_t timeoutMs) = 0;
    // No more runs after the current one.
    virtual void stopRepeating() = 0;
    virtual void stopAndWait() = 0;
    // Waits until the native thread has ended (after requestExit()).
    virtual void waitFinished() = 0;
    virtual void requestExit() = 0;
    virtual void exit() = 0;

    // Milliseconds to wait once before the next run.
    virtual void setDelay(std::uint32_t delayMs) = 0;
    // Wakes the worker; one call always suffices, whatever suspend() did.
    virtual void resume() = 0;
    // Holds the worker: it starts no further run until resume().
    virtual void suspend() = 0;

    virtual int getPriority() const = 0;
    virtual void setPriority(int priority) = 0;
};

} // namespace s::thread
