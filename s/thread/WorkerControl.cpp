#include "s/thread/WorkerControl.h"

#include "s/thread/TaskLease.h"

#include <new>

namespace s::thread {

WorkerControl::WorkerControl() : signal_(newSignal()) {}

WorkerControl::~WorkerControl() {
    deleteSignal(signal_);
}

WorkerControl* WorkerControl::create() {
    WorkerControl* block = new (std::nothrow) WorkerControl();
    if (block != nullptr && block->signal_ == nullptr) {
        delete block;
        return nullptr;
    }
    return block;
}

void WorkerControl::addHolder() {
    holders_.fetch_add(1, std::memory_order_relaxed);
}

void WorkerControl::letGo() {
    // acq_rel: the last holder must see everything the other one did to the
    // block before it frees it.
    if (holders_.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        delete this;
    }
}

void WorkerControl::workAndLetGo(WorkerControl* block) {
    block->work();
    block->letGo();
}

void WorkerControl::abandon() {
    {
        ObjLocker::Scope scope(lock_);
        abandoned_.store(1);
        stop_.store(1);
        runsLeft_ = 0;
        ++changes_;
    }
    wake();
    letGo();
}

ITask* WorkerControl::functionTask(RunFunction function, void* context) {
    ObjLocker::Scope scope(lock_);
    runFunction_ = function;
    runContext_ = context;
    return &functionTask_;
}

void WorkerControl::FunctionTask::run() {
    RunFunction function;
    void* context;
    {
        ObjLocker::Scope scope(owner.lock_);
        function = owner.runFunction_;
        context = owner.runContext_;
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

void WorkerControl::schedule(ITask* task, std::int32_t times, Pacing pacing,
                             std::uint32_t intervalMs) {
    {
        ObjLocker::Scope scope(lock_);
        task_ = task;
        // Without a task there is nothing to run: counting runs down (or
        // spinning forever) would only burn the processor.
        runsLeft_ = task != nullptr ? times : 0;
        pacing_ = pacing;
        intervalMs_ = intervalMs;
        delayMs_ = 0;
        ++changes_;
        active_.store(0);
        idle_.store(0);
        finished_.store(0);
    }
    wake();
}

void WorkerControl::stopRepeating() {
    {
        ObjLocker::Scope scope(lock_);
        runsLeft_ = 0;
        ++changes_;
    }
    wake();
}

void WorkerControl::requestExit() {
    {
        ObjLocker::Scope scope(lock_);
        stop_.store(1);
        ++changes_;
    }
    wake();
}

void WorkerControl::setDelay(std::uint32_t delayMs) {
    ObjLocker::Scope scope(lock_);
    delayMs_ = delayMs;
}

void WorkerControl::hold() {
    ObjLocker::Scope scope(lock_);
    held_ = true;
}

void WorkerControl::wake() {
    {
        ObjLocker::Scope scope(lock_);
        held_ = false;
    }
    raise(signal_);
}

void WorkerControl::waitForWake(std::uint32_t timeoutMs) {
    waitSignal(signal_, timeoutMs);
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
        ObjLocker::Scope scope(lock_);
        if (changes_ != changesSeen || stop_.load() != 0) {
            return;
        }
    }
}

void WorkerControl::work() {
    // 1. Take the lock; from here on the lock is held at the top of each pass.
    lock_.enter();
    active_.store(1);
    while (stop_.load() == 0) {
        if (delayMs_ != 0) {
            // 2a. A delay: sleep it once, then look again.
            const std::uint32_t delayMs = delayMs_;
            const std::uint32_t changesSeen = changes_;
            delayMs_ = 0;
            lock_.leave();
            pauseUntil(nowMs() + delayMs, changesSeen);
        } else if (runsLeft_ != 0 && !held_) {
            // 2b. One run, without the lock, then the pause its pacing asks for.
            if (runsLeft_ != kForever) {
                --runsLeft_;
            }
            ITask* const task = task_;
            // Entered under the lock: once the block is abandoned no run can
            // start, so a run either holds the lease or never happens.
            TaskLease* const lease = task != nullptr ? task->getLease() : nullptr;
            if (lease != nullptr) {
                lease->enter();
            }
            const std::int32_t runsLeft = runsLeft_;
            const Pacing pacing = pacing_;
            const std::uint32_t intervalMs = intervalMs_;
            const std::uint32_t changesSeen = changes_;
            lock_.leave();
            const std::int64_t startMs = nowMs();
            runOnce(task, lease);
            if (runsLeft != 0) {
                if (pacing == Pacing::SleepAfter) {
                    pauseUntil(nowMs() + intervalMs, changesSeen);
                } else if (pacing == Pacing::FixedRate) {
                    pauseUntil(startMs + intervalMs, changesSeen);
                }
            }
        } else {
            // 2c. Nothing to do (or held): park until woken. The wake signal
            // keeps a wake that lands between here and the wait.
            if (runsLeft_ == 0) {
                idle_.store(1);
            }
            lock_.leave();
            waitForWake(kWaitForever);
        }
        // 2e. Retake the lock for the next pass.
        lock_.enter();
        active_.store(1);
    }
    // 3. Leave; finished is the routine's last action.
    lock_.leave();
    finished_.store(1);
}

} // namespace s::thread
