// Where a Window is and how it stays there: keep on top and the window
// states, centring, keeping on and snapping to the screen, following the
// cursor and the point capture.
#include "s/gui/win/Window.h"

#include "s/gui/frame/Placement.h"
#include "s/system/monitor/win/Screen.h"

namespace s::gui::win {

namespace {

namespace screen = s::system::monitor::win;
using s::gui::frame::Placement;
using s::gui::layout::Point;
using s::gui::layout::Rect;

// Period of the cursor-following timer, in milliseconds.
constexpr UINT kFollowPeriod = 100;

Rect virtualScreen() {
    return {screen::virtualScreenLeft(), screen::virtualScreenTop(), screen::virtualScreenWidth(),
            screen::virtualScreenHeight()};
}

Rect workArea() {
    return {screen::workAreaLeft(), screen::workAreaTop(), screen::workAreaWidth(),
            screen::workAreaHeight()};
}

Rect boundsOf(HWND window) {
    RECT rect = {0, 0, 0, 0};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

} // namespace

// --- keep on top and window states ----------------------------------------------------

void Window::setKeepOnTop(bool on) {
    onWindowThread([this, on] {
        const bool wasOnTop = keepOnTop.load();
        SetWindowPos(getNativeHandle(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                         (visible.load() ? SWP_SHOWWINDOW : 0));
        if (wasOnTop && !on && evasionOnlyWhenOnTop && evading) {
            // The evasion is only for a window on top: it ends with it.
            undoEvasion();
        }
        keepOnTop = on;
        if (opacityTarget != 100 && opacityOnlyWhenOnTop) {
            applyOpacity(on ? opacityTarget : 100);
        }
        if (settings != nullptr) {
            settings->setKeepOnTop(on);
        }
    });
}

void Window::maximize() {
    onWindowThread([this] {
        undoEvasion();
        ShowWindow(getNativeHandle(), SW_MAXIMIZE);
    });
}

void Window::showNormal() {
    ShowWindow(getNativeHandle(), SW_SHOWNORMAL);
}

bool Window::isMinimized() const {
    return IsIconic(getNativeHandle()) != FALSE;
}

bool Window::isMaximized() const {
    return IsZoomed(getNativeHandle()) != FALSE;
}

// --- on the screen --------------------------------------------------------------------

void Window::centerOnWorkArea() {
    const Rect bounds = boundsOf(getNativeHandle());
    const Point position = Placement::centred(bounds.size(), workArea());
    setLocation(position.x, position.y);
}

bool Window::isOnScreen() const {
    return !keepOnScreen || Placement::isOnScreen(boundsOf(getNativeHandle()), virtualScreen());
}

void Window::moveOnScreen() {
    if (IsZoomed(getNativeHandle())) {
        return;
    }
    const Rect bounds = boundsOf(getNativeHandle());
    const Point position = Placement::onScreen(bounds, virtualScreen());
    if (position != bounds.origin()) {
        setLocation(position.x, position.y);
    }
}

void Window::placeOnShow() {
    if (settings == nullptr || IsZoomed(getNativeHandle())) {
        return;
    }
    if (settings->getMaximized()) {
        ShowWindow(getNativeHandle(), SW_MAXIMIZE);
    } else if (!snapToScreen && !followCursor && keepOnScreen &&
               (!settings->hasPosition() || !isOnScreen())) {
        centerOnWorkArea();
    }
}

void Window::setSnapToScreen(bool on) {
    snapToScreen = on;
    if (on && visible.load()) {
        // The position-changing handler clamps the present position.
        const Rect bounds = boundsOf(getNativeHandle());
        SetWindowPos(getNativeHandle(), nullptr, bounds.x, bounds.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Window::onPositionChanging(WINDOWPOS* position) {
    const bool noMove = (position->flags & SWP_NOMOVE) != 0;
    const bool noSize = (position->flags & SWP_NOSIZE) != 0;
    const HWND window = getNativeHandle();
    // A minimized window is parked far off the screen and a maximized one
    // overhangs its monitor by its frame on purpose: neither is the user
    // moving the window past the screen.
    if (!snapToScreen || (noMove && noSize) || IsIconic(window) || IsZoomed(window)) {
        return;
    }
    const Rect present = boundsOf(window);
    Rect proposed = {position->x, position->y, position->cx, position->cy};
    if (noSize) {
        proposed.width = present.width;
        proposed.height = present.height;
    }
    const bool sizeOnly = noMove;
    if (sizeOnly) {
        // A pure size change grows from where the window is.
        proposed.x = present.x;
        proposed.y = present.y;
    }
    const Rect bounds = Placement::snapBounds(screen::monitorCount(), virtualScreen(), workArea());
    const Point clamped = Placement::snapped(proposed, bounds);
    position->x = clamped.x;
    position->y = clamped.y;
    if (sizeOnly && clamped != proposed.origin()) {
        position->flags &= ~static_cast<UINT>(SWP_NOMOVE);
    }
}

// --- following the cursor -------------------------------------------------------------

void Window::setFollowCursor(bool on) {
    followCursor = on;
    onWindowThread([this] { recenterOnCursor(); });
}

void Window::recenterOnCursor() {
    const HWND window = getNativeHandle();
    KillTimer(window, kFollowTimer);
    POINT cursor;
    if (!followCursor || !GetCursorPos(&cursor)) {
        return;
    }
    Point position;
    if (Placement::recentred(boundsOf(window), {cursor.x, cursor.y}, &position)) {
        setLocation(position.x, position.y);
    }
    if (visible.load()) {
        SetTimer(window, kFollowTimer, kFollowPeriod, nullptr);
    }
}

// --- point capture ------------------------------------------------------------------

void Window::captureMouse() {
    onWindowThread([this] {
        pointCaptureArmed = true;
        SetCapture(getNativeHandle());
    });
}

void Window::onCaptureChanged() {
    if (!pointCaptureArmed) {
        return;
    }
    POINT cursor = {0, 0};
    GetCursorPos(&cursor);
    capturedX = cursor.x;
    capturedY = cursor.y;
    // Disarmed before the release, which may report another change.
    pointCaptureArmed = false;
    if (GetCapture() == getNativeHandle()) {
        ReleaseCapture();
    }
    raise(static_cast<int32_t>(WindowEvent::CaptureEnded));
}

} // namespace s::gui::win
