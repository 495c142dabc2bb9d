#include "s/thread/WorkerControl.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>

namespace s::thread {

// An auto-reset event built from a mutex and a condition variable: a raise()
// that finds no waiter stays pending for the next wait, and one wait
// consumes it.
struct WorkerControl::Signal {
    std::mutex mutex;
    std::condition_variable condition;
    bool pending = false;
};

WorkerControl::Signal* WorkerControl::newSignal() {
    return new (std::nothrow) Signal();
}

void WorkerControl::deleteSignal(Signal* signal) {
    delete signal;
}

void WorkerControl::raise(Signal* signal) {
    if (signal == nullptr) {
        return;
    }
    {
        std::lock_guard<std::mutex> guard(signal->mutex);
        signal->pending = true;
    }
    signal->condition.notify_one();
}

void WorkerControl::waitSignal(Signal* signal, std::uint32_t timeoutMs) {
    if (signal == nullptr) {
        return;
    }
    std::unique_lock<std::mutex> guard(signal->mutex);
    if (timeoutMs == kWaitForever) {
        signal->condition.wait(guard, [signal] { return signal->pending; });
    } else {
        signal->condition.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                                   [signal] { return signal->pending; });
    }
    signal->pending = false;
}

std::int64_t WorkerControl::nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace s::thread
