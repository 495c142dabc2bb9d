#include "s/gui/win/Box.h"

#include <windowsx.h>

#include "s/platform/win/PaintDC.h"

namespace s::gui::win {

Box::Box() {
    reset();
}

Box::~Box() {
    destroy();
}

void Box::reset() {
    // A recycled box starts bare. Its window gives it back on the thread
    // that made the native part; anywhere else destroy() sends the work there.
    destroy();
    layout = BoxLayout::Vertical;
    horizontalAlignment = 0;
    verticalAlignment = 0;
    widthPercent = -1;
    heightPercent = -1;
    mouseTransparent = false;
    wheelPassRunning = false;
    paintListeners.reset();
    wheelListeners.reset();
    paintContext = nullptr;
    painted = false;
    wheelValue = 0;
    width = 0;
    height = 0;
}

void Box::setWidthPercent(int32_t percent, bool relayout) {
    widthPercent = percent;
}

void Box::setHeightPercent(int32_t percent, bool relayout) {
    heightPercent = percent;
}

void Box::addPaintListener(s::gui::events::IEventListener* listener) {
    paintListeners.add(listener);
}

void Box::addWheelListener(s::gui::events::IEventListener* listener) {
    wheelListeners.add(listener);
}

bool Box::attach(HWND parent) {
    if (getNativeHandle() != nullptr) {
        return true;
    }
    return create(0, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                  width.load(), height.load(), parent);
}

void Box::setBounds(int32_t x, int32_t y, int32_t newWidth, int32_t newHeight) {
    width = newWidth;
    height = newHeight;
    if (getNativeHandle() != nullptr) {
        SetWindowPos(getNativeHandle(), nullptr, x, y, newWidth, newHeight,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void Box::repaint() {
    if (getNativeHandle() != nullptr) {
        InvalidateRect(getNativeHandle(), nullptr, FALSE);
    }
}

void Box::raise(s::gui::events::EventSource& listeners, BoxEvent code) {
    listeners.raise(this, static_cast<int32_t>(code));
}

void Box::onPaint() {
    const s::platform::win::PaintDC paint(getNativeHandle());
    if (!paint) {
        return;
    }
    paintContext = paint.get();
    painted = false;
    raise(paintListeners, BoxEvent::Paint);
    if (!painted) {
        FillRect(paint.get(), &paint.dirtyRect(), GetSysColorBrush(COLOR_BTNFACE));
    }
    paintContext = nullptr;
}

void Box::onWheel(WPARAM wParam, LPARAM lParam) {
    if (wheelPassRunning) {
        return;
    }
    // Screen coordinates are signed: a monitor left of or above the primary
    // one has negative ones.
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    RECT bounds;
    if (!GetWindowRect(getNativeHandle(), &bounds) || !PtInRect(&bounds, point)) {
        return;
    }
    wheelPassRunning = true;
    if (!wheelListeners.isEmpty()) {
        UINT lines = 3;
        SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
        const int32_t turn = static_cast<int32_t>(static_cast<int16_t>(HIWORD(wParam)));
        wheelValue = turn > 0 ? static_cast<int32_t>(lines) : -static_cast<int32_t>(lines);
        raise(wheelListeners, BoxEvent::Wheel);
    } else if (GetParent(getNativeHandle()) != nullptr) {
        SendMessageW(GetParent(getNativeHandle()), WM_MOUSEWHEEL, wParam, lParam);
    }
    wheelPassRunning = false;
}

bool Box::handleNativeMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        if (mouseTransparent) {
            *result = HTTRANSPARENT;
            return true;
        }
        return false;
    case WM_PAINT:
        onPaint();
        *result = 0;
        return true;
    case WM_ERASEBKGND:
        // Painting covers the whole box; erasing first would only flicker.
        *result = 1;
        return true;
    case WM_MOUSEWHEEL:
        onWheel(wParam, lParam);
        *result = 0;
        return true;
    default:
        return false;
    }
}

} // namespace s::gui::win
