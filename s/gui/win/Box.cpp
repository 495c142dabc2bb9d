#include "s/gui/win/Box.h"

#include <shellapi.h>
#include <windowsx.h>

#include "s/gui/IBox.h"
#include "s/gui/drawer/IBoxDrawer.h"
#include "s/gui/win/Window.h"
#include "s/platform/win/GdiObject.h"
#include "s/platform/win/PaintDC.h"

namespace s::gui::win {

namespace {

void raiseTo(s::gui::events::EventSource& listeners, s::base::IObject* source,
             s::gui::BoxEvent code) {
    listeners.raise(source, static_cast<int32_t>(code));
}

// Screen coordinates are signed: a monitor left of or above the primary one
// has negative ones.
POINT screenPointOf(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

// Inside the window's rectangle, right and bottom edges included, as
// components count containment.
bool windowContains(HWND window, POINT point) {
    RECT bounds;
    if (window == nullptr || !GetWindowRect(window, &bounds)) {
        return false;
    }
    return point.x >= bounds.left && point.x <= bounds.right && point.y >= bounds.top &&
           point.y <= bounds.bottom;
}

} // namespace

Box::~Box() {
    detach();
    releaseDrawer();
}

void Box::reset() {
    // The native part goes first (on its own thread), taking its children's
    // windows along; then the portable part gives the children back.
    detach();
    s::gui::model::Box::reset();
    releaseDrawer();
    buffer.reset();
    background = GetSysColor(COLOR_BTNFACE);
    transparent = true;
    mouseTransparent = false;
    acceptDrops = false;
    paintListeners.reset();
    wheelListeners.reset();
    mouseDownListeners.reset();
    paintContext = nullptr;
    painted = false;
    hover = -1;
    wheelValue = 0;
    wheelPassRunning = false;
}

// --- settings -------------------------------------------------------------------

void Box::setAcceptDrops(bool on) {
    acceptDrops = on;
    if (getHandle() != nullptr) {
        DragAcceptFiles(getHandle(), on ? TRUE : FALSE);
    }
}

void Box::addPaintListener(s::gui::events::IEventListener* listener) {
    paintListeners.add(listener);
}

void Box::addWheelListener(s::gui::events::IEventListener* listener) {
    wheelListeners.add(listener);
}

void Box::addMouseDownListener(s::gui::events::IEventListener* listener) {
    mouseDownListeners.add(listener);
    mouseTransparent = false;
}

void Box::setTransparent(bool repaintNow) {
    transparent = true;
    if (repaintNow) {
        repaint();
    }
}

void Box::setBackground(uint8_t red, uint8_t green, uint8_t blue, bool repaintNow) {
    background = RGB(red, green, blue);
    transparent = false;
    if (repaintNow) {
        repaint();
    }
}

void Box::setDrawer(s::gui::drawer::IBoxDrawer* boxDrawer, bool owned) {
    if (boxDrawer != drawer) {
        releaseDrawer();
    }
    drawer = boxDrawer;
    drawerOwned = boxDrawer != nullptr && owned;
    repaint();
}

void Box::releaseDrawer() {
    if (drawer != nullptr && drawerOwned) {
        drawer->release();
    }
    drawer = nullptr;
    drawerOwned = false;
}

void Box::repaint() {
    if (getHandle() != nullptr) {
        InvalidateRect(getHandle(), nullptr, FALSE);
    }
}

bool Box::acceptsWheel() const {
    if (!wheelListeners.isEmpty()) {
        return true;
    }
    // A box without listeners of its own still carries a turn to a child
    // that takes it.
    for (int32_t i = 0; i < getComponentCount(); ++i) {
        const NativeComponent* child = NativeComponent::of(getComponent(i));
        if (child != nullptr && child->acceptsWheel()) {
            return true;
        }
    }
    return false;
}

// --- native part ------------------------------------------------------------------

void Box::localize(s::lang::Localizer* localizer) {
    for (int32_t i = 0; i < getComponentCount(); ++i) {
        if (NativeComponent* native = NativeComponent::of(getComponent(i))) {
            native->localize(localizer);
        }
    }
}

void Box::applySkin(s::gui::drawer::ISkin* skin) {
    // The box paints with its own drawer or its parent's background; the
    // skin is for its children.
    for (int32_t i = 0; i < getComponentCount(); ++i) {
        if (NativeComponent* native = NativeComponent::of(getComponent(i))) {
            native->applySkin(skin);
        }
    }
}

void Box::afterCreate() {
    const HWND window = getHandle();
    // 1. Keyboard navigation enters the box's children.
    SetWindowLongPtrW(window, GWL_EXSTYLE,
                      GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    // 2. Dropped files.
    if (acceptDrops) {
        DragAcceptFiles(window, TRUE);
    }
    // 3. The children, inside the new window; their offsets (the margins)
    //    were handed down when they were added.
    for (int32_t i = 0; i < getComponentCount(); ++i) {
        NativeComponent::attachInside(window, getComponent(i));
    }
    // 4. Laid out, then the parent again, since the box's sizes may have
    //    changed with its children; a flow box's height follows its width,
    //    which the parent's first pass only settles.
    doLayout();
    s::gui::IContainer* container = getParent();
    if (container != nullptr) {
        container->doLayout();
        if (getLayoutKind() == s::gui::layout::LayoutKind::Flow) {
            container->doLayout();
        }
    }
}

void Box::placed(const s::gui::layout::Rect& inParent) {
    placeNative(inParent);
    // The bounds event comes after the native window moved.
    s::gui::model::Box::placed(inParent);
}

bool Box::handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        *result = onHitTest(wParam, lParam);
        return true;
    case WM_MOUSEMOVE:
        onMouseMove(wParam, lParam);
        return false;
    case WM_LBUTTONDOWN:
        *result = 0;
        return onLeftDown();
    case WM_MOUSEWHEEL:
        *result = onWheel(wParam, lParam);
        return true;
    case WM_PAINT:
        onPaint();
        *result = 0;
        return true;
    case WM_ERASEBKGND:
        // Painting covers the whole box; erasing first would only flicker.
        *result = 1;
        return true;
    default:
        return false;
    }
}

// --- mouse ---------------------------------------------------------------------------

LRESULT Box::onHitTest(WPARAM wParam, LPARAM lParam) {
    const LRESULT answer = callDefault(WM_NCHITTEST, wParam, lParam);
    if (!mouseTransparent || answer != HTCLIENT || isOverChildButton(screenPointOf(lParam))) {
        return answer;
    }
    return HTTRANSPARENT;
}

bool Box::isOverChildButton(POINT screenPoint) const {
    for (int32_t i = 0; i < getComponentCount(); ++i) {
        s::gui::IComponent* child = getComponent(i);
        const NativeComponent* native = NativeComponent::of(child);
        if (native != nullptr && native->isButton() && child->isVisible() && child->isEnabled() &&
            windowContains(native->getHandle(), screenPoint)) {
            return true;
        }
    }
    return false;
}

void Box::onMouseMove(WPARAM wParam, LPARAM lParam) {
    if (mouseTransparent) {
        return;
    }
    const HWND window = getHandle();
    const int32_t x = GET_X_LPARAM(lParam);
    const int32_t y = GET_Y_LPARAM(lParam);
    const bool inside = x >= 0 && x <= getWidth() && y >= 0 && y <= getHeight();
    if (inside) {
        // While the left button is held the mouse belongs to whatever it
        // went down on.
        if ((wParam & MK_LBUTTON) != 0) {
            return;
        }
        setHover(1);
        if (GetCapture() != window) {
            SetCapture(window);
        }
        return;
    }
    if (GetCapture() == window) {
        ReleaseCapture();
    }
    setHover(0);
}

void Box::setHover(int32_t state) {
    if (hover != state) {
        hover = state;
        repaint();
    }
}

bool Box::onLeftDown() {
    if (mouseDownListeners.isEmpty()) {
        return false;
    }
    raiseTo(mouseDownListeners, this, s::gui::BoxEvent::MouseDown);
    return true;
}

LRESULT Box::onWheel(WPARAM wParam, LPARAM lParam) {
    const POINT point = screenPointOf(lParam);
    if (wheelPassRunning || !windowContains(getHandle(), point)) {
        return 1;
    }
    wheelPassRunning = true;
    if (!offerWheelToChildren(wParam, lParam, point)) {
        if (!wheelListeners.isEmpty()) {
            UINT lines = 3;
            SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
            // Away from the user the word holding the turn is positive, and
            // so is the whole parameter taken as a signed number.
            const bool away = static_cast<int32_t>(static_cast<uint32_t>(wParam)) > 0;
            wheelValue = away ? static_cast<int32_t>(lines) : -static_cast<int32_t>(lines);
            raiseTo(wheelListeners, this, s::gui::BoxEvent::Wheel);
        } else if (GetParent(getHandle()) != nullptr) {
            SendMessageW(GetParent(getHandle()), WM_MOUSEWHEEL, wParam, lParam);
        }
    }
    wheelPassRunning = false;
    return 0;
}

bool Box::offerWheelToChildren(WPARAM wParam, LPARAM lParam, POINT screenPoint) {
    for (int32_t i = 0; i < getComponentCount(); ++i) {
        s::gui::IComponent* child = getComponent(i);
        const NativeComponent* native = NativeComponent::of(child);
        if (native != nullptr && native->acceptsWheel() && native->getHandle() != nullptr &&
            child->contains(screenPoint.x, screenPoint.y) &&
            SendMessageW(native->getHandle(), WM_MOUSEWHEEL, wParam, lParam) == 0) {
            return true;
        }
    }
    return false;
}

// --- painting ----------------------------------------------------------------------

void Box::onPaint() {
    const s::platform::win::PaintDC paint(getHandle());
    if (!paint) {
        return;
    }
    paintContext = paint.get();
    painted = false;
    raiseTo(paintListeners, this, s::gui::BoxEvent::Paint);
    paintContext = nullptr;
    if (!painted) {
        paintBackground(paint.get());
    }
}

void Box::paintBackground(HDC target) {
    // The clipping keeps the copy off the children; the drawing in the
    // buffer is not clipped.
    const int saved = SaveDC(target);
    excludeChildren(target);
    buffer.paint(target, getWidth(), getHeight(), [this](HDC dc) { drawBackground(dc); });
    RestoreDC(target, saved);
}

void Box::excludeChildren(HDC target) const {
    for (int32_t i = 0; i < getComponentCount(); ++i) {
        const s::gui::IComponent* child = getComponent(i);
        if (!child->isVisible()) {
            continue;
        }
        const s::gui::layout::Point offset = child->getOffset();
        const int32_t left = child->getX() + offset.x;
        const int32_t top = child->getY() + offset.y;
        ExcludeClipRect(target, left, top, left + child->getWidth(), top + child->getHeight());
    }
}

void Box::drawBackground(HDC dc) {
    const int32_t width = getWidth();
    const int32_t height = getHeight();
    if (drawer != nullptr) {
        drawer->drawBox(dc, 0, 0, width, height, hover);
    } else if (transparent) {
        drawParentBackground(dc, *this);
    } else {
        const RECT area = {0, 0, width, height};
        const s::platform::win::OwnedGdiObject<HBRUSH> brush(CreateSolidBrush(background.load()));
        FillRect(dc, &area, brush.get());
    }
}

void Box::drawParentBackground(HDC dc, const s::gui::IComponent& child) {
    // A parent box draws its own background with its origin moved so that
    // the part behind the child lands at (0, 0); a transparent parent asks
    // its own parent in turn.
    auto* parentBox = dynamic_cast<Box*>(child.getParent());
    if (parentBox != nullptr) {
        const s::gui::layout::Point offset = child.getOffset();
        POINT previous;
        OffsetViewportOrgEx(dc, -(child.getX() + offset.x), -(child.getY() + offset.y), &previous);
        parentBox->drawBackground(dc);
        SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
        return;
    }
    // A child of the window shows the window's own background: its drawer's
    // (a skin's frame and background) or its background colour.
    auto* window = dynamic_cast<Window*>(child.getParent());
    if (window != nullptr) {
        const s::gui::layout::Point offset = child.getOffset();
        window->drawBackgroundBehind(dc, child.getX() + offset.x, child.getY() + offset.y,
                                     child.getWidth(), child.getHeight());
        return;
    }
    // Not in a window yet: the system's button face, the toolkit's default.
    const RECT area = {0, 0, child.getWidth(), child.getHeight()};
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
}

} // namespace s::gui::win
