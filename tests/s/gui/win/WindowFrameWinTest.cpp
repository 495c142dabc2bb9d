#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "s/gui/win/Window.h"
#include "s/system/monitor/win/Screen.h"
#include "s/thread/PoolRef.h"

using s::gui::win::Window;
using s::gui::win::WindowEvent;
namespace screen = s::system::monitor::win;

namespace {

// Counts the events it is told, by code.
class Counter : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject* source, int32_t code) override {
        if (code >= 0 && code < 32) {
            counts[code].fetch_add(1);
        }
    }
    int count(WindowEvent code) const { return counts[static_cast<int32_t>(code)].load(); }
    std::atomic<int> counts[32] = {};
};

bool waitFor(bool (*condition)(Window&), Window& window) {
    // Timers and the window thread get their turn; a condition that holds
    // ends the wait at once, so no test depends on the machine's speed.
    for (int i = 0; i < 300; ++i) {
        if (condition(window)) {
            return true;
        }
        Sleep(10);
    }
    return condition(window);
}

// The cursor where a test wants it, with the mouse move this makes already
// handled by every window.
// The X server echoes pointer moves and window changes back to Wine a little
// later, and a late echo of an earlier state may pass for the present one for
// a moment: waits until the cursor reads where it was put, twice in a row.
void putCursor(int32_t x, int32_t y) {
    SetCursorPos(x, y);
    int steady = 0;
    for (int i = 0; i < 100 && steady < 2; ++i) {
        Sleep(50);
        POINT cursor;
        const bool there = GetCursorPos(&cursor) && cursor.x == x && cursor.y == y;
        steady = there ? steady + 1 : 0;
        if (!there) {
            SetCursorPos(x, y);
        }
    }
}

// Shown, then placed: the X window manager places a window it maps where it
// likes, so a test's bounds are set once it has done so.
void showAt(Window& window, int32_t x, int32_t y, int32_t width, int32_t height) {
    window.setNativeFrame(false); // a new window has the system frame
    window.setVisible(true);
    Sleep(100);
    window.setBounds(x, y, width, height);
    Sleep(50);
}

// The window's rectangle once the X server's echo of a change has come back.
RECT settledBounds(HWND window) {
    Sleep(50);
    RECT bounds = {0, 0, 0, 0};
    GetWindowRect(window, &bounds);
    return bounds;
}

BYTE layeredAlpha(HWND window) {
    using Getter = BOOL(WINAPI*)(HWND, COLORREF*, BYTE*, DWORD*);
    const auto getter = reinterpret_cast<Getter>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetLayeredWindowAttributes")));
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (getter == nullptr || !getter(window, &key, &alpha, &flags) || flags != LWA_ALPHA) {
        return 0;
    }
    return alpha;
}

bool isLayered(HWND window) {
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

} // namespace

TEST(WindowFrameWinTest, OpacityLayersTheWindowBelowHundredPercentAndOnlyOnTopWhenAsked) {
    auto window = s::thread::PoolRef<Window>::take();
    const HWND handle = window->getHandle();
    window->setBounds(100, 100, 200, 150);
    window->setVisible(true);
    EXPECT_FALSE(isLayered(handle));

    window->setOpacity(50, false);
    EXPECT_TRUE(isLayered(handle));
    EXPECT_EQ(127, layeredAlpha(handle));
    EXPECT_EQ(50, window->getOpacity());
    window->setOpacity(1, false);
    EXPECT_EQ(2, layeredAlpha(handle));
    window->setOpacity(100, false);
    EXPECT_FALSE(isLayered(handle));

    // Translucent only while kept on top.
    window->setOpacity(60, true);
    EXPECT_FALSE(isLayered(handle));
    window->setKeepOnTop(true);
    EXPECT_TRUE(isLayered(handle));
    EXPECT_EQ(153, layeredAlpha(handle));
    window->setKeepOnTop(false);
    EXPECT_FALSE(isLayered(handle));
    EXPECT_EQ(100, window->getOpacity());
}

TEST(WindowFrameWinTest, KeepOnScreenAsksForTenPixelsAndBringsAnOffScreenWindowBack) {
    auto window = s::thread::PoolRef<Window>::take();
    const int32_t right = screen::virtualScreenLeft() + screen::virtualScreenWidth();
    const int32_t bottom = screen::virtualScreenTop() + screen::virtualScreenHeight();
    window->setBounds(right + 500, bottom + 500, 300, 200);
    EXPECT_FALSE(window->isOnScreen()) << "entirely off the screen";
    window->setKeepOnScreen(false);
    EXPECT_TRUE(window->isOnScreen()) << "nobody asks";
    window->setKeepOnScreen(true);

    window->centerOnWorkArea();
    EXPECT_EQ(screen::workAreaLeft() + (screen::workAreaWidth() - 300) / 2, window->getX());
    EXPECT_EQ(screen::workAreaTop() + (screen::workAreaHeight() - 200) / 2, window->getY());
    EXPECT_TRUE(window->isOnScreen());

    // Overlapping by exactly 10 pixels stays; by 9 it does not.
    window->setLocation(right - 10, bottom - 10);
    EXPECT_TRUE(window->isOnScreen());
    window->setLocation(right - 9, bottom - 10);
    EXPECT_FALSE(window->isOnScreen());
    window->moveOnScreen();
    EXPECT_EQ(right - 300, window->getX());
    EXPECT_EQ(bottom - 200, window->getY());
}

TEST(WindowFrameWinTest, ASnappingWindowStopsAtTheWorkAreaOnASingleMonitor) {
    if (screen::monitorCount() != 1) {
        GTEST_SKIP() << "the limit is the work area only with one monitor";
    }
    auto window = s::thread::PoolRef<Window>::take();
    // The X server reports each move back a little later, and the display's
    // window manager may still place a newly shown window: every step waits
    // for that echo before it is judged.
    const auto waitForEcho = [] { Sleep(100); };
    showAt(*window, 100, 100, 300, 200);
    window->setSnapToScreen(true);
    waitForEcho();
    const int32_t workRight = screen::workAreaLeft() + screen::workAreaWidth();
    const int32_t workBottom = screen::workAreaTop() + screen::workAreaHeight();

    window->setLocation(workRight - 100, 120);
    waitForEcho();
    EXPECT_EQ(workRight - 300, window->getX()) << "the right edge on the work area's";
    EXPECT_EQ(120, window->getY());
    window->setLocation(-50, workBottom);
    waitForEcho();
    EXPECT_EQ(screen::workAreaLeft(), window->getX());
    EXPECT_EQ(workBottom - 200, window->getY());

    // A pure size change past the edge moves the window back as well.
    window->setLocation(workRight - 300, 100);
    waitForEcho();
    window->setSize(400, 200);
    waitForEcho();
    EXPECT_EQ(workRight - 400, window->getX());
    EXPECT_EQ(400, window->getWidth());

    // Switched on while off the bounds: clamped at once.
    window->setSnapToScreen(false);
    waitForEcho();
    window->setLocation(workRight - 50, 100);
    waitForEcho();
    EXPECT_EQ(workRight - 50, window->getX());
    window->setSnapToScreen(true);
    waitForEcho();
    EXPECT_EQ(workRight - 400, window->getX());

    // A minimized window comes back where it was. (The test display's window
    // manager may give the minimized state back at once; where the window
    // returns to is what counts.)
    window->minimize();
    window->showNormal();
    waitForEcho();
    EXPECT_EQ(workRight - 400, window->getX());
}

TEST(WindowFrameWinTest, DraggingTheTopBorderStopsAtTheMinimumHeightWithTheBottomFixed) {
    // Driven by the window's own messages with the real cursor: hover, press,
    // move and release as the system would send them.
    auto window = s::thread::PoolRef<Window>::take();
    const HWND handle = window->getHandle();
    window->setFramePainted(true);
    window->setResizable(true);
    window->setMinimumHeight(150);
    showAt(*window, 200, 200, 300, 200);
    Counter counter;
    window->addListener(WindowEvent::Sizing, &counter);
    window->addListener(WindowEvent::LeftDown, &counter);

    putCursor(350, 201); // on the top border, away from the corners
    EXPECT_EQ(12, SendMessageW(handle, WM_NCHITTEST, 0, MAKELPARAM(350, 201)));
    SendMessageW(handle, WM_NCMOUSEMOVE, 12, MAKELPARAM(350, 201));
    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 1));
    EXPECT_EQ(0, counter.count(WindowEvent::LeftDown)) << "a border press is no click";

    // 30 pixels down: the top follows.
    putCursor(350, 231);
    SendMessageW(handle, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 1));
    RECT bounds = settledBounds(handle);
    EXPECT_EQ(230, bounds.top);
    EXPECT_EQ(400, bounds.bottom);

    // 80 more: the window stops at 150 pixels, its bottom where it was.
    putCursor(350, 311);
    SendMessageW(handle, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 81));
    bounds = settledBounds(handle);
    EXPECT_EQ(250, bounds.top);
    EXPECT_EQ(400, bounds.bottom);

    // Back up by 20: the top stays, anchored where it stopped rather than
    // drifting with the cursor.
    putCursor(350, 291);
    SendMessageW(handle, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 41));
    EXPECT_EQ(250, settledBounds(handle).top);
    // Released 20 above the edge: the top follows by those 20.
    putCursor(350, 231);
    SendMessageW(handle, WM_NCLBUTTONUP, HTTOP, MAKELPARAM(350, 231));
    bounds = settledBounds(handle);
    EXPECT_EQ(230, bounds.top);
    EXPECT_EQ(400, bounds.bottom);
    EXPECT_GE(counter.count(WindowEvent::Sizing), 3);
}

TEST(WindowFrameWinTest, EasyDragTurnsTheBodyIntoACaptionUnlessTheRightButtonIsHeld) {
    auto window = s::thread::PoolRef<Window>::take();
    const HWND handle = window->getHandle();
    showAt(*window, 150, 150, 300, 200);
    const LPARAM body = MAKELPARAM(300, 250);
    EXPECT_EQ(HTCLIENT, SendMessageW(handle, WM_NCHITTEST, 0, body)) << "off: the system's answer";
    window->setEasyDrag(true);
    EXPECT_TRUE(window->isEasyDrag());
    EXPECT_EQ(HTCAPTION, SendMessageW(handle, WM_NCHITTEST, 0, body));

    // The real right button, held over the window.
    putCursor(300, 250);
    INPUT press = {};
    press.type = INPUT_MOUSE;
    press.mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
    ASSERT_EQ(1u, SendInput(1, &press, sizeof(press)));
    Sleep(100);
    const LRESULT held = SendMessageW(handle, WM_NCHITTEST, 0, body);
    INPUT release = press;
    release.mi.dwFlags = MOUSEEVENTF_RIGHTUP;
    SendInput(1, &release, sizeof(release));
    Sleep(100);
    EXPECT_EQ(HTCLIENT, held) << "no window drag with the right button down";
    EXPECT_EQ(HTCAPTION, SendMessageW(handle, WM_NCHITTEST, 0, body));
}

TEST(WindowFrameWinTest, TheMiddleClickClosesIconizesOrOnlyReports) {
    HICON icon = LoadIconW(nullptr, IDI_APPLICATION);
    {
        auto window = s::thread::PoolRef<Window>::take();
        Counter counter;
        window->addListener(WindowEvent::MiddleDown, &counter);
        window->setVisible(true);
        EXPECT_EQ(Window::kMiddleClickDoNothing, window->getMiddleClickAction());
        SendMessageW(window->getHandle(), WM_MBUTTONDOWN, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(1, counter.count(WindowEvent::MiddleDown));
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->isClosed());
        EXPECT_FALSE(window->isIconized());

        window->setMiddleClickAction(u"Iconize"); // an equal text counts as the constant
        EXPECT_EQ(Window::kMiddleClickIconize, window->getMiddleClickAction());
        window->setSmallIcon(s::platform::win::OwnedIcon(CopyIcon(icon)));
        SendMessageW(window->getHandle(), WM_NCMBUTTONDOWN, HTCAPTION, MAKELPARAM(5, 5));
        EXPECT_EQ(2, counter.count(WindowEvent::MiddleDown));
        EXPECT_TRUE(window->isIconized());
        EXPECT_FALSE(window->isVisible());
        EXPECT_TRUE(window->isTrayIconShown());
        window->restore();
        EXPECT_FALSE(window->isTrayIconShown());

        window->setMiddleClickAction(Window::kMiddleClickClose);
        SendMessageW(window->getHandle(), WM_MBUTTONDOWN, 0, MAKELPARAM(5, 5));
        EXPECT_TRUE(window->isClosed());
        window->setMiddleClickAction(u"Explode");
        EXPECT_EQ(Window::kMiddleClickDoNothing, window->getMiddleClickAction());
    }
}

TEST(WindowFrameWinTest, MinimizingToTheTrayShowsTheIconAndRestoringRemovesIt) {
    auto window = s::thread::PoolRef<Window>::take();
    window->setSmallIcon(
        s::platform::win::OwnedIcon(CopyIcon(LoadIconW(nullptr, IDI_APPLICATION))));
    window->setMinimizeToTray(true);
    window->setVisible(true);
    SendMessageW(window->getHandle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(window->isIconized());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->isTrayIconShown());
    window->restore();
    EXPECT_FALSE(window->isIconized());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isTrayIconShown());
    // With the show-tray-icon switch the icon stays.
    window->setShowTrayIcon(true);
    window->iconize();
    window->restore();
    EXPECT_TRUE(window->isTrayIconShown());
}

TEST(WindowFrameWinTest, AFollowingWindowMovesOnAOnePixelOffsetAndNotAtItsCentre) {
    auto window = s::thread::PoolRef<Window>::take();
    showAt(*window, 300, 300, 200, 100);
    Counter counter;
    window->addListener(WindowEvent::Moved, &counter);
    putCursor(400, 350);
    window->setFollowCursor(true);
    EXPECT_EQ(0, counter.count(WindowEvent::Moved)) << "the cursor is at the centre";
    EXPECT_EQ(300, window->getX());

    putCursor(401, 351);
    EXPECT_TRUE(waitFor([](Window& w) { return w.getX() == 301 && w.getY() == 301; }, *window))
        << "the timer follows a one-pixel offset";

    window->setFollowCursor(false);
    putCursor(500, 500);
    Sleep(300);
    EXPECT_EQ(301, window->getX()) << "no longer following";
}

TEST(WindowFrameWinTest, TheArmedCaptureRecordsTheCursorWhenItEnds) {
    auto window = s::thread::PoolRef<Window>::take();
    window->setBounds(100, 100, 200, 100);
    window->setVisible(true);
    Counter counter;
    window->addListener(WindowEvent::CaptureEnded, &counter);
    // A capture change while not armed says nothing.
    SendMessageW(window->getHandle(), WM_CAPTURECHANGED, 0, 0);
    EXPECT_EQ(0, counter.count(WindowEvent::CaptureEnded));

    // Over the window: Wine tracks the cursor over its own windows.
    putCursor(221, 134);
    window->captureMouse();
    SendMessageW(window->getHandle(), WM_CAPTURECHANGED, 0, 0);
    EXPECT_EQ(1, counter.count(WindowEvent::CaptureEnded));
    EXPECT_EQ(221, window->getCapturedX());
    EXPECT_EQ(134, window->getCapturedY());
    SendMessageW(window->getHandle(), WM_CAPTURECHANGED, 0, 0);
    EXPECT_EQ(1, counter.count(WindowEvent::CaptureEnded)) << "disarmed";
}

TEST(WindowFrameWinTest, StyleSwitchesReachTheNativeWindow) {
    auto window = s::thread::PoolRef<Window>::take();
    const HWND handle = window->getHandle();
    auto style = [handle] { return GetWindowLongPtrW(handle, GWL_STYLE); };
    auto exStyle = [handle] { return GetWindowLongPtrW(handle, GWL_EXSTYLE); };
    window->setNativeFrame(false); // a new window has the system frame
    window->setResizable(true);
    EXPECT_EQ(0, style() & WS_THICKFRAME) << "frameless: sized by its painted borders";
    window->setNativeFrame(true);
    EXPECT_EQ(WS_OVERLAPPEDWINDOW, style() & WS_OVERLAPPEDWINDOW);
    EXPECT_EQ(0, style() & WS_POPUP);
    // The system keeps the window edge to itself; the two others stay.
    EXPECT_EQ(WS_EX_STATICEDGE | WS_EX_CLIENTEDGE,
              exStyle() & (WS_EX_STATICEDGE | WS_EX_CLIENTEDGE));
    window->setResizable(false);
    EXPECT_EQ(0, style() & WS_THICKFRAME);
    window->setMaximizeBox(false);
    EXPECT_EQ(0, style() & WS_MAXIMIZEBOX);
    window->setToolWindow(true);
    EXPECT_NE(0, exStyle() & WS_EX_TOOLWINDOW);
    window->setNativeFrame(false);
    EXPECT_NE(0, style() & WS_POPUP);
    EXPECT_EQ(0, style() & WS_CAPTION);
    EXPECT_EQ(0, exStyle() & 0x20300);
    window->setTaskbarButton(false);
    EXPECT_EQ(0, exStyle() & WS_EX_APPWINDOW);
    window->setTaskbarButton(true);
    EXPECT_NE(0, exStyle() & WS_EX_APPWINDOW);
    window->setModal(true);
    EXPECT_FALSE(IsWindowEnabled(handle));
    window->setModal(false);
    EXPECT_TRUE(IsWindowEnabled(handle));
}

TEST(WindowFrameWinTest, SizeRulesFollowFixedAndExplicitSizes) {
    auto window = s::thread::PoolRef<Window>::take();
    window->setBounds(100, 100, 300, 200);
    EXPECT_EQ(0, window->getMinimumWidth()) << "no children, nothing needed";
    window->setFixedWidth(250);
    EXPECT_EQ(250, window->getWidth()) << "applied at once";
    EXPECT_EQ(250, window->getMinimumWidth());
    EXPECT_EQ(250, window->getMaximumWidth());
    window->setMinimumWidth(120);
    EXPECT_EQ(120, window->getMinimumWidth());
    window->setFixedWidth(-1);
    window->setMinimumHeight(260);
    window->enforceMinimumSize();
    EXPECT_EQ(260, window->getHeight());
    window->fitSize();
    EXPECT_EQ(120, window->getWidth());
    EXPECT_EQ(260, window->getHeight());
}

TEST(WindowFrameWinTest, FadeOnHoverFadesOutAndComesBackWhenTheMouseStaysAway) {
    auto window = s::thread::PoolRef<Window>::take();
    showAt(*window, 100, 100, 200, 100);
    window->setKeepOnTop(true);
    window->setEvasion(true, false, true, 0, -1, -1, false);
    putCursor(900, 700);
    SendMessageW(window->getHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(window->isEvading());
    // Out (timer 3), wait with the cursor away (timer 1), back in (timer 2).
    EXPECT_TRUE(waitFor([](Window& w) { return !w.isEvading(); }, *window));
    EXPECT_EQ(100, window->getOpacity());
    EXPECT_FALSE(isLayered(window->getHandle()));

    window->setEvasion(true, true, true, 0, 23, -1, false);
    SendMessageW(window->getHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(waitFor([](Window& w) { return !w.isEvading(); }, *window));
    EXPECT_TRUE(waitFor([](Window& w) { return w.getWidth() == 200; }, *window))
        << "grown back to the remembered width";
    EXPECT_EQ(100, window->getHeight()) << "a negative target leaves the height";

    // Not on top: the evasion restricted to on top stays idle.
    window->setKeepOnTop(false);
    SendMessageW(window->getHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_FALSE(window->isEvading());
}

namespace {

// A code-8 listener that reads the sizing edge and pulls the proposed bottom
// up by 40 pixels.
class SizingEditor : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject* source, int32_t code) override {
        auto* window = static_cast<Window*>(source);
        bottomEdge = window->isSizingBottom();
        anyOtherEdge = window->isSizingTop() || window->isSizingLeft() || window->isSizingRight() ||
                       window->isSizingTopLeft() || window->isSizingTopRight() ||
                       window->isSizingBottomLeft() || window->isSizingBottomRight();
        seenTop = window->getSizingTop();
        window->setSizingBottom(window->getSizingBottom() - 40);
    }
    bool bottomEdge = false;
    bool anyOtherEdge = false;
    int32_t seenTop = 0;
};

} // namespace

TEST(WindowFrameWinTest, SizingListenersSeeTheEdgeAndChangeTheRectangleBeforeTheMinimum) {
    auto window = s::thread::PoolRef<Window>::take();
    const HWND handle = window->getHandle();
    SizingEditor editor;
    window->addListener(WindowEvent::Sizing, &editor);
    window->setMinimumHeight(100);
    window->setMinimumWidth(50);

    RECT proposed = {100, 100, 400, 300};
    SendMessageW(handle, WM_SIZING, WMSZ_BOTTOM, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_TRUE(editor.bottomEdge) << "the system's 6 is the window's bottom edge";
    EXPECT_FALSE(editor.anyOtherEdge);
    EXPECT_EQ(100, editor.seenTop);
    EXPECT_EQ(260, proposed.bottom) << "the listener's change is written back";

    // The listener pulls the bottom below the minimum: the minimum wins and
    // the top stays for a bottom drag.
    proposed = {100, 100, 400, 220};
    SendMessageW(handle, WM_SIZING, WMSZ_BOTTOM, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_EQ(100, proposed.top);
    EXPECT_EQ(200, proposed.bottom);
    // Narrower than the minimum from the left: the left edge gives way.
    proposed = {100, 100, 130, 300};
    SendMessageW(handle, WM_SIZING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_EQ(80, proposed.left);
    EXPECT_EQ(130, proposed.right);

    // Taller than the work area: cut before the listener sees it.
    const int32_t workHeight = screen::workAreaHeight();
    proposed = {100, 0, 400, workHeight + 300};
    SendMessageW(handle, WM_SIZING, WMSZ_TOP, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_EQ(300, editor.seenTop) << "the top moves for a top drag";
    EXPECT_EQ(workHeight + 300 - 40, proposed.bottom);
}
