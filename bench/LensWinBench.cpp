// Speed of the lens on the present virtual screen, each figure side by side
// with a plain BitBlt of the same size in the same run:
//  - showLens: capture of the whole virtual screen (into a reused image) plus
//    showing a topmost window over it;
//  - drawLens: one full-screen HALFTONE enlargement at 200 percent.
// Run it on displays of 1920 x 1080 and 3840 x 2160 (bench/run_lens_bench.sh).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "magnifier/LensPainter.h"
#include "s/gui/win/Window.h"
#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/platform/win/WindowDC.h"
#include "s/system/monitor/win/Screen.h"
#include "s/thread/PoolRef.h"

namespace magnifier = s::image::gui::dialogs::magnifier;
namespace screen = s::system::monitor::win;
using s::image::win::BufferedImage;

namespace {

constexpr int kRuns = 20;

template <class Work> double medianMilliseconds(Work work) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        GdiFlush();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const char* name, double measured, double baseline) {
    std::printf("%-34s %8.2f ms   BitBlt %6.2f ms   ratio %6.1fx\n", name, measured, baseline,
                measured / baseline);
}

} // namespace

int main() {
    const int32_t left = screen::virtualScreenLeft();
    const int32_t top = screen::virtualScreenTop();
    const int32_t width = screen::virtualScreenWidth();
    const int32_t height = screen::virtualScreenHeight();
    std::printf("virtual screen %d x %d, median of %d\n", width, height, kRuns);

    BufferedImage snapshot;
    BufferedImage target;
    if (screen::captureScreen(left, top, width, height, &snapshot) == nullptr ||
        !target.resize(width, height)) {
        std::printf("no screen to capture\n");
        return 1;
    }
    s::platform::win::WindowDC screenDc(nullptr);
    s::platform::win::MemoryDC targetDc(screenDc.get());
    s::platform::win::ObjectSelection selection(targetDc.get(), target.getBitmap());

    // Baseline: a same-size copy from the screen, and one between memory bitmaps.
    const double screenBlit = medianMilliseconds(
        [&] { BitBlt(targetDc.get(), 0, 0, width, height, screenDc.get(), left, top, SRCCOPY); });
    double memoryBlit = 0;
    {
        // Deselected again at the end of the block: the lens selects the
        // snapshot itself.
        s::platform::win::MemoryDC snapshotDc(screenDc.get());
        s::platform::win::ObjectSelection snapshotSelection(snapshotDc.get(), snapshot.getBitmap());
        memoryBlit = medianMilliseconds(
            [&] { BitBlt(targetDc.get(), 0, 0, width, height, snapshotDc.get(), 0, 0, SRCCOPY); });
    }

    auto lens = s::thread::PoolRef<s::gui::win::Window>::take();
    lens->setKeepOnTop(true);
    const double show = medianMilliseconds([&] {
        screen::captureScreen(left, top, width, height, &snapshot);
        lens->setVisible(true, true);
        lens->setBounds(left, top, width, height);
        lens->setVisible(false);
    });
    const double capture =
        medianMilliseconds([&] { screen::captureScreen(left, top, width, height, &snapshot); });

    const magnifier::SourceRect source =
        magnifier::sourceRect(left + width / 2, top + height / 2, left, top, width, height,
                              snapshot.getWidth(), snapshot.getHeight(), 200);
    const double draw = medianMilliseconds(
        [&] { magnifier::paintEnlarged(targetDc.get(), width, height, snapshot, source); });

    report("capture (screen to image)", capture, screenBlit);
    report("showLens (capture + show + hide)", show, screenBlit);
    report("drawLens (HALFTONE, 200 %)", draw, memoryBlit);
    return 0;
}
