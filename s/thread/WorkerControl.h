#pragma once
#include "s/thread/ObjLocker.h"

#include <atomic>
#include <cstdint>

namespace s::thread {

class ITask;

// The control block shared between a worker object (s::thread::win::Thread)
// and its native thread, plus the worker routine that runs on that thread.
// The worker object builds one block per native thread and gives it to the
// thread as its argument; when a stuck native thread is replaced, the new
// thread gets a new block (with a new lock), so nothing the dead thread may
// have left locked is ever used again.
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

    WorkerControl();
    ~WorkerControl();
    WorkerControl(const WorkerControl&) = delete;
    WorkerControl& operator=(const WorkerControl&) = delete;

    // False when the wake signal could not be made; the block is then unusable.
    bool isValid() const { return signal_ != nullptr; }

    // --- caller side (any thread) ---

    // Replaces the queued work and wakes the worker. A null task queues no run.
    void schedule(ITask* task, std::int32_t times, Pacing pacing, std::uint32_t intervalMs);
    // No runs left after the current one; wakes the worker.
    void stopRepeating();
    // Asks the routine to end; wakes the worker.
    void requestExit();
    void setDelay(std::uint32_t delayMs);
    // The worker starts no further run until wake().
    void hold();
    // Lifts hold() and wakes the worker (one call is always enough).
    void wake();

    bool isActive() const { return active_.load() != 0; }
    bool isIdle() const { return idle_.load() != 0; }
    bool isStopRequested() const { return stop_.load() != 0; }
    bool isFinished() const { return finished_.load() != 0; }
    void clearActive() { active_.store(0); }

    // --- worker side ---

    // The worker routine: runs queued work until requestExit(), parking when
    // there is none. Returns after setting finished.
    void work();

private:
    struct Signal; // the platform's auto-reset wake signal

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

    ObjLocker lock_;
    Signal* signal_;
    std::uint32_t delayMs_ = 0;
    ITask* task_ = nullptr;
    std::int32_t runsLeft_ = 0;
    Pacing pacing_ = Pacing::None;
    std::uint32_t intervalMs_ = 0;
    // Counts changes of the queued work, so a pause can tell it must end.
    std::uint32_t changes_ = 0;
    bool held_ = false;
    std::atomic<std::uint8_t> active_{0};
    std::atomic<std::uint8_t> idle_{1};
    std::atomic<std::uint8_t> stop_{0};
    std::atomic<std::uint8_t> finished_{0};
};

} // namespace s::thread
