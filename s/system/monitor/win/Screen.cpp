#include "s/system/monitor/win/Screen.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/platform/win/WideText.h"
#include "s/platform/win/WindowDC.h"
#include "s/system/monitor/ScreenScale.h"
#include "s/thread/PoolRef.h"

namespace s::system::monitor::win {

namespace {

// SystemParametersInfoW action that reads the primary work area.
constexpr UINT kGetWorkArea = 48;

RECT primaryWorkArea() {
    RECT rect = {0, 0, 0, 0};
    SystemParametersInfoW(kGetWorkArea, 0, &rect, 0);
    return rect;
}

// The process-wide monitor list: filled once under its lock, read-only after.
struct MonitorList {
    std::mutex lock;
    std::atomic<bool> filled{false};
    // Never given back: the list lives as long as the process.
    std::vector<Monitor*> monitors;
};

// The size of one band of a screen capture.
constexpr int32_t kCaptureBandBytes = 1 << 20;

int32_t captureBandRows(int32_t width) {
    const int32_t rows = kCaptureBandBytes / (width * 4);
    return rows < 1 ? 1 : rows;
}

MonitorList& monitorList() {
    static MonitorList list;
    return list;
}

BOOL CALLBACK addMonitor(HMONITOR handle, HDC, LPRECT, LPARAM context) {
    auto* monitors = reinterpret_cast<std::vector<Monitor*>*>(context);
    Monitor* monitor = Monitor::newInstance();
    if (monitor == nullptr) {
        return FALSE;
    }
    monitor->setIndex(static_cast<int32_t>(monitors->size()));
    monitor->setHandle(handle);
    MONITORINFOEXW info = {};
    info.cbSize = sizeof(MONITORINFOEXW);
    if (GetMonitorInfoW(handle, &info)) {
        monitor->setName(s::platform::win::utf16(info.szDevice));
    }
    monitors->push_back(monitor);
    return TRUE;
}

MonitorList& filledMonitorList() {
    MonitorList& list = monitorList();
    if (!list.filled.load(std::memory_order_acquire)) {
        std::lock_guard<std::mutex> guard(list.lock);
        if (!list.filled.load(std::memory_order_relaxed)) {
            EnumDisplayMonitors(nullptr, nullptr, addMonitor,
                                reinterpret_cast<LPARAM>(&list.monitors));
            list.filled.store(true, std::memory_order_release);
        }
    }
    return list;
}

} // namespace

int32_t virtualScreenLeft() {
    return GetSystemMetrics(SM_XVIRTUALSCREEN);
}
int32_t virtualScreenTop() {
    return GetSystemMetrics(SM_YVIRTUALSCREEN);
}
int32_t virtualScreenWidth() {
    return GetSystemMetrics(SM_CXVIRTUALSCREEN);
}
int32_t virtualScreenHeight() {
    return GetSystemMetrics(SM_CYVIRTUALSCREEN);
}

int32_t workAreaLeft() {
    return primaryWorkArea().left;
}
int32_t workAreaTop() {
    return primaryWorkArea().top;
}
int32_t workAreaWidth() {
    const RECT rect = primaryWorkArea();
    return rect.right - rect.left;
}
int32_t workAreaHeight() {
    const RECT rect = primaryWorkArea();
    return rect.bottom - rect.top;
}

int32_t monitorCount() {
    return static_cast<int32_t>(filledMonitorList().monitors.size());
}

Monitor* monitorAt(int32_t index) {
    MonitorList& list = filledMonitorList();
    if (index < 0 || index >= static_cast<int32_t>(list.monitors.size())) {
        return nullptr;
    }
    return list.monitors[index];
}

Monitor* monitorFromRect(int32_t x, int32_t y, int32_t width, int32_t height) {
    MonitorList& list = filledMonitorList();
    const RECT rect = {x, y, x + width, y + height};
    const HMONITOR handle = MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST);
    for (Monitor* monitor : list.monitors) {
        if (monitor->getHandle() == handle) {
            return monitor;
        }
    }
    return nullptr;
}

int32_t screenScale() {
    // Computed once: later display changes are deliberately not followed, so
    // every window of the run keeps the same pixel sizes. Racing first calls
    // compute the same value.
    static const int32_t scale =
        scaleForPrimaryScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return scale;
}

s::image::win::BufferedImage* captureScreen(int32_t x, int32_t y, int32_t width, int32_t height,
                                            s::image::win::BufferedImage* image) {
    // 1. Clip the request to the virtual screen.
    const int32_t left = virtualScreenLeft();
    const int32_t top = virtualScreenTop();
    const int32_t right = left + virtualScreenWidth();
    const int32_t bottom = top + virtualScreenHeight();
    if (x < left) {
        width -= left - x;
        x = left;
    }
    if (y < top) {
        height -= top - y;
        y = top;
    }
    if (x + width > right) {
        width = right - x;
    }
    if (y + height > bottom) {
        height = bottom - y;
    }
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    // 2. Copy the screen.
    s::platform::win::WindowDC screen(nullptr);
    if (!screen) {
        return nullptr;
    }
    return copyArea(screen.get(), x, y, width, height, image);
}

s::image::win::BufferedImage* copyArea(HDC source, int32_t x, int32_t y, int32_t width,
                                       int32_t height, s::image::win::BufferedImage* image) {
    if (source == nullptr || width <= 0 || height <= 0) {
        return nullptr;
    }
    // 1. Everything that can fail happens on a picture of its own: the
    //    caller's image takes it over only once the copy has worked.
    auto fresh = s::thread::PoolRef<s::image::win::BufferedImage>::take();
    if (!fresh || !fresh->resize(width, height)) {
        return nullptr;
    }
    s::platform::win::MemoryDC memory(source);
    if (!memory) {
        return nullptr;
    }
    {
        s::platform::win::ObjectSelection selection(memory.get(), fresh->getBitmap());
        // In bands of about 1 MB rather than in one piece: a display
        // driver may stage each copy in a buffer of its own (Wine's X11
        // driver does), and a screen-sized staging buffer stays in its
        // allocator after the copy, so the idle program would keep tens of
        // megabytes. Small bands cost a few more calls and nothing else.
        const int32_t bandRows = captureBandRows(width);
        for (int32_t row = 0; row < height; row += bandRows) {
            const int32_t rows = height - row < bandRows ? height - row : bandRows;
            if (!BitBlt(memory.get(), 0, row, width, rows, source, x, y + row, SRCCOPY)) {
                return nullptr;
            }
        }
    }
    // 2. Screens have no alpha; make every pixel opaque.
    fresh->makeOpaque();
    if (image == nullptr) {
        return fresh.detach();
    }
    image->swap(*fresh);
    return image;
}

} // namespace s::system::monitor::win
