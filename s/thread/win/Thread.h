#pragma once
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"
#include "s/thread/ITask.h"
#include "s/thread/IThread.h"
#include "s/thread/WorkerControl.h"

#include <cstdint>

namespace s::thread::win {

// A reusable worker: one native Win32 thread, started when the object is
// built, that runs a task once, n times or forever, optionally paced, and
// parks when it has nothing to do. Taken with newInstance(), given back with
// release() (the pool keeps up to 1000 idle workers, each with its parked
// native thread); the owner calls the operations from any thread, the task
// runs on the worker's thread.
//
//     auto worker = s::thread::PoolRef<Thread>::take();
//     worker->runForeverEvery(&pollTask, 10);
//     ...
//     worker->stopAndWait();          // or exit() to end the native thread
//
// A Thread is itself a task: its run() calls the run function, so a plain
// function can be run without a task object:
//
//     worker->setRunFunction(&poll, context);
//     worker->runEvery(worker.get(), 3, 100);
//
// The state shared with the native thread is a WorkerControl; the parking
// there is race-free (a wake is never lost), and suspend() only holds the
// worker between runs instead of freezing it wherever it happens to be, so
// it can never stop the thread inside a lock that others need.
//
// A native thread is never killed. When waitIdle(timeout) runs out, the
// worker abandons its native thread: that thread keeps its own control block
// (and the lease of the task it runs, for a LeasedTask), finishes its run in
// the background, ends and frees the block itself, while this object goes on
// at once with a fresh native thread and block. The caller has waited no
// longer than the timeout; the abandoned run's result is lost to it. A plain
// ITask given to a worker that may be abandoned must outlive that run; a
// LeasedTask is kept alive by its lease even when its owner gives it back.
//
// Going back to the pool: release() first stops the repeating and waits for
// the run in progress, outside the pool's lock, so that other threads keep
// taking and giving back workers meanwhile; the reset under the lock then
// finds the worker idle. A busy worker that reaches the pool another way (a
// container's disposer) is abandoned by reset(), which never waits.
class Thread : public s::thread::IThread, public s::thread::IPoolable, public s::thread::ITask {
    S_POOLED_CLASS_OWN_RELEASE(Thread, u"s_thread_win_Thread")

public:
    using RunFunction = void (*)(void* context);

    // Win32 THREAD_PRIORITY_NORMAL.
    static constexpr int kPriorityNormal = 0;

    std::uint32_t getThreadId() const override;

    void run(s::thread::ITask* task) override;
    void run(s::thread::ITask* task, std::int32_t times) override;
    void runEvery(s::thread::ITask* task, std::int32_t times, std::uint32_t intervalMs) override;
    void runAtRate(s::thread::ITask* task, std::int32_t times, std::uint32_t intervalMs) override;
    void runForever(s::thread::ITask* task) override;
    void runForeverEvery(s::thread::ITask* task, std::uint32_t intervalMs) override;
    void runForeverAtRate(s::thread::ITask* task, std::uint32_t intervalMs) override;

    bool isIdle() const override;
    void waitIdle() override;
    bool waitIdle(std::uint32_t timeoutMs) override;
    void stopRepeating() override;
    void stopAndWait() override;
    void waitFinished() override;
    void requestExit() override;
    void exit() override;

    void setDelay(std::uint32_t delayMs) override;
    void resume() override;
    void suspend() override;

    int getPriority() const override;
    void setPriority(int priority) override;

    // The function (and its argument) that this object's own run() calls;
    // null for none.
    void setRunFunction(RunFunction function, void* context = nullptr);
    // ITask: calls the run function.
    void run() override;

    // True while a native thread exists that has not ended.
    bool isAlive() const;

    // Waits for a busy worker to become idle (outside the pool's lock), then
    // gives it back to the pool.
    void release() override;
    void reset() override;

private:
    Thread();
    ~Thread() override;

    void schedule(s::thread::ITask* task, std::int32_t times,
                  s::thread::WorkerControl::Pacing pacing, std::uint32_t intervalMs);
    // A new native thread with a new control block; false when it could not be made.
    bool startNative();
    // Lets go of the native thread without waiting for it: it ends on its
    // own (after its run in progress) and frees its block.
    void abandonNative();
    // Abandons the native thread and starts a new one.
    void replaceNative();
    // The native thread has ended (or never existed).
    bool hasEnded() const;
    // It has ended or has been asked to end.
    bool isEnding() const;
    // Gives a worker whose thread is ending (or missing) a new one at once.
    void renewIfEnding();

    void* handle = nullptr; // HANDLE of the native thread, null when none
    std::uint32_t threadId = 0;
    s::thread::WorkerControl* control = nullptr;
    int priority = kPriorityNormal;
    RunFunction runFunction = nullptr;
    void* runContext = nullptr;
};

} // namespace s::thread::win
