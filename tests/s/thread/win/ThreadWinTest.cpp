#include "s/thread/win/Thread.h"

#include "s/platform/win/TickCount.h"
#include "s/thread/IPoolable.h"
#include "s/thread/LeasedTask.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

namespace {

using s::thread::PoolRef;
using s::thread::win::Thread;

// Polls `condition` until it holds or `limitMs` passed (a stall guard, far
// beyond what a healthy run needs).
// `spin` yields instead of sleeping, for the tight cycles of the stress test.
template <class Condition>
bool eventually(Condition condition, std::uint64_t limitMs = 10000, bool spin = false) {
    const std::uint64_t deadline = s::platform::win::TickCount::nowMs() + limitMs;
    while (!condition()) {
        if (s::platform::win::TickCount::nowMs() > deadline) {
            return false;
        }
        if (spin) {
            SwitchToThread();
        } else {
            Sleep(1);
        }
    }
    return true;
}

// Records the start and end of every run (milliseconds of a precise clock)
// and the thread it ran on; each run lasts `durationMs`.
class TimedTask : public s::thread::ITask {
public:
    explicit TimedTask(DWORD runMs = 0) : durationMs(runMs) {}
    void run() override {
        starts.push_back(nowMs());
        threadId.store(GetCurrentThreadId());
        if (durationMs != 0) {
            Sleep(durationMs);
        }
        ends.push_back(nowMs());
        runs.fetch_add(1);
    }
    static double nowMs() {
        LARGE_INTEGER frequency;
        LARGE_INTEGER counter;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&counter);
        return 1000.0 * static_cast<double>(counter.QuadPart) /
               static_cast<double>(frequency.QuadPart);
    }
    // The pause between the end of each run and the start of the next.
    std::vector<double> pauses() const {
        std::vector<double> result;
        for (size_t i = 1; i < starts.size(); ++i) {
            result.push_back(starts[i] - ends[i - 1]);
        }
        return result;
    }
    std::vector<double> startGaps() const {
        std::vector<double> result;
        for (size_t i = 1; i < starts.size(); ++i) {
            result.push_back(starts[i] - starts[i - 1]);
        }
        return result;
    }

    // Written by the worker only; read after it is idle.
    std::vector<double> starts;
    std::vector<double> ends;
    std::atomic<DWORD> threadId{0};
    std::atomic<int> runs{0};

private:
    DWORD durationMs;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// Blocks in run() until the event is set (or forever when it never is).
class BlockingTask : public s::thread::ITask {
public:
    BlockingTask() : gate(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~BlockingTask() override { CloseHandle(gate); }
    void run() override {
        started.fetch_add(1);
        WaitForSingleObject(gate, INFINITE);
        finished.fetch_add(1);
    }
    HANDLE gate;
    std::atomic<int> started{0};
    std::atomic<int> finished{0};
};

// A manual-reset event to wait for; wait() gives up after the stall guard.
class Latch {
public:
    Latch() : event(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Latch() { CloseHandle(event); }
    void open() { SetEvent(event); }
    bool wait(DWORD limitMs = 10000) {
        return WaitForSingleObject(event, limitMs) == WAIT_OBJECT_0;
    }
    bool isOpen() { return wait(0); }

private:
    HANDLE event;
};

// Takes and gives back workers (each running one short task) on its own
// thread, and opens `done` when all went through: a pool lock held by
// someone waiting for a stuck worker would stall it.
class PoolUser {
public:
    explicit PoolUser(int rounds)
        : thread([this, rounds] {
              for (int i = 0; i < rounds; ++i) {
                  auto worker = PoolRef<Thread>::take();
                  TimedTask task;
                  worker->run(&task);
                  worker->waitIdle();
                  runs.fetch_add(task.runs.load());
              }
              done.open();
          }) {}
    ~PoolUser() { thread.join(); }
    Latch done;
    std::atomic<int> runs{0};

private:
    std::thread thread;
};

// A pooled task that blocks until its gate opens and shows, by its own
// counters, when it was given back (reset).
class LeasedBlockingTask : public s::base::IObject,
                           public s::thread::IPoolable,
                           public s::thread::LeasedTask {
    S_POOLED_CLASS(LeasedBlockingTask, u"tests_LeasedBlockingTask")
public:
    void run() override {
        started.open();
        gate.wait(INFINITE);
        returned.store(true);
    }
    void reset() override { resets.fetch_add(1); }
    Latch started;
    Latch gate;
    std::atomic<bool> returned{false};
    std::atomic<int> resets{0};

private:
    LeasedBlockingTask() { reset(); }
};

} // namespace

TEST(ThreadWinTest, RunsTasksOnItsOwnNativeThreadTheRequestedNumberOfTimes) {
    auto worker = PoolRef<Thread>::take();
    ASSERT_TRUE(worker);
    EXPECT_STREQ(reinterpret_cast<const wchar_t*>(u"s_thread_win_Thread"),
                 reinterpret_cast<const wchar_t*>(worker->getClassName()));
    EXPECT_TRUE(worker->isIdle());
    EXPECT_TRUE(worker->isAlive());
    EXPECT_NE(0u, worker->getThreadId());
    EXPECT_NE(GetCurrentThreadId(), worker->getThreadId());
    EXPECT_EQ(Thread::kPriorityNormal, worker->getPriority());

    TimedTask task;
    worker->run(&task);
    worker->waitIdle();
    EXPECT_EQ(1, task.runs.load());
    EXPECT_EQ(worker->getThreadId(), task.threadId.load());

    worker->run(&task, 4);
    worker->waitIdle();
    EXPECT_EQ(5, task.runs.load());
    EXPECT_TRUE(worker->isIdle());
}

TEST(ThreadWinTest, RunEveryPausesTheIntervalBetweenRunsButNotAfterTheLast) {
    auto worker = PoolRef<Thread>::take();
    TimedTask task;
    worker->runEvery(&task, 3, 100);
    worker->waitIdle();
    ASSERT_EQ(3, task.runs.load());
    for (double pause : task.pauses()) {
        // The system tick may round a sleep down by up to one period (16 ms).
        EXPECT_GE(pause, 80.0);
    }

    // After the last run the worker is idle at once, not an interval later.
    TimedTask slow;
    worker->runEvery(&slow, 2, 4000);
    ASSERT_TRUE(eventually([&] { return slow.runs.load() == 2; }));
    const std::uint64_t lastRunMs = s::platform::win::TickCount::nowMs();
    ASSERT_TRUE(eventually([&] { return worker->isIdle(); }));
    EXPECT_LT(s::platform::win::TickCount::nowMs() - lastRunMs, 2000u);
}

TEST(ThreadWinTest, RunForeverAtRateStartsRunsAtTheRateOrAtOnceWhenARunIsLonger) {
    auto worker = PoolRef<Thread>::take();
    // Short runs: starts an interval apart, the pause being what is left of it.
    TimedTask shortTask(100);
    worker->runForeverAtRate(&shortTask, 250);
    ASSERT_TRUE(eventually([&] { return shortTask.runs.load() >= 5; }));
    worker->stopAndWait();
    for (double gap : shortTask.startGaps()) {
        EXPECT_GE(gap, 230.0);
    }
    // A pause of the full interval would be 250 ms; the rate leaves about 150.
    EXPECT_LT(median(shortTask.pauses()), 200.0);

    // Runs longer than the interval: the next one starts at once.
    TimedTask longTask(150);
    worker->runForeverAtRate(&longTask, 50);
    ASSERT_TRUE(eventually([&] { return longTask.runs.load() >= 5; }));
    worker->stopAndWait();
    EXPECT_LT(median(longTask.pauses()), 40.0);
    EXPECT_EQ(longTask.starts.size(), longTask.ends.size());
}

TEST(ThreadWinTest, StopRepeatingFinishesTheCurrentRunAndSuspendHoldsBetweenRuns) {
    auto worker = PoolRef<Thread>::take();
    BlockingTask task;
    worker->runForever(&task);
    ASSERT_TRUE(eventually([&] { return task.started.load() == 1; }));
    worker->stopRepeating();
    EXPECT_FALSE(worker->isIdle()); // the run in progress goes on
    SetEvent(task.gate);
    worker->waitIdle();
    EXPECT_EQ(1, task.started.load());
    EXPECT_EQ(1, task.finished.load());

    // Suspended while running forever: no run starts until resume().
    TimedTask counted(5);
    worker->runForever(&counted);
    ASSERT_TRUE(eventually([&] { return counted.runs.load() >= 2; }));
    worker->suspend();
    Sleep(50); // lets a run in progress end
    const int heldAt = counted.runs.load();
    Sleep(200);
    EXPECT_EQ(heldAt, counted.runs.load());
    worker->resume();
    EXPECT_TRUE(eventually([&] { return counted.runs.load() > heldAt + 2; }));
    worker->stopAndWait();
    EXPECT_TRUE(worker->isIdle());
}

TEST(ThreadWinTest, ExitEndsAnIdleThreadAndALaterRunGetsANewOne) {
    auto worker = PoolRef<Thread>::take();
    const std::uint32_t firstId = worker->getThreadId();
    worker->exit();
    EXPECT_FALSE(worker->isAlive());

    // Queuing work on an exited worker starts a new native thread for it.
    TimedTask task;
    worker->run(&task, 2);
    worker->waitIdle();
    EXPECT_EQ(2, task.runs.load());
    EXPECT_TRUE(worker->isAlive());
    EXPECT_EQ(worker->getThreadId(), task.threadId.load());
    EXPECT_NE(firstId, task.threadId.load());

    // Work queued right after requestExit() waits for the old thread to end
    // and then runs on a new one; it is never dropped.
    const std::uint32_t secondId = worker->getThreadId();
    worker->requestExit();
    worker->run(&task);
    worker->waitIdle();
    EXPECT_EQ(3, task.runs.load());
    EXPECT_NE(secondId, task.threadId.load());
    EXPECT_EQ(worker->getThreadId(), task.threadId.load());
}

TEST(ThreadWinTest, WaitIdleWithTimeoutGivesUpAStuckThreadAndKeepsItsPriority) {
    auto worker = PoolRef<Thread>::take();
    worker->setPriority(THREAD_PRIORITY_BELOW_NORMAL);
    const std::uint32_t stuckId = worker->getThreadId();
    BlockingTask stuck;
    worker->runForever(&stuck);
    ASSERT_TRUE(eventually([&] { return stuck.started.load() == 1; }));

    EXPECT_FALSE(worker->waitIdle(200));
    EXPECT_TRUE(worker->isIdle());
    EXPECT_TRUE(worker->isAlive());
    EXPECT_NE(stuckId, worker->getThreadId());
    EXPECT_EQ(THREAD_PRIORITY_BELOW_NORMAL, worker->getPriority());
    EXPECT_EQ(0, stuck.finished.load());

    // The new native thread works, and a worker that is idle in time is left alone.
    TimedTask task;
    worker->run(&task);
    EXPECT_TRUE(worker->waitIdle(5000));
    EXPECT_EQ(1, task.runs.load());
    EXPECT_EQ(worker->getThreadId(), task.threadId.load());

    // The old thread was not killed: its run returns and it ends on its own,
    // without starting another run of its forever loop.
    HANDLE old = OpenThread(SYNCHRONIZE, FALSE, stuckId);
    ASSERT_NE(nullptr, old);
    SetEvent(stuck.gate);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(old, 10000));
    CloseHandle(old);
    EXPECT_EQ(1, stuck.finished.load());
    EXPECT_EQ(1, stuck.started.load());
}

// The caller of waitIdle(timeout) goes on after the timeout while another
// thread keeps taking workers from the same pool; nothing hangs afterwards.
TEST(ThreadWinTest, AStuckWorkerNeverHoldsUpOthersTakingWorkersFromThePool) {
    Thread* worker = Thread::newInstance();
    BlockingTask stuck;
    worker->run(&stuck);
    ASSERT_TRUE(eventually([&] { return stuck.started.load() == 1; }));
    {
        PoolUser other(50);
        EXPECT_FALSE(worker->waitIdle(100));
        ASSERT_TRUE(other.done.wait());
        EXPECT_EQ(50, other.runs.load());
    }
    worker->release(); // idle again after the replacement: no wait

    // Released while busy, a worker waits for its run outside the pool's
    // lock: others take and give back workers meanwhile.
    Thread* busy = Thread::newInstance();
    BlockingTask longRun;
    busy->run(&longRun);
    ASSERT_TRUE(eventually([&] { return longRun.started.load() == 1; }));
    Latch released;
    std::thread releaser([&] {
        busy->release();
        released.open();
    });
    bool othersWentOn = false;
    bool releaseWaited = false;
    {
        PoolUser other(50);
        othersWentOn = other.done.wait();
        releaseWaited = !released.isOpen(); // still waiting for the run, as release() does
        SetEvent(longRun.gate);             // lets a stalled pool go on too, so the test ends
    }
    EXPECT_TRUE(othersWentOn);
    EXPECT_TRUE(releaseWaited);
    EXPECT_TRUE(released.wait());
    releaser.join();
    EXPECT_EQ(1, longRun.finished.load());

    // A busy worker that reaches the pool without release() (a container's
    // disposer) is given up on by the reset instead of being waited for
    // under the lock.
    Thread* disposed = Thread::newInstance();
    BlockingTask disposedRun;
    disposed->run(&disposedRun);
    ASSERT_TRUE(eventually([&] { return disposedRun.started.load() == 1; }));
    void* slot = disposed;
    Latch disposedDone;
    std::thread disposer([&] {
        Thread::pool().dispose(&slot);
        disposedDone.open();
    });
    const bool disposeWentOn = disposedDone.wait();
    SetEvent(disposedRun.gate); // lets a waiting dispose go on, so the test ends
    disposer.join();
    EXPECT_TRUE(disposeWentOn);
    EXPECT_EQ(nullptr, slot);
    SetEvent(stuck.gate);
    EXPECT_TRUE(eventually([&] { return disposedRun.finished.load() == 1; }));
    EXPECT_TRUE(eventually([&] { return stuck.finished.load() == 1; }));
}

// The owner of a leased task gives it back after its worker was given up
// on: the task is not reset (nor reused) until the abandoned run returns.
TEST(ThreadWinTest, ALeasedTaskGivenBackDuringAnAbandonedRunWaitsForThatRun) {
    auto worker = PoolRef<Thread>::take();
    LeasedBlockingTask* task = LeasedBlockingTask::newInstance();
    const int resetsAtStart = task->resets.load();
    worker->run(task);
    ASSERT_TRUE(task->started.wait());
    EXPECT_FALSE(worker->waitIdle(100));
    task->release();
    EXPECT_EQ(resetsAtStart, task->resets.load());
    auto other = PoolRef<LeasedBlockingTask>::take();
    EXPECT_NE(task, other.get());

    task->gate.open();
    EXPECT_TRUE(eventually([&] { return task->resets.load() == resetsAtStart + 1; }));
    EXPECT_TRUE(task->returned.load());
}

namespace {
void countCall(void* context) {
    static_cast<std::atomic<int>*>(context)->fetch_add(1);
}
} // namespace

TEST(ThreadWinTest, RunsItsRunFunctionAndComesBackFromThePoolReset) {
    std::atomic<int> calls{0};
    Thread* worker = Thread::newInstance();
    ASSERT_NE(nullptr, worker);
    worker->setRunFunction(&countCall, &calls);
    worker->setPriority(THREAD_PRIORITY_ABOVE_NORMAL);
    worker->run(worker, 3);
    worker->waitIdle();
    EXPECT_EQ(3, calls.load());

    // Given back busy: the pool's reset stops it first.
    TimedTask task(2);
    worker->runForever(&task);
    ASSERT_TRUE(eventually([&] { return task.runs.load() > 0; }));
    worker->release();

    // The pool is a stack: the same worker comes back, idle and reset.
    Thread* again = Thread::newInstance();
    ASSERT_EQ(worker, again);
    EXPECT_TRUE(again->isIdle());
    EXPECT_EQ(Thread::kPriorityNormal, again->getPriority());
    const int runsAtRelease = task.runs.load();
    again->run(again, 2); // no run function any more
    again->waitIdle();
    EXPECT_EQ(3, calls.load());
    EXPECT_EQ(runsAtRelease, task.runs.load());
    again->release();
}

// The worker's own run-and-park cycle under Wine, with the real event and
// native thread (the portable test drives a million cycles of the same loop).
TEST(ThreadWinTest, ManyRunAndParkCyclesNeverMissAWake) {
    constexpr int kCycles = 20000;
    auto worker = PoolRef<Thread>::take();
    TimedTask task;
    for (int cycle = 0; cycle < kCycles; ++cycle) {
        worker->run(&task);
        const bool done = eventually(
            [&] { return task.runs.load() == cycle + 1 && (cycle % 2 == 0 || worker->isIdle()); },
            10000, true);
        ASSERT_TRUE(done) << "worker stalled with a queued run at cycle " << cycle;
    }
    worker->waitIdle();
    EXPECT_EQ(kCycles, task.runs.load());
}
