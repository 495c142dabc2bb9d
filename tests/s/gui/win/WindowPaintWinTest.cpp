// The window's painting seam: a drawer paints through the off-screen buffer
// (and takes the native frame away); without one the client area is filled
// with the background colour; children are never painted over.
#include "s/gui/win/Window.h"

#include <gtest/gtest.h>

#include "s/gui/drawer/Skinner.h"
#include "s/gui/win/Box.h"
#include "s/image/win/BufferedImage.h"
#include "s/thread/PoolRef.h"
#include "tests/s/gui/win/MemorySettings.h"
#include "tests/s/gui/win/TestDrawers.h"

using s::gui::win::Box;
using s::gui::win::Window;
using s::thread::PoolRef;

namespace {

constexpr COLORREF kUntouched = RGB(255, 0, 255);
constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 200);

// A memory context of 400 x 300 pixels filled with kUntouched, standing in
// for the screen: the window erases into it and the test reads its pixels.
class Canvas {
public:
    Canvas() {
        HDC screen = GetDC(nullptr);
        dc = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, 400, 300);
        ReleaseDC(nullptr, screen);
        previous = SelectObject(dc, bitmap);
        const RECT all = {0, 0, 400, 300};
        HBRUSH brush = CreateSolidBrush(kUntouched);
        FillRect(dc, &all, brush);
        DeleteObject(brush);
    }
    ~Canvas() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    COLORREF at(int x, int y) const { return GetPixel(dc, x, y); }
    void eraseFrom(const Window& window) {
        SendMessageW(window.getHandle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    }

    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

} // namespace

TEST(WindowPaintWinTest, WithoutADrawerTheClientIsFilledWithTheBackgroundAroundTheChildren) {
    auto window = PoolRef<Window>::take();
    window->setNativeFrame(false);
    window->setBounds(0, 0, 200, 100);
    window->setBackground(10, 200, 30, false);
    Box* box = Box::newInstance();
    box->setWidthPercent(25, false);
    box->setHeightPercent(50, false);
    window->add(box); // laid out at (0, 0, 50, 50)

    Canvas canvas;
    canvas.eraseFrom(*window);
    EXPECT_EQ(RGB(10, 200, 30), canvas.at(100, 75));
    EXPECT_EQ(RGB(10, 200, 30), canvas.at(199, 99));
    EXPECT_EQ(kUntouched, canvas.at(10, 10)); // the child's rectangle
    EXPECT_EQ(kUntouched, canvas.at(49, 49));
    EXPECT_EQ(kUntouched, canvas.at(250, 50)); // beyond the client area

    window->setBackgroundWhite();
    canvas.eraseFrom(*window);
    EXPECT_EQ(RGB(255, 255, 255), canvas.at(100, 75));
}

TEST(WindowPaintWinTest, ADrawerPaintsThroughTheBufferWithoutTheNativeFrame) {
    auto window = PoolRef<Window>::take();
    PatternDrawer drawer(kRed, kBlue);
    window->setDrawer(&drawer, false);
    window->setBounds(0, 0, 300, 200);
    const HWND handle = window->getHandle();
    EXPECT_EQ(0, GetWindowLongPtrW(handle, GWL_STYLE) & WS_CAPTION);
    // The whole window is client area and the drawer shapes it.
    EXPECT_EQ(300, window->getClientWidth());
    EXPECT_EQ(200, window->getClientHeight());
    EXPECT_LT(0, drawer.regions.load());

    Canvas canvas;
    canvas.eraseFrom(*window);
    EXPECT_EQ(kRed, canvas.at(10, 100));
    EXPECT_EQ(kBlue, canvas.at(290, 100));
    EXPECT_EQ(kUntouched, canvas.at(350, 100));
    EXPECT_EQ(300, drawer.lastWidth.load());

    // One buffer, kept while large enough, replaced by an exact one when far
    // too large.
    s::image::win::BufferedImage* buffer = window->getBufferImage();
    ASSERT_NE(nullptr, buffer);
    EXPECT_EQ(300, buffer->getWidth());
    window->setBounds(0, 0, 290, 200);
    canvas.eraseFrom(*window);
    EXPECT_EQ(buffer, window->getBufferImage());
    EXPECT_EQ(300, buffer->getWidth());
    window->setBounds(0, 0, 100, 100);
    canvas.eraseFrom(*window);
    EXPECT_EQ(100, window->getBufferImage()->getWidth());
    EXPECT_EQ(100, window->getBufferImage()->getHeight());

    // Lent drawers stay with their owner; owned ones are given back.
    auto* owned = new PatternDrawer(kBlue, kRed);
    window->setDrawer(owned, true);
    EXPECT_FALSE(drawer.released.load());
    window->setDrawer(&drawer, false);
    EXPECT_TRUE(owned->released.load());
    delete owned;
    canvas.eraseFrom(*window);
    EXPECT_EQ(kRed, canvas.at(10, 50));
}

TEST(WindowPaintWinTest, TheSkinnerLendsTheCurrentWindowDrawerAndTellsTheSettings) {
    auto skinner = PoolRef<s::gui::drawer::Skinner>::take();
    PatternDrawer whiteDrawer(RGB(255, 255, 255), RGB(255, 255, 255));
    PatternDrawer blackDrawer(RGB(0, 0, 0), RGB(0, 0, 0));
    NamedSkin white(u"White", &whiteDrawer);
    NamedSkin black(u"Black Black", &blackDrawer);
    skinner->addScheme(&white);
    skinner->addScheme(&black);
    skinner->select(u"White");

    MemorySettings settings;
    auto window = PoolRef<Window>::take();
    window->bindSettings(&settings, false);
    window->setSkinner(skinner.get());
    EXPECT_EQ(&whiteDrawer, window->getDrawer());
    EXPECT_EQ(u"White", settings.skin);

    skinner->select(u"black black");
    EXPECT_EQ(&blackDrawer, window->getDrawer());
    EXPECT_EQ(u"Black Black", settings.skin);
    window->setBounds(0, 0, 100, 100);
    Canvas canvas;
    canvas.eraseFrom(*window);
    EXPECT_EQ(RGB(0, 0, 0), canvas.at(50, 50));

    // A reset window leaves the skinner's list: later changes pass it by.
    window->reset();
    skinner->select(u"White");
    EXPECT_EQ(nullptr, window->getDrawer());
    EXPECT_FALSE(whiteDrawer.released.load());
    skinner->reset(); // gives the skins back while they still exist
}
