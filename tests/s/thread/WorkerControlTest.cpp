#include "s/thread/WorkerControl.h"

#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"
#include "s/thread/ITask.h"
#include "s/thread/LeasedTask.h"
#include "s/thread/PoolRef.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using s::thread::WorkerControl;
using Clock = std::chrono::steady_clock;
using Pacing = WorkerControl::Pacing;

// Natively a cycle costs a few microseconds; under Wine every wake and wait
// is a round trip to the Wine server (about 0.7 ms a cycle measured), so the
// Windows build runs fewer (ThreadWinTest drives more through the worker).
#ifdef _WIN32
constexpr int kCycles = 10000;
#else
constexpr int kCycles = 1000000;
#endif

// A worker routine on a plain std::thread: the same loop a Windows worker
// runs, with the platform's wake signal. The test holds the block like a
// worker object does and the thread holds it too.
class Worker {
public:
    Worker() : block(WorkerControl::create()), control(*block) {
        block->addHolder();
        thread = std::thread([block = block] { WorkerControl::workAndLetGo(block); });
    }
    ~Worker() {
        control.requestExit();
        thread.join();
        block->letGo();
    }

private:
    WorkerControl* block;

public:
    WorkerControl& control;

private:
    std::thread thread;
};

// Polls `condition` until it holds or `limit` has passed (a stall guard,
// far beyond what any healthy run needs).
template <class Condition>
bool eventually(Condition condition,
                std::chrono::milliseconds limit = std::chrono::milliseconds(10000)) {
    const auto deadline = Clock::now() + limit;
    while (!condition()) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::yield();
    }
    return true;
}

class CountingTask : public s::thread::ITask {
public:
    void run() override { runs.fetch_add(1); }
    std::atomic<int> runs{0};
};

// Blocks each run until the test opens the gate; counts the runs.
class GatedTask : public s::thread::ITask {
public:
    void run() override {
        std::unique_lock<std::mutex> guard(mutex);
        startedCount.fetch_add(1);
        condition.wait(guard, [this] { return isOpen; });
        startTimes.push_back(Clock::now());
        finishedCount.fetch_add(1);
    }
    void open() {
        {
            std::lock_guard<std::mutex> guard(mutex);
            isOpen = true;
        }
        condition.notify_all();
    }
    int started() const { return startedCount.load(); }
    int finished() const { return finishedCount.load(); }
    std::vector<Clock::time_point> startTimes; // written by the worker only

private:
    std::mutex mutex;
    std::condition_variable condition;
    bool isOpen = false;
    std::atomic<int> startedCount{0};
    std::atomic<int> finishedCount{0};
};

// A one-shot latch: wait() returns once open() was called (or the stall
// guard ran out, answering false).
class Latch {
public:
    void open() {
        {
            std::lock_guard<std::mutex> guard(mutex);
            isOpen = true;
        }
        condition.notify_all();
    }
    bool wait(std::chrono::milliseconds limit = std::chrono::milliseconds(10000)) {
        std::unique_lock<std::mutex> guard(mutex);
        return condition.wait_for(guard, limit, [this] { return isOpen; });
    }

private:
    std::mutex mutex;
    std::condition_variable condition;
    bool isOpen = false;
};

// A pooled task, the way the library's owners of worker tasks are: it blocks
// in run() until its gate opens, and counts its resets (each give-back to the
// pool resets it).
class StuckTask : public s::base::IObject,
                  public s::thread::IPoolable,
                  public s::thread::LeasedTask {
    S_POOLED_CLASS(StuckTask, u"tests_StuckTask")
public:
    void run() override {
        runs.fetch_add(1);
        started->open();
        gate->wait(std::chrono::milliseconds(60000));
        // Still this object's state: a give-back before the run returned
        // would have cleared it.
        returnedWithGate.store(gate != nullptr);
    }
    void reset() override {
        gate = nullptr;
        started = nullptr;
        resets.fetch_add(1);
    }
    Latch* gate = nullptr;
    Latch* started = nullptr;
    std::atomic<int> runs{0};
    std::atomic<int> resets{0}; // this object's own, never cleared
    std::atomic<bool> returnedWithGate{false};

private:
    StuckTask() { reset(); }
};

} // namespace

// A worker that does not stop in time is given up on, never killed: the
// caller lets go at once, the stuck run ends in the background on the block
// it kept, starts no further run, and frees the block itself (the leak
// checker and ThreadSanitizer watch that). Its leased task, given back by its
// owner meanwhile, is neither reset nor reused until the run returned, while
// other threads keep taking and giving back objects of the same pool.
TEST(WorkerControlTest, AnAbandonedRunKeepsItsBlockAndItsTaskUntilItReturns) {
    WorkerControl* block = WorkerControl::create();
    ASSERT_NE(nullptr, block);
    block->addHolder();
    std::thread native([block] { WorkerControl::workAndLetGo(block); });

    Latch gate;
    Latch started;
    StuckTask* task = StuckTask::newInstance();
    task->gate = &gate;
    task->started = &started;
    block->schedule(task, WorkerControl::kForever, Pacing::None, 0);
    ASSERT_TRUE(started.wait());

    const int resetsBefore = task->resets.load();
    block->abandon(); // the caller's last touch of the block
    task->release();  // the owner gives its task back while it still runs
    EXPECT_EQ(resetsBefore, task->resets.load());

    // The pool serves other threads meanwhile, and never hands out the
    // object that is still running.
    Latch allocated;
    std::thread other([&] {
        for (int i = 0; i < 100; ++i) {
            auto fresh = s::thread::PoolRef<StuckTask>::take();
            EXPECT_NE(task, fresh.get());
        }
        allocated.open();
    });
    ASSERT_TRUE(allocated.wait());
    other.join();
    EXPECT_EQ(resetsBefore, task->resets.load());

    // The run returns: the worker gives the task back and ends on its own.
    gate.open();
    native.join();
    EXPECT_EQ(resetsBefore + 1, task->resets.load());
    EXPECT_EQ(1, task->runs.load()); // abandoned: no second run of the forever loop
    EXPECT_TRUE(task->returnedWithGate.load());
    // Now idle in its pool, it is the next one handed out.
    auto again = s::thread::PoolRef<StuckTask>::take();
    EXPECT_EQ(task, again.get());
}

TEST(WorkerControlTest, AnIdleWorkerThatIsAbandonedEndsAndFreesItsBlock) {
    WorkerControl* block = WorkerControl::create();
    ASSERT_NE(nullptr, block);
    block->addHolder();
    std::thread native([block] { WorkerControl::workAndLetGo(block); });
    CountingTask task;
    block->schedule(&task, 3, Pacing::None, 0);
    ASSERT_TRUE(eventually([&] { return block->isIdle(); }));
    block->abandon();
    native.join(); // ends although nobody asked it to exit any other way
    EXPECT_EQ(3, task.runs.load());
}

// The race that matters: the caller queues a run in the instant after the
// worker found nothing to do and before it parks. With a wake that can be
// lost the worker would park with a run queued and the loop below would
// stall; the auto-reset signal keeps the wake. Half the cycles queue the next
// run as soon as the task has run (the worker is still deciding), half as soon
// as the worker has reported idle (it is about to park).
TEST(WorkerControlTest, AMillionRunAndParkCyclesNeverMissAWake) {
    Worker worker;
    CountingTask task;
    bool stalled = false;
    for (int cycle = 0; cycle < kCycles && !stalled; ++cycle) {
        worker.control.schedule(&task, 1, Pacing::None, 0);
        if (cycle % 2 == 0) {
            stalled = !eventually([&] { return task.runs.load() == cycle + 1; });
        } else {
            stalled = !eventually(
                [&] { return task.runs.load() == cycle + 1 && worker.control.isIdle(); });
        }
        ASSERT_FALSE(stalled) << "worker stalled with a queued run at cycle " << cycle;
    }
    EXPECT_EQ(kCycles, task.runs.load());
    EXPECT_TRUE(eventually([&] { return worker.control.isIdle(); }));
}

TEST(WorkerControlTest, CountsRunsDownThenIdlesAndANullTaskQueuesNothing) {
    Worker worker;
    CountingTask task;
    EXPECT_TRUE(worker.control.isIdle()); // idle from the start

    worker.control.schedule(&task, 5, Pacing::None, 0);
    ASSERT_TRUE(eventually([&] { return worker.control.isIdle(); }));
    EXPECT_EQ(5, task.runs.load());
    EXPECT_TRUE(worker.control.isActive());
    EXPECT_FALSE(worker.control.isFinished());

    // A null task must neither spin forever nor count anything.
    worker.control.schedule(nullptr, WorkerControl::kForever, Pacing::None, 0);
    EXPECT_TRUE(eventually([&] { return worker.control.isIdle(); }));
    EXPECT_EQ(5, task.runs.load());
}

TEST(WorkerControlTest, StopRepeatingLetsTheCurrentRunFinishAndHoldPausesBetweenRuns) {
    Worker worker;
    GatedTask task;
    worker.control.schedule(&task, WorkerControl::kForever, Pacing::None, 0);
    ASSERT_TRUE(eventually([&] { return task.started() == 1; }));

    // Held during the first run: the worker finishes it and starts no other.
    worker.control.hold();
    task.open();
    ASSERT_TRUE(eventually([&] { return task.finished() == 1; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(1, task.started());
    EXPECT_FALSE(worker.control.isIdle()); // held with runs left is not idle

    // One wake lifts the hold and the forever loop goes on.
    worker.control.wake();
    ASSERT_TRUE(eventually([&] { return task.started() > 3; }));

    worker.control.stopRepeating();
    ASSERT_TRUE(eventually([&] { return worker.control.isIdle(); }));
    const int runs = task.finished();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(runs, task.finished());
    EXPECT_EQ(task.started(), task.finished());
}

TEST(WorkerControlTest, DelayIsWaitedOnceBeforeTheNextRun) {
    Worker worker;
    GatedTask task;
    worker.control.schedule(&task, 3, Pacing::None, 0);
    ASSERT_TRUE(eventually([&] { return task.started() == 1; }));
    worker.control.setDelay(300);
    const auto released = Clock::now();
    task.open();
    ASSERT_TRUE(eventually([&] { return worker.control.isIdle(); }));

    ASSERT_EQ(3u, task.startTimes.size());
    const auto secondStart = task.startTimes[1];
    EXPECT_GE(secondStart - released, std::chrono::milliseconds(250));
    // Once only: the third run follows the second without the delay (a
    // generous bound, far below the delay itself).
    EXPECT_LT(task.startTimes[2] - secondStart, std::chrono::milliseconds(250));
}

TEST(WorkerControlTest, ExitEndsAnIdleWorkerAndCutsAPacingPauseShort) {
    {
        Worker idle;
        idle.control.requestExit();
        ASSERT_TRUE(eventually([&] { return idle.control.isFinished(); }));
        EXPECT_TRUE(idle.control.isStopRequested());
    }
    // A worker pausing a minute between runs ends at once when asked: the
    // destructor's join would hang for the minute otherwise.
    Worker pacing;
    CountingTask task;
    pacing.control.schedule(&task, WorkerControl::kForever, Pacing::SleepAfter, 60000);
    ASSERT_TRUE(eventually([&] { return task.runs.load() == 1; }));
    pacing.control.requestExit();
    EXPECT_TRUE(eventually([&] { return pacing.control.isFinished(); }));
    EXPECT_EQ(1, task.runs.load());
}
