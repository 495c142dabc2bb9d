#include "s/gui/win/Box.h"

#include <gtest/gtest.h>

#include <mutex>
#include <vector>

#include "ChildPlacement.h"
#include "TestLeaf.h"
#include "s/gui/events/Disabler.h"
#include "s/gui/events/Enabler.h"
#include "s/gui/model/Leaf.h"
#include "s/gui/win/Window.h"
#include "s/image/win/BufferedImage.h"
#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/thread/PoolRef.h"

using s::gui::BoxEvent;
using s::gui::win::Box;
using s::gui::win::Window;
using s::gui::win::WindowEvent;
using s::thread::PoolRef;

using wintest::placement;
using wintest::TestLeaf;

namespace {

// Records the events it gets, with what the box offered at that moment.
// Paints arrive on the window's thread while the test reads the counts.
class BoxRecorder : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject* source, int32_t code) override {
        auto* box = static_cast<Box*>(source);
        if (code == static_cast<int32_t>(BoxEvent::LaidOut) && box->getHandle() != nullptr) {
            visibleWhenLaidOut.push_back(IsWindowVisible(box->getHandle()) != FALSE);
            controlParent =
                (GetWindowLongPtrW(box->getHandle(), GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0;
        }
        if (code == static_cast<int32_t>(BoxEvent::Paint)) {
            paintContext = box->getPaintContext();
            if (paintGreen) {
                RECT area = {0, 0, box->getWidth(), box->getHeight()};
                FillRect(paintContext, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
                box->markPainted();
            }
        }
        if (code == static_cast<int32_t>(BoxEvent::Wheel)) {
            wheelValue = box->getWheelValue();
        }
        // Counted last: what a count promises has been recorded.
        const std::lock_guard<std::mutex> lock(guard);
        codes.push_back(code);
    }
    int count(BoxEvent code) const {
        const std::lock_guard<std::mutex> lock(guard);
        int seen = 0;
        for (int32_t each : codes) {
            seen += each == static_cast<int32_t>(code);
        }
        return seen;
    }

    mutable std::mutex guard;
    std::vector<int32_t> codes;
    std::vector<bool> visibleWhenLaidOut;
    bool controlParent = false;
    bool paintGreen = false;
    HDC paintContext = nullptr;
    int32_t wheelValue = 0;
};

class WindowRecorder : public s::gui::events::IEventListener {
public:
    void onEvent(s::base::IObject*, int32_t code) override { codes.push_back(code); }
    std::vector<int32_t> codes;
};

// A shown window of 300 x 200, all client area (the system may move it
// when it shows it; points below are relative to where it is).
PoolRef<Window> shownWindow() {
    auto window = PoolRef<Window>::take();
    window->setNativeFrame(false); // a new window has the system frame
    window->setBounds(100, 100, 300, 200);
    window->setVisible(true);
    return window;
}

// A screen point given relative to the window's top-left corner.
LPARAM screenPoint(const Window& window, int x, int y) {
    return MAKELPARAM(static_cast<WORD>(window.getX() + x), static_cast<WORD>(window.getY() + y));
}

// The colour at (x, y) after painting `paint` into a fresh 300 x 200 image
// whose pixels start black.
template <class Paint> COLORREF paintedPixel(Paint paint, int x, int y) {
    auto image = PoolRef<s::image::win::BufferedImage>::take();
    image->resize(300, 200);
    s::platform::win::MemoryDC dc(nullptr);
    s::platform::win::ObjectSelection selection(dc.get(), image->getBitmap());
    RECT all = {0, 0, 300, 200};
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    paint(dc.get());
    GdiFlush();
    return GetPixel(dc.get(), x, y);
}

} // namespace

TEST(BoxWinTest, AttachCreatesItHiddenLaysItOutAndShowsItWhenPlaced) {
    auto window = shownWindow();
    Box* box = Box::newInstance();
    Box* inner = Box::newInstance();
    BoxRecorder recorder;
    box->addLayoutListener(&recorder);
    box->setMargins(7);
    box->setWidthPercent(100, false);
    box->setHeightPercent(100, false);
    inner->setWidthPercent(100, false);
    inner->setFixedHeight(20, false);
    box->add(inner);
    ASSERT_TRUE(window->add(box));
    EXPECT_FALSE(window->add(box)); // already has a parent

    const HWND handle = box->getHandle();
    ASSERT_NE(nullptr, handle);
    EXPECT_EQ(window->getHandle(), GetParent(handle));
    // Its own first pass ran before any placement showed it.
    ASSERT_FALSE(recorder.visibleWhenLaidOut.empty());
    EXPECT_FALSE(recorder.visibleWhenLaidOut.front());
    EXPECT_TRUE(recorder.controlParent);
    EXPECT_TRUE(IsWindowVisible(handle));
    EXPECT_EQ(0, GetWindowLongPtrW(handle, GWLP_ID));
    RECT rect = placement(handle);
    EXPECT_EQ(300, rect.right - rect.left);
    EXPECT_EQ(200, rect.bottom - rect.top);
    // The child sits inside the box, moved by the margins.
    ASSERT_NE(nullptr, inner->getHandle());
    EXPECT_EQ(handle, GetParent(inner->getHandle()));
    rect = placement(inner->getHandle());
    EXPECT_EQ(7, rect.left);
    EXPECT_EQ(7, rect.top);
    EXPECT_EQ(286, rect.right - rect.left); // 300 less both margins
    EXPECT_EQ(1, window->getComponentCount());
    EXPECT_EQ(box, window->getComponent(0));
    EXPECT_EQ(nullptr, window->getComponent(1));

    // Inside a batch the native window waits for the batch's end.
    box->beginUpdate();
    box->setBounds(10, 10, 100, 50);
    EXPECT_EQ(0, placement(handle).left);
    box->endUpdate();
    EXPECT_EQ(10, placement(handle).left);
    EXPECT_EQ(100, placement(handle).right - placement(handle).left);

    // Removed without giving back: the native part goes, the caller owns it.
    EXPECT_TRUE(window->remove(box, false));
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(nullptr, inner->getHandle());
    EXPECT_EQ(0, window->getComponentCount());
    EXPECT_FALSE(window->remove(box, false));
    box->release();
}

TEST(BoxWinTest, AMouseTransparentBoxLetsHitTestsThroughExceptOverAnEnabledChildButton) {
    auto window = shownWindow();
    Box* box = Box::newInstance();
    TestLeaf* button = TestLeaf::newInstance();
    button->setButton(true);
    box->setWidthPercent(100, false);
    box->setHeightPercent(100, false);
    button->setFixedWidth(50);
    button->setFixedHeight(20);
    box->add(button);
    box->setMouseTransparent(true);
    window->add(box);
    const HWND handle = box->getHandle();
    // The box fills the window; the button is its top-left.
    EXPECT_EQ(HTTRANSPARENT, SendMessageW(handle, WM_NCHITTEST, 0, screenPoint(*window, 150, 100)));
    EXPECT_EQ(HTCLIENT, SendMessageW(handle, WM_NCHITTEST, 0, screenPoint(*window, 10, 10)));
    button->setEnabled(false);
    EXPECT_EQ(HTTRANSPARENT, SendMessageW(handle, WM_NCHITTEST, 0, screenPoint(*window, 10, 10)));
    button->setEnabled(true);
    button->setVisible(false);
    EXPECT_EQ(HTTRANSPARENT, SendMessageW(handle, WM_NCHITTEST, 0, screenPoint(*window, 10, 10)));

    // A mouse-down listener makes the box take the mouse again.
    BoxRecorder recorder;
    box->addMouseDownListener(&recorder);
    EXPECT_FALSE(box->isMouseTransparent());
    EXPECT_EQ(HTCLIENT, SendMessageW(handle, WM_NCHITTEST, 0, screenPoint(*window, 150, 100)));
    EXPECT_EQ(0, SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 100)));
    EXPECT_EQ(1, recorder.count(BoxEvent::MouseDown));
}

TEST(BoxWinTest, HoverFollowsTheMouseAndHoldsTheCaptureWhileOver) {
    // The real pointer goes away first: earlier tests may leave it where the
    // new window appears, and the system then moves it over the box itself.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5);
    Sleep(200);
    auto window = shownWindow();
    Box* box = Box::newInstance();
    box->setFixedWidth(100, false);
    box->setFixedHeight(50, false);
    EXPECT_EQ(-1, box->getHoverState()); // nothing known before any mouse
    window->add(box);
    const HWND handle = box->getHandle();
    const DWORD thread = GetWindowThreadProcessId(handle, nullptr);
    auto capture = [thread] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(thread, &info);
        return info.hwndCapture;
    };
    // Moves still on their way from the X server arrive before the test's own.
    Sleep(200);
    const int32_t before = box->getHoverState();

    // The left button held: the mouse belongs to whatever it went down on.
    SendMessageW(handle, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(before, box->getHoverState());
    SendMessageW(handle, WM_MOUSEMOVE, 0, MAKELPARAM(100, 50)); // edges count as inside
    EXPECT_EQ(1, box->getHoverState());
    EXPECT_EQ(handle, capture());
    SendMessageW(handle, WM_MOUSEMOVE, 0, MAKELPARAM(101, 10));
    EXPECT_EQ(0, box->getHoverState());
    EXPECT_EQ(nullptr, capture());

    // A mouse-transparent box does not track the mouse at all.
    box->setMouseTransparent(true);
    SendMessageW(handle, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(0, box->getHoverState());
    // Without mouse-down listeners a left button down is not the box's.
    BoxRecorder recorder;
    box->addLayoutListener(&recorder);
    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(0, recorder.count(BoxEvent::MouseDown));
}

TEST(BoxWinTest, AWheelTurnGoesToTheInnermostBoxThatTakesItElseOnToTheContainer) {
    auto window = shownWindow();
    WindowRecorder windowWheel;
    window->addListener(WindowEvent::Wheel, &windowWheel);
    Box* outer = Box::newInstance();
    Box* inner = Box::newInstance();
    outer->setFixedWidth(200, false);
    outer->setFixedHeight(100, false);
    inner->setFixedWidth(50, false);
    inner->setFixedHeight(50, false);
    outer->add(inner);
    BoxRecorder outerEvents;
    BoxRecorder innerEvents;
    inner->addWheelListener(&innerEvents);
    window->add(outer);
    const WPARAM away = MAKEWPARAM(0, WHEEL_DELTA);
    const WPARAM toward = MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA));

    // Over the inner box: the inner one takes it.
    EXPECT_EQ(0,
              SendMessageW(window->getHandle(), WM_MOUSEWHEEL, away, screenPoint(*window, 20, 20)));
    EXPECT_EQ(1, innerEvents.count(BoxEvent::Wheel));
    EXPECT_GT(innerEvents.wheelValue, 0);
    EXPECT_TRUE(windowWheel.codes.empty());
    SendMessageW(window->getHandle(), WM_MOUSEWHEEL, toward, screenPoint(*window, 20, 20));
    EXPECT_LT(innerEvents.wheelValue, 0);

    // Over the outer box only: it has no wheel listeners, so the turn goes
    // on to its container, the window.
    SendMessageW(outer->getHandle(), WM_MOUSEWHEEL, away, screenPoint(*window, 150, 20));
    EXPECT_EQ(2, innerEvents.count(BoxEvent::Wheel));
    EXPECT_EQ(1, static_cast<int>(windowWheel.codes.size()));
    // Outside every box: the window's own event.
    SendMessageW(window->getHandle(), WM_MOUSEWHEEL, away, screenPoint(*window, 20, 150));
    EXPECT_EQ(2, static_cast<int>(windowWheel.codes.size()));

    // With its own listener the outer box keeps a turn beside the inner box.
    outer->addWheelListener(&outerEvents);
    SendMessageW(window->getHandle(), WM_MOUSEWHEEL, away, screenPoint(*window, 150, 20));
    EXPECT_EQ(1, outerEvents.count(BoxEvent::Wheel));
    EXPECT_EQ(2, static_cast<int>(windowWheel.codes.size()));
    // A point outside the box itself is not the box's.
    EXPECT_NE(0,
              SendMessageW(inner->getHandle(), WM_MOUSEWHEEL, away, screenPoint(*window, 150, 20)));
}

TEST(BoxWinTest, APaintListenerThatMarksPaintedKeepsTheBackgroundOff) {
    auto window = shownWindow();
    Box* box = Box::newInstance();
    box->setFixedWidth(100, false);
    box->setFixedHeight(50, false);
    box->setBackground(255, 0, 0, false);
    BoxRecorder recorder;
    box->addPaintListener(&recorder);
    window->add(box);
    const HWND handle = box->getHandle();

    RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    // The box paints on its window's thread, which may not have got there
    // yet when a busy system returns from the redraw.
    for (int i = 0; i < 50 && recorder.count(BoxEvent::Paint) < 1; ++i) {
        Sleep(20);
    }
    EXPECT_GE(recorder.count(BoxEvent::Paint), 1);
    EXPECT_NE(nullptr, recorder.paintContext);
    EXPECT_EQ(nullptr, box->getPaintContext()); // only valid inside the event
    // The window's own paint of the area around its children may still
    // be on its way; the box's pixel is judged once it has settled.
    const auto pixelSettlesAt = [handle](COLORREF wanted) {
        COLORREF seen = CLR_INVALID;
        for (int i = 0; i < 50 && seen != wanted; ++i) {
            HDC screen = GetDC(handle);
            seen = GetPixel(screen, 50, 25);
            ReleaseDC(handle, screen);
            if (seen != wanted) {
                Sleep(20);
            }
        }
        return seen;
    };
    EXPECT_EQ(RGB(255, 0, 0), pixelSettlesAt(RGB(255, 0, 0)));

    recorder.paintGreen = true;
    RedrawWindow(handle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(RGB(0, 0, 0), pixelSettlesAt(RGB(0, 0, 0)));
}

TEST(BoxWinTest, BackgroundsAreTheColourOrTheParentsPixelsAndLeaveChildrenAlone) {
    auto window = shownWindow();
    Box* outer = Box::newInstance();
    Box* inner = Box::newInstance();
    outer->setFixedWidth(200, false);
    outer->setFixedHeight(100, false);
    outer->setMargins(10);
    outer->setBackground(255, 0, 0, false);
    inner->setFixedWidth(50, false);
    inner->setFixedHeight(40, false);
    outer->add(inner);
    window->add(outer);

    // The outer box paints red around the child's rectangle, not over it.
    EXPECT_EQ(RGB(255, 0, 0), paintedPixel([&](HDC dc) { outer->paintBackground(dc); }, 5, 5));
    EXPECT_EQ(RGB(0, 0, 0), paintedPixel([&](HDC dc) { outer->paintBackground(dc); }, 30, 30));
    // The transparent child shows its parent's red.
    EXPECT_TRUE(inner->isTransparent());
    EXPECT_EQ(RGB(255, 0, 0), paintedPixel([&](HDC dc) { inner->paintBackground(dc); }, 20, 20));
    inner->setBackground(0, 0, 255, false);
    EXPECT_EQ(RGB(0, 0, 255), paintedPixel([&](HDC dc) { inner->paintBackground(dc); }, 20, 20));
    // A transparent box right in the window shows the window's button face.
    outer->setTransparent(false);
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE),
              paintedPixel([&](HDC dc) { outer->paintBackground(dc); }, 5, 5));
}

TEST(BoxWinTest, EnablerAndDisablerSwitchTheNativeWindows) {
    auto window = shownWindow();
    Box* box = Box::newInstance();
    window->add(box);
    auto disabler = PoolRef<s::gui::events::Disabler>::take();
    auto enabler = PoolRef<s::gui::events::Enabler>::take();
    disabler->setSource(window.get());
    disabler->addTarget(box);
    enabler->setSource(box);
    enabler->addTarget(box);
    disabler->onEvent(window.get(), 1);
    EXPECT_FALSE(IsWindowEnabled(box->getHandle()));
    enabler->onEvent(box, 3);
    EXPECT_TRUE(IsWindowEnabled(box->getHandle()));
}
