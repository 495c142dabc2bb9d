#pragma once
// The timing loop of the Windows benchmarks: a figure is the median of
// several runs, so that one run slowed by the system (Wine's server, a page
// fault) does not move it. Header-only.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace bench {

// Milliseconds of the median of `runs` calls of work(); GDI's batch is
// flushed inside each run, so queued drawing is counted where it was asked.
template <class Work> double medianMilliseconds(Work work, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        GdiFlush();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace bench
