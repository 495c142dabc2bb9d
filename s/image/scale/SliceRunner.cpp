#include "s/image/scale/SliceRunner.h"

#include <system_error>

namespace s::image::scale {

SliceRunner::~SliceRunner() {
    stop();
}

int32_t SliceRunner::processorCount() {
    const unsigned count = std::thread::hardware_concurrency();
    return count == 0 ? 1 : static_cast<int32_t>(count);
}

void SliceRunner::startHelpers(int32_t wanted) {
    // Only the owner changes `generation`, so it may read it unlocked here. A
    // new helper starts from the present value and so joins the job about to
    // be posted even when it gets going after the post.
    const uint64_t current = generation;
    while (static_cast<int32_t>(helpers.size()) < wanted) {
        try {
            helpers.emplace_back([this, current] { helperLoop(current); });
        } catch (const std::system_error&) {
            // No more threads to be had: the caller takes the remaining slices.
            return;
        }
    }
}

void SliceRunner::run(int32_t count, int32_t threads, SliceWork sliceWork, void* sliceContext) {
    if (count <= 0 || sliceWork == nullptr) {
        return;
    }
    const int32_t wantedHelpers = (threads < count ? threads : count) - 1;
    if (wantedHelpers > 0) {
        startHelpers(wantedHelpers);
    }
    std::unique_lock<std::mutex> guard(mutex);
    work = sliceWork;
    context = sliceContext;
    sliceCount = count;
    nextSlice = 0;
    slicesFinished = 0;
    ++generation;
    if (wantedHelpers > 0) {
        jobPosted.notify_all();
    }
    takeSlices(guard);
    jobDone.wait(guard, [this] { return slicesFinished == sliceCount; });
    work = nullptr;
    context = nullptr;
}

void SliceRunner::takeSlices(std::unique_lock<std::mutex>& guard) {
    while (work != nullptr && nextSlice < sliceCount) {
        const int32_t slice = nextSlice++;
        const SliceWork current = work;
        void* const currentContext = context;
        guard.unlock();
        current(currentContext, slice);
        guard.lock();
        if (++slicesFinished == sliceCount) {
            jobDone.notify_all();
        }
    }
}

void SliceRunner::helperLoop(uint64_t seen) {
    std::unique_lock<std::mutex> guard(mutex);
    for (;;) {
        jobPosted.wait(guard, [&] { return exiting || generation != seen; });
        if (exiting) {
            return;
        }
        seen = generation;
        takeSlices(guard);
    }
}

void SliceRunner::stop() {
    {
        std::lock_guard<std::mutex> guard(mutex);
        exiting = true;
    }
    jobPosted.notify_all();
    for (std::thread& helper : helpers) {
        helper.join();
    }
    helpers.clear();
    std::lock_guard<std::mutex> guard(mutex);
    exiting = false;
}

} // namespace s::image::scale
