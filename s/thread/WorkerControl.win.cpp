#include "s/thread/WorkerControl.h"

#include "s/platform/win/TickCount.h"

#include <windows.h>

#include <new>

namespace s::thread {

// An auto-reset event: a set() that finds no waiter stays pending for the
// next wait, and one wait consumes it.
struct WorkerControl::Signal {
    HANDLE event;
};

WorkerControl::Signal* WorkerControl::newSignal() {
    HANDLE event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (event == nullptr) {
        return nullptr;
    }
    Signal* signal = new (std::nothrow) Signal{event};
    if (signal == nullptr) {
        CloseHandle(event);
    }
    return signal;
}

void WorkerControl::deleteSignal(Signal* signal) {
    if (signal != nullptr) {
        CloseHandle(signal->event);
        delete signal;
    }
}

void WorkerControl::raise(Signal* signal) {
    if (signal != nullptr) {
        SetEvent(signal->event);
    }
}

void WorkerControl::waitSignal(Signal* signal, std::uint32_t timeoutMs) {
    if (signal == nullptr) {
        // Without a signal the worker can only poll; keep it from spinning.
        Sleep(timeoutMs == kWaitForever ? 10 : (timeoutMs < 10 ? timeoutMs : 10));
        return;
    }
    WaitForSingleObject(signal->event, timeoutMs == kWaitForever ? INFINITE : timeoutMs);
}

std::int64_t WorkerControl::nowMs() {
    return static_cast<std::int64_t>(s::platform::win::TickCount::nowMs());
}

} // namespace s::thread
