#pragma once
#include <atomic>
#include <cstdint>

namespace s::thread {

// Keeps a task object alive while a worker is inside its run(). A worker
// that was given up on (it did not become idle in time and its caller moved
// on to a fresh one) may still be running the task when the task's owner
// gives the task back; the give-back must then wait for the run to return,
// or the pool would reset or reuse the object under the running code.
//
// Ownership is handed over explicitly: the owner calls giveBackWhenFree()
// instead of giving the object back itself. With no run in progress the
// give-back happens at once, on the owner's thread; otherwise the worker
// that leaves the run last performs it, on its own thread, right after run()
// returned. Either way it happens exactly once.
//
// Threads: enter() and leave() are called by workers, giveBackWhenFree() by
// the owner, all from any thread; the state is one atomic word. A worker
// enters only while its control block still lets it start a run, so after
// the owner stopped or abandoned every worker running the task, no new run
// can begin behind the owner's back.
class TaskLease {
public:
    using GiveBack = void (*)(void* owner);

    TaskLease() = default;
    TaskLease(const TaskLease&) = delete;
    TaskLease& operator=(const TaskLease&) = delete;

    // Worker: a run is about to start.
    void enter();
    // Worker: the run has returned. Performs a give-back handed over meanwhile
    // when this was the last run in progress; the task must not be touched
    // after this call.
    void leave();

    // Owner: gives `owner` back with `giveBack` now, or hands that over to the
    // worker still inside run(). True when it was done at once.
    bool giveBackWhenFree(GiveBack giveBack, void* owner);

    // True while some worker is inside run().
    bool isInRun() const;

private:
    // Bit 31: a give-back is waiting; the rest counts the runs in progress.
    static constexpr std::uint32_t kPending = 0x80000000u;
    static constexpr std::uint32_t kRunMask = 0x7FFFFFFFu;

    void performGiveBack();

    std::atomic<std::uint32_t> state{0};
    // Written by the owner before it publishes kPending; read by whoever
    // performs the give-back.
    GiveBack pendingGiveBack = nullptr;
    void* pendingOwner = nullptr;
};

} // namespace s::thread
