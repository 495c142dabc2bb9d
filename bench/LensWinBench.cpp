// Speed of the lens on the present virtual screen, each figure side by side
// with a BitBlt of the same size in the same run:
//  - the capture of the whole virtual screen, into a kept image and into a
//    new one (the lens gives its snapshot back when it hides), and its steps;
//  - showLens: capture plus showing a topmost window over the screen;
//  - drawLens at 125, 200 and 800 percent: our scaler (all cores, one core,
//    plain loops) beside GDI's HALFTONE StretchBlt, into a memory bitmap and
//    onto a shown window;
//  - a quality check of the scaler against exact floating-point bilinear
//    interpolation, and of the slices against a single slice.
// Run it on displays of 1920 x 1080 and 3840 x 2160 (bench/run_lens_bench.sh).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#include "bench/MedianTime.h"
#include "magnifier/LensPainter.h"
#include "s/gui/win/Window.h"
#include "s/image/scale/BilinearScaler.h"
#include "s/image/scale/SliceRunner.h"
#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/platform/win/WindowDC.h"
#include "s/system/monitor/win/Screen.h"
#include "s/thread/PoolRef.h"

namespace magnifier = s::image::gui::dialogs::magnifier;
namespace screen = s::system::monitor::win;
using magnifier::LensPainter;
using s::image::scale::BilinearScaler;
using s::image::win::BufferedImage;

namespace {

constexpr int kRuns = 20;
constexpr int kZooms[] = {125, 200, 800};

template <class Work> double medianMilliseconds(Work work, int runs = kRuns) {
    return bench::medianMilliseconds(work, runs);
}

void report(const char* name, double measured, double baseline) {
    std::printf("%-44s %8.2f ms   BitBlt %6.2f ms   ratio %6.1fx\n", name, measured, baseline,
                measured / baseline);
}

// The screen of a test display is mostly one colour; scaling speed and the
// quality check want every pixel different.
void fillWithNoise(BufferedImage& image) {
    GdiFlush();
    std::mt19937 random(7);
    auto* pixels = reinterpret_cast<uint32_t*>(image.getPixels());
    const size_t count = static_cast<size_t>(image.getWidth()) * image.getHeight();
    for (size_t i = 0; i < count; ++i) {
        pixels[i] = random() | 0xFF000000u;
    }
}

double referencePosition(int index, int origin, int span, int outputSize, int sourceSize) {
    const double position = origin + (index + 0.5) * span / outputSize - 0.5;
    return std::min(std::max(position, 0.0), static_cast<double>(sourceSize - 1));
}

// Largest difference of the scaled frame from exact bilinear interpolation,
// over every `rowStep`-th row.
int largestReferenceDifference(const BufferedImage& snapshot, const magnifier::SourceRect& source,
                               const uint8_t* frame, int width, int height, int rowStep) {
    const uint8_t* pixels = snapshot.getPixels();
    const int stride = snapshot.getWidth() * 4;
    int largest = 0;
    for (int y = 0; y < height; y += rowStep) {
        const double py =
            referencePosition(y, source.y, source.height, height, snapshot.getHeight());
        const int y0 = static_cast<int>(py);
        const int y1 = std::min(y0 + 1, snapshot.getHeight() - 1);
        const double ty = py - y0;
        for (int x = 0; x < width; ++x) {
            const double px =
                referencePosition(x, source.x, source.width, width, snapshot.getWidth());
            const int x0 = static_cast<int>(px);
            const int x1 = std::min(x0 + 1, snapshot.getWidth() - 1);
            const double tx = px - x0;
            for (int c = 0; c < 4; ++c) {
                const double top = pixels[y0 * stride + x0 * 4 + c] * (1 - tx) +
                                   pixels[y0 * stride + x1 * 4 + c] * tx;
                const double bottom = pixels[y1 * stride + x0 * 4 + c] * (1 - tx) +
                                      pixels[y1 * stride + x1 * 4 + c] * tx;
                const long exact = std::lround(top * (1 - ty) + bottom * ty);
                const int got = frame[(static_cast<size_t>(y) * width + x) * 4 + c];
                largest = std::max(largest, static_cast<int>(std::labs(exact - got)));
            }
        }
    }
    return largest;
}

void captureSteps(int32_t left, int32_t top, int32_t width, int32_t height, double screenBlit) {
    auto freshHolder = s::thread::PoolRef<BufferedImage>::take();
    BufferedImage& fresh = *freshHolder;
    const double newImage = medianMilliseconds(
        [&] {
            fresh.clear();
            screen::captureScreen(left, top, width, height, &fresh);
        },
        10);
    const double allocate = medianMilliseconds(
        [&] {
            fresh.clear();
            fresh.resize(width, height);
        },
        10);
    const double opaque = medianMilliseconds([&] { fresh.makeOpaque(); }, 10);
    const double screenDc = medianMilliseconds(
        [&] {
            s::platform::win::WindowDC dc(nullptr);
            s::platform::win::MemoryDC memory(dc.get());
        },
        10);
    // Other ways to read the screen, into the same DIB section.
    s::platform::win::MemoryDC memory(nullptr);
    s::platform::win::ObjectSelection selection(memory.get(), fresh.getBitmap());
    const double desktopWindow = medianMilliseconds(
        [&] {
            const HWND desktop = GetDesktopWindow();
            HDC dc = GetDC(desktop);
            BitBlt(memory.get(), 0, 0, width, height, dc, left, top, SRCCOPY);
            ReleaseDC(desktop, dc);
        },
        10);
    const double displayDc = medianMilliseconds(
        [&] {
            HDC dc = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
            BitBlt(memory.get(), 0, 0, width, height, dc, left, top, SRCCOPY);
            DeleteDC(dc);
        },
        10);
    const double viaBitmap = medianMilliseconds(
        [&] {
            s::platform::win::WindowDC dc(nullptr);
            HBITMAP bitmap = CreateCompatibleBitmap(dc.get(), width, height);
            s::platform::win::MemoryDC copy(dc.get());
            HGDIOBJ old = SelectObject(copy.get(), bitmap);
            BitBlt(copy.get(), 0, 0, width, height, dc.get(), left, top, SRCCOPY);
            SelectObject(copy.get(), old);
            BITMAPINFO info = {};
            info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
            info.bmiHeader.biWidth = width;
            info.bmiHeader.biHeight = -height;
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            info.bmiHeader.biCompression = BI_RGB;
            GetDIBits(dc.get(), bitmap, 0, height, fresh.getPixels(), &info, DIB_RGB_COLORS);
            DeleteObject(bitmap);
        },
        10);
    report("capture into a new image (lens after hide)", newImage, screenBlit);
    report("  other path: desktop window DC", desktopWindow, screenBlit);
    report("  other path: CreateDC(DISPLAY)", displayDc, screenBlit);
    report("  other path: device bitmap + GetDIBits", viaBitmap, screenBlit);
    report("  step: new DIB section", allocate, screenBlit);
    report("  step: screen DC + memory DC", screenDc, screenBlit);
    report("  step: alpha to 255", opaque, screenBlit);
}

// The steps of showing the lens from the state hiding leaves it in (hidden,
// 0 x 0, minimised), each timed on its own, in the dialog's order and with
// the window placed before it is shown.
void showSteps(s::gui::win::Window& lens, LensPainter& painter, BufferedImage& snapshot,
               int32_t left, int32_t top, int32_t width, int32_t height, double screenBlit) {
    using Clock = std::chrono::steady_clock;
    auto since = [](Clock::time_point start) {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    const magnifier::SourceRect source = magnifier::sourceRect(
        left + width / 2, top + height / 2, left, top, width, height, width, height, 200);
    for (int placedFirst = 0; placedFirst < 2; ++placedFirst) {
        std::vector<double> steps[5];
        for (int run = 0; run < 10; ++run) {
            lens.setVisible(false);
            lens.setSize(0, 0);
            lens.minimize();
            snapshot.clear();
            painter.releaseBuffers();
            Sleep(50);
            Clock::time_point start = Clock::now();
            screen::captureScreen(left, top, width, height, &snapshot);
            steps[0].push_back(since(start));
            start = Clock::now();
            if (placedFirst != 0) {
                lens.setBounds(left, top, width, height);
                steps[2].push_back(since(start));
                start = Clock::now();
                lens.setVisible(true, true);
                steps[1].push_back(since(start));
            } else {
                lens.setVisible(true, true);
                steps[1].push_back(since(start));
                start = Clock::now();
                lens.setBounds(left, top, width, height);
                steps[2].push_back(since(start));
            }
            start = Clock::now();
            {
                s::platform::win::WindowDC windowDc(lens.getHandle());
                painter.paint(windowDc.get(), width, height, snapshot, source);
                GdiFlush();
            }
            steps[3].push_back(since(start));
            start = Clock::now();
            lens.setVisible(false);
            lens.setSize(0, 0);
            lens.minimize();
            snapshot.clear();
            painter.releaseBuffers();
            steps[4].push_back(since(start));
        }
        const char* names[5] = {"capture into a new image", "show and activate",
                                "place over the virtual screen", "first frame (new buffers)",
                                "hide, give buffers back"};
        std::printf("show steps, %s:\n",
                    placedFirst != 0 ? "placed, then shown" : "shown, then placed (as the dialog)");
        for (int i = 0; i < 5; ++i) {
            std::sort(steps[i].begin(), steps[i].end());
            char name[96];
            std::snprintf(name, sizeof name, "  %s", names[i]);
            report(name, steps[i][steps[i].size() / 2], screenBlit);
        }
    }
}

} // namespace

int main() {
    const int32_t left = screen::virtualScreenLeft();
    const int32_t top = screen::virtualScreenTop();
    const int32_t width = screen::virtualScreenWidth();
    const int32_t height = screen::virtualScreenHeight();
    const int32_t processors = s::image::scale::SliceRunner::processorCount();
    setvbuf(stdout, nullptr, _IONBF, 0);
    std::printf("virtual screen %d x %d, median of %d, %d processors\n", width, height, kRuns,
                processors);

    auto snapshotHolder = s::thread::PoolRef<BufferedImage>::take();
    auto targetHolder = s::thread::PoolRef<BufferedImage>::take();
    BufferedImage& snapshot = *snapshotHolder;
    BufferedImage& target = *targetHolder;
    if (screen::captureScreen(left, top, width, height, &snapshot) == nullptr ||
        !target.resize(width, height)) {
        std::printf("no screen to capture\n");
        return 1;
    }
    s::platform::win::WindowDC screenDc(nullptr);
    s::platform::win::MemoryDC targetDc(screenDc.get());
    s::platform::win::ObjectSelection selection(targetDc.get(), target.getBitmap());

    // Baselines: a same-size copy from the screen, and one between memory bitmaps.
    const double screenBlit = medianMilliseconds(
        [&] { BitBlt(targetDc.get(), 0, 0, width, height, screenDc.get(), left, top, SRCCOPY); });
    double memoryBlit = 0;
    {
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
    report("capture (screen to kept image)", capture, screenBlit);
    captureSteps(left, top, width, height, screenBlit);
    report("showLens (capture + show + hide)", show, screenBlit);

    fillWithNoise(snapshot);
    LensPainter painter;
    char name[96];
    for (int zoom : kZooms) {
        const magnifier::SourceRect source =
            magnifier::sourceRect(left + width / 2, top + height / 2, left, top, width, height,
                                  snapshot.getWidth(), snapshot.getHeight(), zoom);
        auto draw = [&] { painter.paint(targetDc.get(), width, height, snapshot, source); };
        painter.setSmoothScaling(false);
        const double halftone = medianMilliseconds(draw, zoom == 200 ? kRuns : 5);
        painter.setSmoothScaling(true);
        painter.setThreadLimit(0);
        const double smooth = medianMilliseconds(draw);
        painter.setThreadLimit(1);
        const double oneCore = medianMilliseconds(draw);
        painter.setScalerPath(BilinearScaler::Path::Plain);
        const double plain = medianMilliseconds(draw);
        painter.setScalerPath(BilinearScaler::Path::Automatic);
        painter.setThreadLimit(0);
        std::snprintf(name, sizeof name, "drawLens %d %%: HALFTONE", zoom);
        report(name, halftone, memoryBlit);
        std::snprintf(name, sizeof name, "drawLens %d %%: scaler, %d threads", zoom, processors);
        report(name, smooth, memoryBlit);
        std::snprintf(name, sizeof name, "drawLens %d %%: scaler, 1 thread", zoom);
        report(name, oneCore, memoryBlit);
        std::snprintf(name, sizeof name, "drawLens %d %%: scaler, plain loops, 1 thread", zoom);
        report(name, plain, memoryBlit);
        std::printf("%-44s %8.1fx faster than HALFTONE\n", "", halftone / smooth);
    }

    // Onto a shown window, as the lens draws: the frame then crosses to the
    // display (under Wine, to the X server).
    {
        lens->setVisible(true, false);
        lens->setBounds(left, top, width, height);
        s::platform::win::WindowDC windowDc(lens->getHandle());
        const magnifier::SourceRect source =
            magnifier::sourceRect(left + width / 2, top + height / 2, left, top, width, height,
                                  snapshot.getWidth(), snapshot.getHeight(), 200);
        const double windowBlit = medianMilliseconds(
            [&] { BitBlt(windowDc.get(), 0, 0, width, height, targetDc.get(), 0, 0, SRCCOPY); });
        const double onWindow = medianMilliseconds(
            [&] { painter.paint(windowDc.get(), width, height, snapshot, source); });
        painter.setSmoothScaling(false);
        const double halftoneOnWindow = medianMilliseconds(
            [&] { painter.paint(windowDc.get(), width, height, snapshot, source); }, 5);
        painter.setSmoothScaling(true);
        report("BitBlt of a frame onto the window", windowBlit, memoryBlit);
        report("drawLens 200 % onto the window: scaler", onWindow, windowBlit);
        report("drawLens 200 % onto the window: HALFTONE", halftoneOnWindow, windowBlit);
        lens->setVisible(false);
    }

    showSteps(*lens, painter, snapshot, left, top, width, height, screenBlit);
    // The steps gave the snapshot back, as hiding does.
    if (screen::captureScreen(left, top, width, height, &snapshot) == nullptr) {
        return 1;
    }
    fillWithNoise(snapshot);

    // Quality: the frame against exact bilinear interpolation, and the bytes
    // of all slices against one slice.
    {
        const magnifier::SourceRect source =
            magnifier::sourceRect(left + width / 3, top + height / 3, left, top, width, height,
                                  snapshot.getWidth(), snapshot.getHeight(), 200);
        painter.setThreadLimit(0);
        painter.paint(targetDc.get(), width, height, snapshot, source);
        GdiFlush();
        std::vector<uint8_t> sliced(target.getPixels(),
                                    target.getPixels() + static_cast<size_t>(width) * height * 4);
        painter.setThreadLimit(1);
        painter.paint(targetDc.get(), width, height, snapshot, source);
        GdiFlush();
        const bool same = std::memcmp(sliced.data(), target.getPixels(), sliced.size()) == 0;
        const int difference =
            largestReferenceDifference(snapshot, source, target.getPixels(), width, height, 7);
        std::printf("quality at 200 %%: largest difference from exact bilinear %d level(s) "
                    "(every 7th row); %d slices %s 1 slice\n",
                    difference, BilinearScaler::slicesFor(width, height, processors),
                    same ? "byte-identical to" : "DIFFER from");
    }
    painter.releaseBuffers();
    return 0;
}
