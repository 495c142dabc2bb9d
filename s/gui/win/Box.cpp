#include "s/gui/win/Box.h"

#include <windowsx.h>

namespace s::gui::win {

Box::Box() {
    reset();
}

Box::~Box() {
    destroy();
}

void Box::reset() {
    // The native part dies with its container; a recycled box starts bare.
    destroy();
    layout = BoxLayout::Vertical;
    horizontalAlignment = 0;
    verticalAlignment = 0;
    widthPercent = -1;
    heightPercent = -1;
    mouseTransparent = false;
    wheelPassRunning = false;
    paintListeners.clear();
    wheelListeners.clear();
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
    if (listener != nullptr) {
        paintListeners.push_back(listener);
    }
}

void Box::addWheelListener(s::gui::events::IEventListener* listener) {
    if (listener != nullptr) {
        wheelListeners.push_back(listener);
    }
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

void Box::raise(std::vector<s::gui::events::IEventListener*>& list, BoxEvent code) {
    // The size is read again after every call: a listener added during the
    // delivery is called in the same pass.
    for (size_t i = 0; i < list.size(); ++i) {
        list[i]->onEvent(this, static_cast<int32_t>(code));
    }
}

void Box::onPaint() {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(getNativeHandle(), &paint);
    if (dc == nullptr) {
        return;
    }
    paintContext = dc;
    painted = false;
    raise(paintListeners, BoxEvent::Paint);
    if (!painted) {
        FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
    }
    paintContext = nullptr;
    EndPaint(getNativeHandle(), &paint);
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
    if (!wheelListeners.empty()) {
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
