#include "s/image/scale/SliceRunner.h"

#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <set>
#include <thread>
#include <vector>

using s::image::scale::SliceRunner;

namespace {

// Counts the runs of each slice and the threads they ran on.
struct Record {
    std::vector<std::atomic<int>> runs;
    std::mutex mutex;
    std::set<std::thread::id> threads;

    explicit Record(int count) : runs(count) {}
    static void slice(void* context, int32_t index) {
        auto* record = static_cast<Record*>(context);
        record->runs[index].fetch_add(1);
        // Long enough that a parked helper wakes before the caller is done.
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        std::lock_guard<std::mutex> guard(record->mutex);
        record->threads.insert(std::this_thread::get_id());
    }
    // Each slice waits (at most 5 s) until a second thread has joined in, so
    // that a loaded machine cannot let the caller finish everything alone.
    static void meetingSlice(void* context, int32_t index) {
        auto* record = static_cast<Record*>(context);
        record->runs[index].fetch_add(1);
        std::unique_lock<std::mutex> guard(record->mutex);
        record->threads.insert(std::this_thread::get_id());
        record->met.notify_all();
        record->met.wait_for(guard, std::chrono::seconds(5),
                             [record] { return record->threads.size() >= 2; });
    }
    std::condition_variable met;
};

} // namespace

TEST(SliceRunnerTest, EverySliceRunsExactlyOnceInEveryJob) {
    SliceRunner runner;
    for (int job = 0; job < 50; ++job) {
        const int count = 1 + job % 9;
        Record record(count);
        runner.run(count, 4, &Record::slice, &record);
        for (int i = 0; i < count; ++i) {
            ASSERT_EQ(1, record.runs[i].load()) << "job " << job << " slice " << i;
        }
    }
    EXPECT_LE(runner.helperCount(), 3);
}

TEST(SliceRunnerTest, HelpersShareTheWorkAndEndOnStop) {
    SliceRunner runner;
    Record record(8);
    runner.run(8, 3, &Record::meetingSlice, &record);
    EXPECT_EQ(2, runner.helperCount());
    EXPECT_GE(record.threads.size(), 2u);
    EXPECT_LE(record.threads.size(), 3u);
    runner.stop();
    EXPECT_EQ(0, runner.helperCount());
    // Started again on demand after a stop.
    Record again(4);
    runner.run(4, 2, &Record::slice, &again);
    EXPECT_EQ(1, runner.helperCount());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(1, again.runs[i].load());
    }
}

TEST(SliceRunnerTest, OneThreadOrNothingToDoRunsOnTheCaller) {
    SliceRunner runner;
    Record record(5);
    runner.run(5, 1, &Record::slice, &record);
    EXPECT_EQ(0, runner.helperCount());
    ASSERT_EQ(1u, record.threads.size());
    EXPECT_EQ(std::this_thread::get_id(), *record.threads.begin());
    runner.run(0, 4, &Record::slice, &record);
    runner.run(3, 4, nullptr, &record);
    EXPECT_EQ(0, runner.helperCount());
    EXPECT_EQ(1, record.runs[0].load());
}
