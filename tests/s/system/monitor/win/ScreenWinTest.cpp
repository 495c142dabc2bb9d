#include "s/system/monitor/win/Screen.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "s/thread/PoolRef.h"

namespace screen = s::system::monitor::win;
using s::image::win::BufferedImage;
using s::thread::PoolRef;

namespace {

// The test display: one 1920 x 1080 monitor, or (VEXA_DUAL_MONITOR=1) a
// 1920 x 1080 primary with a 1280 x 1024 monitor on its left.
bool isDualMonitorDisplay() {
    const char* dual = std::getenv("VEXA_DUAL_MONITOR");
    return dual != nullptr && dual[0] == '1';
}

// A topmost borderless window painted red with a blue rectangle at (40, 30)
// to (60, 40) of its client area: a known patch of screen.
class ColourPatch {
public:
    ColourPatch(int x, int y, int width, int height) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = &paint;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VexaColourPatch";
        RegisterClassW(&windowClass);
        window =
            CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"VexaColourPatch", L"", WS_POPUP, x,
                            y, width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ShowWindow(window, SW_SHOWNOACTIVATE);
        UpdateWindow(window);
        settle();
    }
    ~ColourPatch() {
        DestroyWindow(window);
        settle();
    }

private:
    static LRESULT CALLBACK paint(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != WM_PAINT) {
            return DefWindowProcW(window, message, wParam, lParam);
        }
        PAINTSTRUCT paintInfo;
        const HDC dc = BeginPaint(window, &paintInfo);
        RECT client;
        GetClientRect(window, &client);
        const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        const HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
        FillRect(dc, &client, red);
        const RECT inner = {40, 30, 60, 40};
        FillRect(dc, &inner, blue);
        DeleteObject(red);
        DeleteObject(blue);
        EndPaint(window, &paintInfo);
        return 0;
    }
    // Lets the window system map and paint the window.
    static void settle() {
        for (int i = 0; i < 30; ++i) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageW(&message);
            }
            Sleep(10);
        }
    }
    HWND window = nullptr;
};

// Blue, green, red, alpha of one pixel.
struct Pixel {
    uint8_t blue, green, red, alpha;
};
Pixel pixelAt(const BufferedImage& image, int x, int y) {
    const uint8_t* p = image.getPixels() + (static_cast<size_t>(y) * image.getWidth() + x) * 4;
    return Pixel{p[0], p[1], p[2], p[3]};
}

} // namespace

TEST(ScreenWinTest, VirtualScreenAndMonitorsMatchTheDisplay) {
    if (isDualMonitorDisplay()) {
        EXPECT_EQ(-1280, screen::virtualScreenLeft());
        EXPECT_EQ(0, screen::virtualScreenTop());
        EXPECT_EQ(3200, screen::virtualScreenWidth());
        EXPECT_EQ(1080, screen::virtualScreenHeight());
        ASSERT_EQ(2, screen::monitorCount());
    } else {
        EXPECT_EQ(0, screen::virtualScreenLeft());
        EXPECT_EQ(1920, screen::virtualScreenWidth());
        ASSERT_EQ(1, screen::monitorCount());
    }
    for (int32_t i = 0; i < screen::monitorCount(); ++i) {
        const screen::Monitor* monitor = screen::monitorAt(i);
        ASSERT_NE(nullptr, monitor);
        EXPECT_EQ(i, monitor->getIndex());
        EXPECT_NE(u'\0', monitor->getName()[0]);
        EXPECT_GT(monitor->getWidth(), 0);
        EXPECT_LE(monitor->getWorkWidth(), monitor->getWidth());
    }
    EXPECT_EQ(nullptr, screen::monitorAt(-1));
    EXPECT_EQ(nullptr, screen::monitorAt(screen::monitorCount()));
    EXPECT_EQ(1, screen::screenScale());
    EXPECT_GT(screen::workAreaWidth(), 0);
    EXPECT_LE(screen::workAreaHeight(), 1080);
}

TEST(ScreenWinTest, MonitorFromRectPicksTheLargerOverlap) {
    const screen::Monitor* primary = screen::monitorFromRect(100, 100, 50, 50);
    ASSERT_NE(nullptr, primary);
    EXPECT_EQ(0, primary->getLeft());
    EXPECT_EQ(1920, primary->getWidth());
    if (!isDualMonitorDisplay()) {
        // Far outside every monitor: the nearest one.
        EXPECT_EQ(primary, screen::monitorFromRect(10000, 10000, 5, 5));
        return;
    }
    // Straddling: 200 pixels on the primary, 100 on the left monitor, then
    // the other way round.
    EXPECT_EQ(primary, screen::monitorFromRect(-100, 100, 300, 100));
    const screen::Monitor* left = screen::monitorFromRect(-200, 100, 300, 100);
    ASSERT_NE(nullptr, left);
    EXPECT_NE(primary, left);
    EXPECT_EQ(-1280, left->getLeft());
    EXPECT_EQ(1024, left->getHeight());
}

TEST(ScreenWinTest, CaptureIsClippedToTheVirtualScreen) {
    const int32_t left = screen::virtualScreenLeft();
    const int32_t top = screen::virtualScreenTop();
    const int32_t width = screen::virtualScreenWidth();
    const int32_t height = screen::virtualScreenHeight();

    PoolRef<BufferedImage> whole(screen::captureScreen(left, top, width, height, nullptr));
    ASSERT_NE(nullptr, whole.get());
    EXPECT_EQ(width, whole->getWidth());
    EXPECT_EQ(height, whole->getHeight());
    EXPECT_EQ(255, pixelAt(*whole, 0, 0).alpha);
    EXPECT_EQ(255, pixelAt(*whole, width - 1, height - 1).alpha);

    // Partly outside at the top-left and at the bottom-right corners.
    PoolRef<BufferedImage> image = PoolRef<BufferedImage>::take();
    ASSERT_EQ(image.get(), screen::captureScreen(left - 10, top - 20, 30, 50, image.get()));
    EXPECT_EQ(20, image->getWidth());
    EXPECT_EQ(30, image->getHeight());
    ASSERT_EQ(image.get(),
              screen::captureScreen(left + width - 5, top + height - 7, 100, 100, image.get()));
    EXPECT_EQ(5, image->getWidth());
    EXPECT_EQ(7, image->getHeight());

    // Entirely outside or empty: nothing, and the given image is untouched.
    EXPECT_EQ(nullptr, screen::captureScreen(left + width, top, 10, 10, image.get()));
    EXPECT_EQ(nullptr, screen::captureScreen(left - 50, top, 50, 10, image.get()));
    EXPECT_EQ(nullptr, screen::captureScreen(left, top, 0, 10, image.get()));
    EXPECT_EQ(nullptr, screen::captureScreen(left, top, 10, -3, nullptr));
    EXPECT_EQ(5, image->getWidth());
    EXPECT_EQ(7, image->getHeight());
}

TEST(ScreenWinTest, CapturedPixelZeroIsTheRequestedCorner) {
    const int32_t x = isDualMonitorDisplay() ? -1000 : 300;
    ColourPatch patch(x, 200, 120, 80);
    PoolRef<BufferedImage> image = PoolRef<BufferedImage>::take();
    ASSERT_NE(nullptr, screen::captureScreen(x, 200, 120, 80, image.get()));
    const Pixel corner = pixelAt(*image, 0, 0);
    EXPECT_EQ(255, corner.red);
    EXPECT_EQ(0, corner.blue);
    const Pixel inner = pixelAt(*image, 45, 35);
    EXPECT_EQ(255, inner.blue);
    EXPECT_EQ(0, inner.red);
    EXPECT_EQ(255, pixelAt(*image, 39, 35).red);

    if (isDualMonitorDisplay()) {
        // The whole virtual screen: pixel (0, 0) is (-1280, 0).
        PoolRef<BufferedImage> whole(screen::captureScreen(
            screen::virtualScreenLeft(), screen::virtualScreenTop(), screen::virtualScreenWidth(),
            screen::virtualScreenHeight(), nullptr));
        ASSERT_NE(nullptr, whole.get());
        EXPECT_EQ(255, pixelAt(*whole, x + 1280 + 45, 235).blue);
        EXPECT_EQ(255, pixelAt(*whole, x + 1280 + 1, 201).red);
    }
}

TEST(ScreenWinTest, AFailedCopyLeavesTheGivenImageExactlyAsItWas) {
    PoolRef<BufferedImage> taken = PoolRef<BufferedImage>::take();
    BufferedImage& image = *taken;
    ASSERT_TRUE(image.resize(4, 3));
    for (int i = 0; i < 4 * 3 * 4; ++i) {
        image.getPixels()[i] = static_cast<uint8_t>(i);
    }
    const HBITMAP bitmap = image.getBitmap();
    // A context that no longer exists cannot be read.
    const HDC gone = CreateCompatibleDC(nullptr);
    ASSERT_NE(nullptr, gone);
    DeleteDC(gone);
    EXPECT_EQ(nullptr, screen::copyArea(gone, 0, 0, 10, 8, &image));
    EXPECT_EQ(nullptr, screen::copyArea(nullptr, 0, 0, 10, 8, &image));
    EXPECT_EQ(bitmap, image.getBitmap());
    EXPECT_EQ(4, image.getWidth());
    EXPECT_EQ(3, image.getHeight());
    for (int i = 0; i < 4 * 3 * 4; ++i) {
        ASSERT_EQ(static_cast<uint8_t>(i), image.getPixels()[i]) << i;
    }

    // A readable context fills the same image object, opaque.
    PoolRef<BufferedImage> sourceImage = PoolRef<BufferedImage>::take();
    BufferedImage& source = *sourceImage;
    ASSERT_TRUE(source.resize(6, 5));
    for (int i = 0; i < 6 * 5; ++i) {
        reinterpret_cast<uint32_t*>(source.getPixels())[i] = i == 6 + 2 ? 0x0000FF00 : 0x000000FF;
    }
    const HDC memory = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(memory, source.getBitmap());
    EXPECT_EQ(&image, screen::copyArea(memory, 1, 1, 3, 2, &image));
    SelectObject(memory, previous);
    DeleteDC(memory);
    EXPECT_EQ(3, image.getWidth());
    EXPECT_EQ(2, image.getHeight());
    EXPECT_EQ(255, pixelAt(image, 1, 0).green);
    EXPECT_EQ(255, pixelAt(image, 0, 0).blue);
    EXPECT_EQ(255, pixelAt(image, 2, 1).alpha);
}
