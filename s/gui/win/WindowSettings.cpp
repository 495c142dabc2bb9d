// The window and its stored settings: binding (icons, texts, skin, options,
// the stored bounds), storing the bounds back, the placement rules of
// showing a bound window, and what the size notifications store.
#include "s/gui/win/Window.h"

#include "s/str/strbuffer/StrBuffer.h"
#include "s/system/monitor/win/Screen.h"

namespace s::gui::win {

namespace {

// Icon pixel sizes (small, big) by screen scale factor 1, 2 and 4.
struct IconSizes {
    int32_t small;
    int32_t big;
};
IconSizes iconSizesFor(int32_t screenFactor) {
    if (screenFactor >= 4) {
        return {64, 128};
    }
    if (screenFactor >= 2) {
        return {32, 64};
    }
    return {16, 32};
}

// The title's version text follows the title text at this distance.
constexpr int32_t kVersionTextOffset = 10;

} // namespace

void Window::bindSettings(IWindowSettings* bound, bool withVersion) {
    settings = bound;
    if (bound == nullptr) {
        return;
    }
    const IconSizes sizes = iconSizesFor(s::system::monitor::win::screenScale());
    if (HICON icon = bound->createIcon(sizes.small)) {
        setSmallIcon(s::platform::win::OwnedIcon(icon));
    }
    if (HICON icon = bound->createIcon(sizes.big)) {
        setBigIcon(s::platform::win::OwnedIcon(icon));
    }
    setLocalizer(bound->getLocalizer());
    const int32_t textBase = bound->getTextBase();
    setTitleIds(textBase, withVersion ? textBase + kVersionTextOffset : -1);
    if (bound->getSkinner() != nullptr) {
        setSkinner(bound->getSkinner());
    }
    setEasyDrag(bound->getEasyDrag());
    setKeepOnTop(bound->getKeepOnTop());
    setMiddleClickAction(bound->getMiddleClick());
    if (bound->hasPosition()) {
        setBounds(bound->getX(), bound->getY(), bound->getWidth(), bound->getHeight());
        if (!isOnScreen()) {
            centerOnWorkArea();
        }
    } else {
        setSize(bound->getWidth(), bound->getHeight());
    }
}

void Window::saveBounds(bool full) {
    IWindowSettings* bound = settings;
    const HWND window = getNativeHandle();
    if (bound == nullptr || window == nullptr || !visible.load()) {
        return;
    }
    if (IsZoomed(window)) {
        if (!bound->getMaximized()) {
            bound->setMaximized(true);
        }
        return;
    }
    if (IsIconic(window)) {
        return;
    }
    if (bound->getMaximized()) {
        bound->setMaximized(false);
    }
    // A shrunk or faded window would store its evasion size: a full save
    // (hiding, closing) first undoes the evasion; otherwise nothing is
    // stored until the window is itself again.
    if (full && isEvading()) {
        undoEvasion();
    }
    if (isEvading()) {
        return;
    }
    const int32_t x = getX();
    const int32_t y = getY();
    const int32_t width = getWidth();
    const int32_t height = getHeight();
    if (!bound->hasPosition() || bound->getX() != x) {
        bound->setX(x);
    }
    if (!bound->hasPosition() || bound->getY() != y) {
        bound->setY(y);
    }
    if (bound->getWidth() != width) {
        bound->setWidth(width);
    }
    if (bound->getHeight() != height) {
        bound->setHeight(height);
    }
}

// --- size notifications ----------------------------------------------------------------

void Window::onSize(WPARAM kind) {
    IWindowSettings* bound = settings;
    switch (kind) {
    case SIZE_RESTORED:
        if (maximized.exchange(false)) {
            layOutChildren();
            saveBounds(false);
        }
        raise(static_cast<int32_t>(WindowEvent::Restored));
        break;
    case SIZE_MINIMIZED:
    case SIZE_MAXIMIZED:
        maximized = kind == SIZE_MAXIMIZED;
        if (kind == SIZE_MAXIMIZED) {
            layOutChildren();
        }
        if (bound != nullptr) {
            bound->setMaximized(kind == SIZE_MAXIMIZED);
            // What the window returns to when it is restored.
            bound->setX(normalX.load());
            bound->setY(normalY.load());
            bound->setWidth(normalWidth.load());
            bound->setHeight(normalHeight.load());
        }
        break;
    default:
        break;
    }
    raise(static_cast<int32_t>(WindowEvent::SizeChanged));
}

void Window::rememberNormalBounds(const WINDOWPOS& position) {
    const HWND window = getNativeHandle();
    const UINT unchanged = SWP_NOSIZE | SWP_NOMOVE;
    if ((position.flags & unchanged) == unchanged || IsZoomed(window) || IsIconic(window)) {
        return;
    }
    RECT bounds;
    if (GetWindowRect(window, &bounds)) {
        normalX = bounds.left;
        normalY = bounds.top;
        normalWidth = bounds.right - bounds.left;
        normalHeight = bounds.bottom - bounds.top;
    }
}

} // namespace s::gui::win
