// The window's look: background colour, the drawer and the skinner that
// lends it, the native frame switch, and painting through the off-screen
// buffer. Painting runs on the window's thread.
#include "s/gui/win/Window.h"

#include "s/gui/drawer/ISkin.h"
#include "s/gui/drawer/IWindow.h"
#include "s/gui/drawer/Skinner.h"
#include "s/gui/win/NativeComponent.h"
#include "s/image/win/BufferedImage.h"
#include "s/platform/win/GdiObject.h"
#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/platform/win/PaintDC.h"
#include "s/system/win/OsVersion.h"

namespace s::gui::win {

namespace {

// The theme's caption-drawing message: a window that draws its own frame
// leaves it unanswered by the theme.
constexpr UINT kThemeCaptionMessage = 0xAE;

// Background before Windows 6.0, whose button face is darker than the light
// grey the toolkit's windows were made for.
constexpr COLORREF kClassicBackground = RGB(240, 240, 240);

// The whole-window device context (frame included), released on scope exit.
class WholeWindowDC {
public:
    explicit WholeWindowDC(HWND target) : window(target), dc(GetWindowDC(target)) {}
    ~WholeWindowDC() {
        if (dc != nullptr) {
            ReleaseDC(window, dc);
        }
    }
    WholeWindowDC(const WholeWindowDC&) = delete;
    WholeWindowDC& operator=(const WholeWindowDC&) = delete;
    HDC get() const { return dc; }

private:
    HWND window;
    HDC dc;
};

// Keeps a context's clip region across the exclusions of one paint.
class SavedDC {
public:
    explicit SavedDC(HDC target) : dc(target), level(SaveDC(target)) {}
    ~SavedDC() {
        if (level != 0) {
            RestoreDC(dc, level);
        }
    }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc;
    int level;
};

COLORREF systemBackground() {
    return s::system::win::OsVersion::get().majorVersion >= 6 ? GetSysColor(COLOR_BTNFACE)
                                                              : kClassicBackground;
}

// Excludes a child window's rectangle (in the parent's client coordinates).
void excludeChild(HDC dc, HWND parent, NativeComponent* component) {
    const HWND child = component != nullptr ? component->getHandle() : nullptr;
    RECT bounds;
    // The child's own visibility: the parent may not be shown yet.
    if (child == nullptr || (GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) == 0 ||
        !GetWindowRect(child, &bounds)) {
        return;
    }
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&bounds), 2);
    ExcludeClipRect(dc, bounds.left, bounds.top, bounds.right, bounds.bottom);
}

} // namespace

// --- background ------------------------------------------------------------------

void Window::setBackgroundSystem() {
    const COLORREF colour = systemBackground();
    setBackground(GetRValue(colour), GetGValue(colour), GetBValue(colour), true);
}

void Window::setBackground(uint8_t red, uint8_t green, uint8_t blue, bool repaintNow) {
    background = RGB(red, green, blue);
    if (repaintNow) {
        redrawWhole();
    }
}

void Window::redrawWhole() {
    const HWND window = getNativeHandle();
    if (window != nullptr) {
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
    }
}

// --- drawer and skinner ------------------------------------------------------------

void Window::setSkinner(s::gui::drawer::Skinner* newSkinner) {
    s::gui::drawer::Skinner* previous = skinner.exchange(newSkinner);
    if (previous != nullptr && previous != newSkinner) {
        previous->removeListener(this);
    }
    if (newSkinner == nullptr) {
        if (previous != nullptr) {
            // The skin goes with its skinner: back to the native look.
            onWindowThread([this] { takeSkin(nullptr); });
        }
        return;
    }
    onSkinChanged();
    newSkinner->addListener(this);
}

void Window::onSkinChanged() {
    s::gui::drawer::Skinner* current = skinner.load();
    s::gui::drawer::ISkin* newSkin = current != nullptr ? current->getCurrent() : nullptr;
    onWindowThread([this, newSkin] { takeSkin(newSkin); });
    IWindowSettings* bound = settings;
    if (newSkin != nullptr && bound != nullptr) {
        bound->skinChanged(newSkin->getName());
    }
}

void Window::takeSkin(s::gui::drawer::ISkin* newSkin) {
    s::gui::drawer::IWindow* skinDrawer = newSkin != nullptr ? newSkin->getWindowDrawer() : nullptr;
    if (skinDrawer != nullptr) {
        if (!drawerFromSkin || drawer.load() != skinDrawer) {
            keepNativeFrameStyles();
            setDrawer(skinDrawer, false);
            drawerFromSkin = true;
        }
    } else if (drawerFromSkin) {
        // A drawer given with setDrawer stays; only the skin's goes.
        setDrawer(nullptr, false);
        restoreNativeFrameStyles();
    }
    skin = newSkin;
    applySkinToChildren(newSkin);
    // New drawers, new sizes; then every child paints again.
    layOutChildren();
    const HWND window = getNativeHandle();
    if (window != nullptr) {
        RedrawWindow(window, nullptr, nullptr,
                     RDW_FRAME | RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
}

void Window::applySkinToChildren(s::gui::drawer::ISkin* newSkin) {
    for (s::gui::IComponent* child : children) {
        if (NativeComponent* native = NativeComponent::of(child)) {
            native->applySkin(newSkin);
        }
    }
    if (NativeComponent* native = NativeComponent::of(statusBar)) {
        native->applySkin(newSkin);
    }
}

void Window::keepNativeFrameStyles() {
    const HWND window = getNativeHandle();
    if (nativeStylesKept || window == nullptr || !nativeFrame.load()) {
        return;
    }
    keptStyle = GetWindowLongPtrW(window, GWL_STYLE);
    keptExStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    nativeStylesKept = true;
}

void Window::restoreNativeFrameStyles() {
    const HWND window = getNativeHandle();
    if (!nativeStylesKept || window == nullptr) {
        nativeStylesKept = false;
        return;
    }
    nativeStylesKept = false;
    // Visibility, enabling and the window's state are today's, not those of
    // the moment the skin came.
    constexpr LONG_PTR kState = WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE;
    const LONG_PTR now = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE, (keptStyle & ~kState) | (now & kState));
    SetWindowLongPtrW(window, GWL_EXSTYLE, keptExStyle);
    nativeFrame = true;
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Window::drawBackgroundBehind(HDC dc, int32_t x, int32_t y, int32_t width, int32_t height) {
    if (dc == nullptr || width <= 0 || height <= 0) {
        return;
    }
    s::gui::drawer::IWindow* current = drawer.load();
    RECT client = {0, 0, 0, 0};
    const HWND window = getNativeHandle();
    if (current == nullptr || window == nullptr || !GetClientRect(window, &client)) {
        const RECT area = {0, 0, width, height};
        const s::platform::win::OwnedGdiObject<HBRUSH> brush(CreateSolidBrush(background.load()));
        FillRect(dc, &area, brush.get());
        return;
    }
    // The whole client area with its origin moved: the frame lines fall
    // where they do on the window itself, clipped to the child's part.
    SavedDC saved(dc);
    IntersectClipRect(dc, 0, 0, width, height);
    POINT previous;
    OffsetViewportOrgEx(dc, -x, -y, &previous);
    current->draw(dc, 0, 0, client.right, client.bottom);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

void Window::setDrawer(s::gui::drawer::IWindow* newDrawer, bool owned) {
    onWindowThread([this, newDrawer, owned] {
        s::gui::drawer::IWindow* previous = drawer.exchange(newDrawer);
        if (previous != nullptr && previous != newDrawer && drawerOwned) {
            previous->release();
        }
        drawerOwned = newDrawer != nullptr && owned;
        // setDrawer from outside replaces the skin's drawer for good.
        drawerFromSkin = false;
    });
    // The frame behaviours answer the borders' hit tests while a drawer
    // paints the frame.
    setFramePainted(newDrawer != nullptr);
    if (newDrawer != nullptr) {
        setNativeFrame(false);
    }
    onWindowThread([this] { applyRegion(); });
    redrawWhole();
}

void Window::releaseDrawer() {
    s::gui::drawer::IWindow* previous = drawer.exchange(nullptr);
    if (previous != nullptr && drawerOwned) {
        previous->release();
    }
    drawerOwned = false;
    drawerFromSkin = false;
    nativeStylesKept = false;
    buffer.reset();
}

void Window::applyRegion() {
    const HWND window = getNativeHandle();
    s::gui::drawer::IWindow* current = drawer.load();
    if (window == nullptr) {
        return;
    }
    HRGN region = nullptr;
    if (current != nullptr) {
        RECT bounds;
        GetWindowRect(window, &bounds);
        region = current->getRegion(0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    }
    // The system owns the region from here on (null: the plain rectangle).
    SetWindowRgn(window, region, TRUE);
}

// --- painting ------------------------------------------------------------------------

void Window::paintClient(HDC target) {
    const HWND window = getNativeHandle();
    RECT client;
    if (target == nullptr || window == nullptr || !GetClientRect(window, &client) ||
        client.right <= 0 || client.bottom <= 0) {
        return;
    }
    SavedDC saved(target);
    // The window never paints over its children.
    for (s::gui::IComponent* child : children) {
        excludeChild(target, window, NativeComponent::of(child));
    }
    excludeChild(target, window, NativeComponent::of(statusBar));
    RECT visible;
    if (GetClipBox(target, &visible) == NULLREGION) {
        return; // all children (a full-window canvas): nothing to paint
    }
    s::platform::win::MemoryDC memory(target);
    s::image::win::BufferedImage* image =
        memory ? buffer.prepare(client.right, client.bottom) : nullptr;
    if (image == nullptr) {
        return;
    }
    s::platform::win::ObjectSelection selection(memory.get(), image->getBitmap());
    s::gui::drawer::IWindow* current = drawer.load();
    if (current != nullptr) {
        current->draw(memory.get(), 0, 0, client.right, client.bottom);
    } else {
        s::platform::win::OwnedGdiObject<HBRUSH> brush(CreateSolidBrush(background.load()));
        FillRect(memory.get(), &client, brush.get());
    }
    BitBlt(target, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}

void Window::paintFrame() {
    const HWND window = getNativeHandle();
    RECT bounds;
    RECT client;
    if (window == nullptr || !GetWindowRect(window, &bounds) || !GetClientRect(window, &client)) {
        return;
    }
    const int32_t width = bounds.right - bounds.left;
    const int32_t height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    WholeWindowDC target(window);
    if (target.get() == nullptr) {
        return;
    }
    SavedDC saved(target.get());
    // The client area, moved to window coordinates, is painted by its own
    // messages.
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    OffsetRect(&client, -bounds.left, -bounds.top);
    ExcludeClipRect(target.get(), client.left, client.top, client.right, client.bottom);
    s::platform::win::MemoryDC memory(target.get());
    s::image::win::BufferedImage* image = memory ? buffer.prepare(width, height) : nullptr;
    if (image == nullptr) {
        return;
    }
    s::platform::win::ObjectSelection selection(memory.get(), image->getBitmap());
    s::gui::drawer::IWindow* current = drawer.load();
    if (current != nullptr) {
        current->draw(memory.get(), 0, 0, width, height);
    } else {
        const RECT whole = {0, 0, width, height};
        s::platform::win::OwnedGdiObject<HBRUSH> brush(CreateSolidBrush(background.load()));
        FillRect(memory.get(), &whole, brush.get());
    }
    BitBlt(target.get(), 0, 0, width, height, memory.get(), 0, 0, SRCCOPY);
}

bool Window::handlePaintMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool drawn = drawer.load() != nullptr;
    *result = 0;
    switch (message) {
    case WM_PAINT:
        if (!drawn) {
            return false;
        }
        {
            s::platform::win::PaintDC paint(getNativeHandle());
            paintClient(paint.get());
        }
        return true;
    case WM_ERASEBKGND:
        paintClient(reinterpret_cast<HDC>(wParam));
        *result = 1;
        return true;
    case WM_NCPAINT:
        if (drawn) {
            paintFrame();
        }
        return drawn;
    case WM_NCCALCSIZE:
        // With a drawer the whole window is client area.
        return drawn && wParam == TRUE;
    case WM_NCACTIVATE:
        *result = 1;
        return drawn;
    case kThemeCaptionMessage:
        return drawn;
    default:
        return false;
    }
}

} // namespace s::gui::win
