#include "s/thread/WorkerControl.h"

#include "s/thread/TaskLease.h"

#include <new>

namespace s::thread {

WorkerControl::WorkerControl() : signal(newSignal()) {}

WorkerControl::~WorkerControl() {
    deleteSignal(signal);
}

WorkerControl* WorkerControl::create() {
    WorkerControl* block = new (std::nothrow) WorkerControl();
    if (block != nullptr && block->signal == nullptr) {
        delete block;
        return nullptr;
    }
    return block;
}

void WorkerControl::addHolder() {
    holders.fetch_add(1, std::memory_order_relaxed);
}

void WorkerControl::letGo() {
    // acq_rel: the last holder must see everything the other one did to the
    // block before it frees it.
    if (holders.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        delete this;
    }
}

void WorkerControl::workAndLetGo(WorkerControl* block) {
    block->work();
    block->letGo();
}

void WorkerControl::abandon() {
    {
        ObjLocker::Scope scope(lock);
        abandoned.store(1);
        stop.store(1);
        runsLeft = 0;
        ++changes;
    }
    wake();
    letGo();
}

ITask* WorkerControl::functionTask(RunFunction function, void* context) {
    ObjLocker::Scope scope(lock);
    runFunction = function;
    runContext = context;
    return &functionRunner;
}

void WorkerControl::FunctionTask::run() {
    RunFunction function;
    void* context;
    {
        ObjLocker::Scope scope(owner.lock);
        function = owner.runFunction;
        context = owner.runContext;
    }
    if (function != nullptr) {
        function(context);
    }
}

void WorkerControl::runOnce(ITask* task, TaskLease* lease) {
    if (task != nullptr) {
        task->run();
    }
    // The last touch of the task: a give-back that waited for this run may
    // happen inside leave().
    if (lease != nullptr) {
        lease->leave();
    }
}

void WorkerControl::schedule(ITask* newTask, std::int32_t times, Pacing newPacing,
                             std::uint32_t newIntervalMs) {
    {
        ObjLocker::Scope scope(lock);
        task = newTask;
        // Without a task there is nothing to run: counting runs down (or
        // spinning forever) would only burn the processor.
        runsLeft = newTask != nullptr ? times : 0;
        pacing = newPacing;
        intervalMs = newIntervalMs;
        delayMs = 0;
        ++changes;
        active.store(0);
        idle.store(0);
        finished.store(0);
    }
    wake();
}

void WorkerControl::stopRepeating() {
    {
        ObjLocker::Scope scope(lock);
        runsLeft = 0;
        ++changes;
    }
    wake();
}

void WorkerControl::requestExit() {
    {
        ObjLocker::Scope scope(lock);
        stop.store(1);
        ++changes;
    }
    wake();
}

void WorkerControl::setDelay(std::uint32_t newDelayMs) {
    ObjLocker::Scope scope(lock);
    delayMs = newDelayMs;
}

void WorkerControl::hold() {
    ObjLocker::Scope scope(lock);
    held = true;
}

void WorkerControl::wake() {
    {
        ObjLocker::Scope scope(lock);
        held = false;
    }
    raise(signal);
}

void WorkerControl::waitForWake(std::uint32_t timeoutMs) {
    waitSignal(signal, timeoutMs);
}

void WorkerControl::pauseUntil(std::int64_t deadlineMs, std::uint32_t changesSeen) {
    for (;;) {
        const std::int64_t now = nowMs();
        if (now >= deadlineMs) {
            return;
        }
        waitForWake(static_cast<std::uint32_t>(deadlineMs - now));
        // A wake used up here is not lost: the caller looks at the whole state
        // again after the pause.
        ObjLocker::Scope scope(lock);
        if (changes != changesSeen || stop.load() != 0) {
            return;
        }
    }
}

void WorkerControl::work() {
    // 1. Take the lock; from here on the lock is held at the top of each pass.
    lock.enter();
    active.store(1);
    while (stop.load() == 0) {
        if (delayMs != 0) {
            // 2a. A delay: sleep it once, then look again.
            const std::uint32_t pendingDelayMs = delayMs;
            const std::uint32_t changesSeen = changes;
            delayMs = 0;
            lock.leave();
            pauseUntil(nowMs() + pendingDelayMs, changesSeen);
        } else if (runsLeft != 0 && !held) {
            // 2b. One run, without the lock, then the pause its pacing asks for.
            if (runsLeft != kForever) {
                --runsLeft;
            }
            ITask* const runTask = task;
            // Entered under the lock: once the block is abandoned no run can
            // start, so a run either holds the lease or never happens.
            TaskLease* const lease = runTask != nullptr ? runTask->getLease() : nullptr;
            if (lease != nullptr) {
                lease->enter();
            }
            const std::int32_t remainingRuns = runsLeft;
            const Pacing runPacing = pacing;
            const std::uint32_t runIntervalMs = intervalMs;
            const std::uint32_t changesSeen = changes;
            lock.leave();
            const std::int64_t startMs = nowMs();
            runOnce(runTask, lease);
            if (remainingRuns != 0) {
                if (runPacing == Pacing::SleepAfter) {
                    pauseUntil(nowMs() + runIntervalMs, changesSeen);
                } else if (runPacing == Pacing::FixedRate) {
                    pauseUntil(startMs + runIntervalMs, changesSeen);
                }
            }
        } else {
            // 2c. Nothing to do (or held): park until woken. The wake signal
            // keeps a wake that lands between here and the wait.
            if (runsLeft == 0) {
                idle.store(1);
            }
            lock.leave();
            waitForWake(kWaitForever);
        }
        // 2e. Retake the lock for the next pass.
        lock.enter();
        active.store(1);
    }
    // 3. Leave; finished is the routine's last action.
    lock.leave();
    finished.store(1);
}

} // namespace s::thread
