// The frame of a Window: its style switches, the hit testing and dragging of
// a painted frame's borders, the sizing rules and the size queries. Runs on
// the window's thread unless an operation says otherwise.
#include "s/gui/win/Window.h"

#include <windowsx.h>

#include <string>

#include "s/gui/frame/HitTest.h"
#include "s/gui/frame/Sizing.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/system/monitor/win/Screen.h"

namespace s::gui::win {

namespace {

using s::gui::frame::HitCode;
using s::gui::frame::Sides;
using s::gui::frame::Sizing;
using s::gui::frame::SizingEdge;

// The edges of the system's overlapped frame: static edge, client edge and
// window edge (0x20300).
constexpr LONG_PTR kNativeFrameEdges = WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE;
static_assert(kNativeFrameEdges == 0x20300, "the three edges of the native frame");

constexpr UINT kRedrawFrame =
    SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

Sides sidesOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}
RECT rectOf(const Sides& sides) {
    return {sides.left, sides.top, sides.right, sides.bottom};
}

// The sizing cursor for a border code; null for any other code.
LPCWSTR sizingCursor(int32_t hit) {
    switch (static_cast<HitCode>(hit)) {
    case HitCode::Left:
    case HitCode::Right:
        return IDC_SIZEWE;
    case HitCode::Top:
    case HitCode::Bottom:
        return IDC_SIZENS;
    case HitCode::TopLeft:
    case HitCode::BottomRight:
        return IDC_SIZENWSE;
    case HitCode::TopRight:
    case HitCode::BottomLeft:
        return IDC_SIZENESW;
    default:
        return nullptr;
    }
}

} // namespace

const char16_t Window::kMiddleClickClose[] = u"Close";
const char16_t Window::kMiddleClickIconize[] = u"Iconize";
const char16_t Window::kMiddleClickDoNothing[] = u"DoNothing";

// --- style switches ---------------------------------------------------------------

void Window::switchStyle(int index, LONG_PTR bits, bool on) {
    const HWND window = getNativeHandle();
    if (window == nullptr) {
        return;
    }
    const LONG_PTR style = GetWindowLongPtrW(window, index);
    const LONG_PTR changed = on ? (style | bits) : (style & ~bits);
    if (changed != style) {
        SetWindowLongPtrW(window, index, changed);
    }
    SetWindowPos(window, nullptr, 0, 0, 0, 0, kRedrawFrame);
}

void Window::setMaximizeBox(bool on) {
    switchStyle(GWL_STYLE, WS_MAXIMIZEBOX, on);
}

void Window::setMinimizeBox(bool on) {
    switchStyle(GWL_STYLE, WS_MINIMIZEBOX, on);
}

void Window::setSystemMenu(bool on) {
    switchStyle(GWL_STYLE, WS_SYSMENU, on);
}

void Window::setCaption(bool on) {
    switchStyle(GWL_STYLE, WS_CAPTION, on);
}

void Window::setToolWindow(bool on) {
    switchStyle(GWL_EXSTYLE, WS_EX_TOOLWINDOW, on);
}

void Window::setResizable(bool on) {
    resizable = on;
    // A frameless window sizes through its painted borders: the system's
    // sizing frame would draw a border of its own around the skin (and around
    // the lens, which has none).
    if (nativeFrame) {
        switchStyle(GWL_STYLE, WS_THICKFRAME, on);
    }
}

void Window::setNativeFrame(bool on) {
    nativeFrame = on;
    const HWND window = getNativeHandle();
    if (window == nullptr) {
        return;
    }
    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    constexpr LONG_PTR kPopupBits = WS_POPUP | WS_SYSMENU | WS_MAXIMIZEBOX | WS_MINIMIZEBOX;
    if (on) {
        style = (style & ~kPopupBits) | WS_OVERLAPPEDWINDOW;
        if (!resizable) {
            style &= ~static_cast<LONG_PTR>(WS_THICKFRAME);
        }
        exStyle |= kNativeFrameEdges;
    } else {
        style = (style & ~static_cast<LONG_PTR>(WS_OVERLAPPEDWINDOW)) | kPopupBits;
        exStyle &= ~kNativeFrameEdges;
    }
    SetWindowLongPtrW(window, GWL_STYLE, style);
    SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle);
    SetWindowPos(window, nullptr, 0, 0, 0, 0, kRedrawFrame);
}

void Window::setFramePainted(bool on) {
    framePainted = on;
    if (on) {
        setNativeFrame(false);
    }
}

void Window::setTaskbarButton(bool on) {
    taskbarButton = on;
    const bool shown = visible.load();
    // The taskbar reads the style only when a window is shown.
    if (shown) {
        ShowWindow(getNativeHandle(), SW_HIDE);
    }
    const HWND window = getNativeHandle();
    if (window != nullptr) {
        const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
        SetWindowLongPtrW(window, GWL_EXSTYLE,
                          on ? (exStyle | WS_EX_APPWINDOW)
                             : (exStyle & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW)));
    }
    if (shown) {
        ShowWindow(window, SW_SHOW);
    }
}

void Window::setEasyDrag(bool on) {
    easyDrag = on;
    onWindowThread([this, on] {
        if (settings != nullptr) {
            settings->setEasyDrag(on);
        }
    });
}

void Window::setModal(bool on) {
    EnableWindow(getNativeHandle(), on ? FALSE : TRUE);
}

// --- hit testing ------------------------------------------------------------------

bool Window::onHitTest(LRESULT* result, WPARAM wParam, LPARAM lParam) {
    const bool drawer = hasDrawer();
    if (!drawer && !easyDrag) {
        return false;
    }
    const HWND window = getNativeHandle();
    int32_t answer = static_cast<int32_t>(DefWindowProcW(window, WM_NCHITTEST, wParam, lParam));
    if (drawer) {
        RECT bounds;
        GetWindowRect(window, &bounds);
        const s::gui::frame::HitTest test(s::gui::scale::win::systemScale());
        answer = test.zone(GET_X_LPARAM(lParam) - bounds.left, GET_Y_LPARAM(lParam) - bounds.top,
                           bounds.right - bounds.left, bounds.bottom - bounds.top, answer);
    }
    if (easyDrag) {
        answer =
            s::gui::frame::HitTest::easyDrag(answer, (GetAsyncKeyState(VK_RBUTTON) & 0x8000) != 0);
    }
    *result = answer;
    return true;
}

// --- border dragging --------------------------------------------------------------

bool Window::onBorderHover() {
    POINT cursor;
    if (hideCursor || !GetCursorPos(&cursor)) {
        return true;
    }
    const HWND window = getNativeHandle();
    borderHitCode =
        static_cast<int32_t>(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(cursor.x, cursor.y)));
    const LPCWSTR shape = sizingCursor(borderHitCode);
    if (shape == nullptr) {
        endBorderHover();
        return true;
    }
    SetCursor(LoadCursorW(nullptr, shape));
    if (GetCapture() != window) {
        SetCapture(window);
    }
    borderHover = true;
    return true;
}

void Window::endBorderHover() {
    if (!borderHover) {
        return;
    }
    // Cleared first: releasing the capture sends a capture change.
    borderHover = false;
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    ReleaseCapture();
}

bool Window::onBorderPress() {
    POINT cursor;
    if (!GetCursorPos(&cursor)) {
        return true;
    }
    pressPoint = cursor;
    RECT bounds;
    GetWindowRect(getNativeHandle(), &bounds);
    // Edges included: the outermost pixel row belongs to the border.
    if (cursor.x >= bounds.left && cursor.x <= bounds.right && cursor.y >= bounds.top &&
        cursor.y <= bounds.bottom) {
        borderDrag = true;
    }
    return true;
}

void Window::onBorderRelease(UINT message, LPARAM lParam) {
    if (!borderDrag) {
        return;
    }
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    if (message == WM_LBUTTONUP) {
        ClientToScreen(getNativeHandle(), &point);
    }
    dragBorderTo(point);
    borderDrag = false;
}

void Window::dragBorderTo(POINT point) {
    if (point.x == pressPoint.x && point.y == pressPoint.y) {
        return;
    }
    const HWND window = getNativeHandle();
    RECT bounds;
    GetWindowRect(window, &bounds);
    const Sides before = sidesOf(bounds);
    RECT proposed = rectOf(
        Sizing::dragged(before, borderHitCode, point.x - pressPoint.x, point.y - pressPoint.y));
    // The same rules and listeners as a drag of the system's frame.
    SendMessageW(window, WM_SIZING,
                 static_cast<WPARAM>(Sizing::toSystemEdge(Sizing::fromHitCode(borderHitCode))),
                 reinterpret_cast<LPARAM>(&proposed));
    SetWindowPos(window, nullptr, proposed.left, proposed.top, proposed.right - proposed.left,
                 proposed.bottom - proposed.top, SWP_NOZORDER | SWP_NOACTIVATE);
    const s::gui::layout::Point moved = Sizing::moved(before, sidesOf(proposed), borderHitCode);
    pressPoint.x += moved.x;
    pressPoint.y += moved.y;
}

// --- sizing -------------------------------------------------------------------------

void Window::onSizing(WPARAM edge, RECT* rect) {
    const SizingEdge own = Sizing::fromSystemEdge(static_cast<int32_t>(edge));
    sizingEdge = static_cast<int32_t>(own);
    Sides sides = sidesOf(*rect);
    const RECT workArea = monitorWorkArea();
    Sizing::cutToHeight(sides, own, workArea.bottom - workArea.top);
    sizingRect = rectOf(sides);
    raise(static_cast<int32_t>(WindowEvent::Sizing));
    sides = sidesOf(sizingRect);
    Sizing::enforceMinimum(sides, own, getMinimumWidth(), getMinimumHeight(), enforceMinimumWidth,
                           enforceMinimumHeight);
    *rect = rectOf(sides);
}

bool Window::isSizingLeft() const {
    return sizingEdge == static_cast<int32_t>(SizingEdge::Left);
}
bool Window::isSizingRight() const {
    return sizingEdge == static_cast<int32_t>(SizingEdge::Right);
}
bool Window::isSizingTop() const {
    return sizingEdge == static_cast<int32_t>(SizingEdge::Top);
}
bool Window::isSizingBottom() const {
    return sizingEdge == static_cast<int32_t>(SizingEdge::Bottom);
}
bool Window::isSizingTopLeft() const {
    return sizingEdge == static_cast<int32_t>(SizingEdge::TopLeft);
}
bool Window::isSizingTopRight() const {
    return sizingEdge == static_cast<int32_t>(SizingEdge::TopRight);
}
bool Window::isSizingBottomLeft() const {
    return sizingEdge == static_cast<int32_t>(SizingEdge::BottomLeft);
}
bool Window::isSizingBottomRight() const {
    return sizingEdge == static_cast<int32_t>(SizingEdge::BottomRight);
}

// --- size rules ---------------------------------------------------------------------

RECT Window::monitorWorkArea() const {
    namespace screen = s::system::monitor::win;
    RECT bounds;
    GetWindowRect(getNativeHandle(), &bounds);
    const screen::Monitor* monitor = screen::monitorFromRect(
        bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    if (monitor == nullptr) {
        return {screen::workAreaLeft(), screen::workAreaTop(),
                screen::workAreaLeft() + screen::workAreaWidth(),
                screen::workAreaTop() + screen::workAreaHeight()};
    }
    return {monitor->getWorkLeft(), monitor->getWorkTop(),
            monitor->getWorkLeft() + monitor->getWorkWidth(),
            monitor->getWorkTop() + monitor->getWorkHeight()};
}

void Window::setFixedWidth(int32_t width) {
    fixedWidth = width;
    if (width >= 0) {
        setSize(width, getHeight());
    }
}

void Window::setFixedHeight(int32_t height) {
    fixedHeight = height;
    if (height >= 0) {
        setSize(getWidth(), height);
    }
}

void Window::setEnforceMinimumSize(bool on) {
    enforceMinimumWidth = on;
    enforceMinimumHeight = on;
}

void Window::enforceMinimumSize() {
    const int32_t minimumWidth = getMinimumWidth();
    if (getWidth() < minimumWidth) {
        setSize(minimumWidth, getHeight());
    }
    const int32_t minimumHeight = getMinimumHeight();
    if (getHeight() < minimumHeight) {
        setSize(getWidth(), minimumHeight);
    }
}

void Window::fitHeight() {
    setSize(getWidth(), getMinimumHeight());
}

void Window::fitSize() {
    setSize(getMinimumWidth(), getMinimumHeight());
}

void Window::fitMaximum() {
    setSize(getMaximumWidth(), getMaximumHeight());
}

// --- middle click -------------------------------------------------------------------

void Window::setMiddleClickAction(const char16_t* action) {
    // The constants are compared as such; an equal text from elsewhere is
    // taken as the constant, anything else as doing nothing.
    const char16_t* constant = kMiddleClickDoNothing;
    for (const char16_t* known : {kMiddleClickClose, kMiddleClickIconize}) {
        if (action == known ||
            (action != nullptr &&
             std::char_traits<char16_t>::compare(
                 action, known, std::char_traits<char16_t>::length(known) + 1) == 0)) {
            constant = known;
        }
    }
    middleClickAction = constant;
    onWindowThread([this, constant] {
        if (settings != nullptr) {
            settings->setMiddleClick(constant);
        }
    });
}

void Window::onMiddleClick() {
    const char16_t* action = middleClickAction.load();
    if (action == kMiddleClickClose) {
        close();
    } else if (action == kMiddleClickIconize) {
        iconize();
    }
}

// --- defaults -------------------------------------------------------------------------

void Window::resetFrame() {
    onWindowThread([this] {
        undoEvasion();
        endBorderHover();
        borderDrag = false;
        borderHitCode = 0;
        pressPoint = {0, 0};
        sizingEdge = 0;
        sizingRect = {0, 0, 0, 0};
        pointCaptureArmed = false;
        KillTimer(getNativeHandle(), kFollowTimer);
        applyOpacity(100);
        if (user32 != nullptr) {
            FreeLibrary(user32);
            user32 = nullptr;
            setLayeredAttributes = nullptr;
        }
        settings = nullptr;
    });
    framePainted = false;
    taskbarButton = true;
    followCursor = false;
    keepOnScreen = true;
    snapToScreen = false;
    middleClickAction = kMiddleClickDoNothing;
    fixedWidth = -1;
    fixedHeight = -1;
    explicitMinimumWidth = -1;
    explicitMinimumHeight = -1;
    enforceMinimumWidth = true;
    enforceMinimumHeight = true;
    capturedX = 0;
    capturedY = 0;
    opacityTarget = 100;
    opacityOnlyWhenOnTop = false;
    fadeOnHover = false;
    shrinkOnHover = false;
    evasionOnlyWhenOnTop = true;
    evasionShiftOverride = false;
    evasionDelay = 5;
    evasionCountdown = 5000;
    shrinkTargetWidth = 23;
    shrinkTargetHeight = 23;
}

// --- dispatch -------------------------------------------------------------------------

bool Window::handleFrameMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool borders = hasDrawer() && resizable;
    switch (message) {
    case WM_NCHITTEST:
        return onHitTest(result, wParam, lParam);
    case WM_NCMOUSEMOVE:
        if (!borders) {
            return false;
        }
        onHover();
        onBorderHover();
        raise(static_cast<int32_t>(WindowEvent::MouseMove));
        *result = 0;
        return true;
    case WM_MOUSEMOVE:
        onHover();
        if (borderHover) {
            if (borderDrag) {
                POINT cursor;
                if (GetCursorPos(&cursor)) {
                    dragBorderTo(cursor);
                }
            } else {
                endBorderHover();
            }
        }
        return false;
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        if (!borderHover) {
            return false;
        }
        onBorderPress();
        *result = 0;
        return true;
    case WM_SIZING:
        onSizing(wParam, reinterpret_cast<RECT*>(lParam));
        return false;
    case WM_WINDOWPOSCHANGING:
        onPositionChanging(reinterpret_cast<WINDOWPOS*>(lParam));
        return false;
    case WM_SETCURSOR:
        if (visible.load() && (followCursor || hideCursor)) {
            SetCursor(nullptr);
            *result = TRUE;
            return true;
        }
        return false;
    case WM_TIMER:
        *result = 0;
        return onFrameTimer(wParam);
    case WM_CAPTURECHANGED:
        onCaptureChanged();
        return false;
    default:
        return false;
    }
}

} // namespace s::gui::win
