#pragma once
#include "s/thread/ITask.h"
#include "s/thread/ObjLocker.h"

#include <atomic>
#include <cstdint>

namespace s::thread {

class TaskLease;

// The control block shared between a worker object (s::thread::win::Thread)
// and its native thread, plus the worker routine that runs on that thread.
// The worker object makes one block per native thread and gives it to the
// thread as its argument.
//
// Ownership: the block has two holders, the worker object and the native
// thread, and whichever lets go last frees it. A native thread that does not
// become idle in time is never killed (a thread killed inside a pool's lock
// or the heap's lock would hang the whole program later): its worker object
// abandons it, which asks the routine to end after the run in progress and
// lets go of the block, and carries on with a new thread and a new block.
// The abandoned thread keeps its block, finishes its run in the background,
// ends, and frees the block itself. While it is inside a run it also holds
// the task's lease (s/thread/TaskLease.h), so a leased task given back
// meanwhile is given back only when that run returns.
//
// Parking: a worker with nothing to do waits on an auto-reset wake signal.
// A wake that arrives after the worker found nothing to do but before it
// waits stays pending, so the wait returns at once and the worker looks
// again: no queued run can be left waiting for a wake that already happened.
// A spurious wake costs one look at the state and nothing else.
//
// Fields are changed only under the block's lock. The flags active, idle,
// stop and finished are also read without it by waiting callers (polling),
// hence atomic.
class WorkerControl {
public:
    enum class Pacing : std::uint8_t {
        None = 0,       // the next run follows at once
        SleepAfter = 1, // sleep the interval after each run
        FixedRate = 2,  // start runs an interval apart
    };
    static constexpr std::int32_t kForever = -1;

    using RunFunction = void (*)(void* context);

    WorkerControl(const WorkerControl&) = delete;
    WorkerControl& operator=(const WorkerControl&) = delete;

    // A new block held by the caller; null when it (or its wake signal)
    // could not be made.
    static WorkerControl* create();
    // One more holder (the native thread, before it is started).
    void addHolder();
    // The holder is done with the block; the last one frees it. Must be the
    // holder's last touch of the block.
    void letGo();
    // The native thread's routine: work(), then let go of the block.
    static void workAndLetGo(WorkerControl* block);

    // --- caller side (any thread) ---

    // Replaces the queued work and wakes the worker. A null task queues no run.
    void schedule(ITask* task, std::int32_t times, Pacing pacing, std::uint32_t intervalMs);
    // No runs left after the current one; wakes the worker.
    void stopRepeating();
    // Asks the routine to end; wakes the worker.
    void requestExit();
    // Gives the native thread up: no run starts after the one in progress,
    // the routine ends, and the caller lets go of the block. The caller must
    // not touch the block afterwards.
    void abandon();
    // A task that calls function(context); it lives in the block, so a run
    // of it stays valid for as long as the native thread does. Replaces the
    // function of earlier calls (a run in progress keeps what it copied).
    ITask* functionTask(RunFunction function, void* context);
    void setDelay(std::uint32_t delayMs);
    // The worker starts no further run until wake().
    void hold();
    // Lifts hold() and wakes the worker (one call is always enough).
    void wake();

    bool isActive() const { return active.load() != 0; }
    bool isIdle() const { return idle.load() != 0; }
    bool isStopRequested() const { return stop.load() != 0; }
    bool isFinished() const { return finished.load() != 0; }
    bool isAbandoned() const { return abandoned.load() != 0; }
    void clearActive() { active.store(0); }

    // --- worker side ---

    // The worker routine: runs queued work until requestExit(), parking when
    // there is none. Returns after setting finished.
    void work();

private:
    struct Signal; // the platform's auto-reset wake signal

    // The task of functionTask(): a copy of the function and its argument,
    // read and written under the block's lock.
    class FunctionTask : public ITask {
    public:
        explicit FunctionTask(WorkerControl& control) : owner(control) {}
        void run() override;

    private:
        WorkerControl& owner;
    };

    WorkerControl();
    ~WorkerControl();

    // Worker: one run of `task` (null: none), holding its lease meanwhile.
    static void runOnce(ITask* task, TaskLease* lease);

    // Worker: waits until woken or until `timeoutMs` passed (kWaitForever: no limit).
    static constexpr std::uint32_t kWaitForever = 0xFFFFFFFFu;
    void waitForWake(std::uint32_t timeoutMs);
    // Worker: waits until the clock reaches `deadlineMs`, or less when the
    // queued work changes (a new run call, a stop) so that it never holds up
    // new work or an exit for a whole interval.
    void pauseUntil(std::int64_t deadlineMs, std::uint32_t changesSeen);

    static Signal* newSignal();
    static void deleteSignal(Signal* signal);
    static void raise(Signal* signal);
    static void waitSignal(Signal* signal, std::uint32_t timeoutMs);
    // A monotonic millisecond clock (not the wall clock, which may jump).
    static std::int64_t nowMs();

    std::atomic<std::uint32_t> holders{1};
    ObjLocker lock;
    Signal* signal;
    FunctionTask functionRunner{*this};
    RunFunction runFunction = nullptr;
    void* runContext = nullptr;
    std::uint32_t delayMs = 0;
    ITask* task = nullptr;
    std::int32_t runsLeft = 0;
    Pacing pacing = Pacing::None;
    std::uint32_t intervalMs = 0;
    // Counts changes of the queued work, so a pause can tell it must end.
    std::uint32_t changes = 0;
    bool held = false;
    std::atomic<std::uint8_t> active{0};
    std::atomic<std::uint8_t> idle{1};
    std::atomic<std::uint8_t> stop{0};
    std::atomic<std::uint8_t> finished{0};
    std::atomic<std::uint8_t> abandoned{0};
};

} // namespace s::thread
