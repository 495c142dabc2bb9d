#pragma once
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace s::image::scale {

// Runs the slices of one job (numbered 0 .. count - 1) on the calling thread
// and on helper threads, and returns when every slice has finished. The
// helpers are started on first need, wait parked between jobs (no polling,
// no cost while nothing runs) and end in stop() or the destructor.
//
// Threads: one owner thread calls run() and stop(); the helpers only take
// slices. The job's fields are read and written under `mutex` alone, and
// run() returns only after the last slice ended, so a job's data may live on
// the owner's stack.
class SliceRunner {
public:
    using SliceWork = void (*)(void* context, int32_t slice);

    SliceRunner() = default;
    ~SliceRunner();
    SliceRunner(const SliceRunner&) = delete;
    SliceRunner& operator=(const SliceRunner&) = delete;

    // Runs work(context, slice) once for every slice, using at most
    // `threads` threads in all (the caller included). Slices run in no
    // particular order. With fewer helpers than asked (the system refused a
    // thread) the caller does the rest.
    void run(int32_t count, int32_t threads, SliceWork work, void* context);
    // Ends the helpers; the next run() starts them again.
    void stop();

    int32_t helperCount() const { return static_cast<int32_t>(helpers.size()); }
    // Processors the system reports, at least 1.
    static int32_t processorCount();

private:
    void startHelpers(int32_t wanted);
    // `seen` is the last job the helper need not take part in.
    void helperLoop(uint64_t seen);
    // Takes and runs slices of the current job until none is left. Called
    // with `guard` held; returns with it held.
    void takeSlices(std::unique_lock<std::mutex>& guard);

    std::vector<std::thread> helpers;
    std::mutex mutex;
    std::condition_variable jobPosted;
    std::condition_variable jobDone;
    uint64_t generation = 0;
    SliceWork work = nullptr;
    void* context = nullptr;
    int32_t sliceCount = 0;
    int32_t nextSlice = 0;
    int32_t slicesFinished = 0;
    bool exiting = false;
};

} // namespace s::image::scale
