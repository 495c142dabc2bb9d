// The window as a container: its children, their layout and the sizes the
// window derives from them. The children are read and changed on the
// window's thread only; calls from other threads are carried there.
#include "s/gui/win/Window.h"

#include <algorithm>

#include "s/gui/ILayoutManager.h"
#include "s/gui/frame/SizeRules.h"
#include "s/gui/layout/LayoutPass.h"
#include "s/gui/layout/Vertical.h"
#include "s/gui/model/ChildLayout.h"
#include "s/gui/win/NativeComponent.h"
#include "s/gui/win/WindowMessages.h"
#include "s/thread/PoolRef.h"

namespace s::gui::win {

namespace {

// Passes of one window nested at most this deep (a laid-out listener of a
// child that lays the window out again).
constexpr int32_t kMaximumNestedPasses = 2;

} // namespace

bool Window::isSelfOrAncestor(const s::gui::IComponent* component) const {
    // A window is the root of its tree: only the window itself is a cycle.
    return component == static_cast<const s::gui::IComponent*>(this);
}

bool Window::add(s::gui::IComponent* component) {
    if (component == nullptr || component->getParent() != nullptr || isSelfOrAncestor(component)) {
        return false;
    }
    onWindowThread([this, component] {
        children.push_back(component);
        component->setParent(this);
        component->setOffset(0, 0);
    });
    // Without a native window the component waits: it is given back with the
    // window like any other.
    if (getNativeHandle() != nullptr) {
        SendMessageW(getNativeHandle(), WindowMessages::kAttach,
                     reinterpret_cast<WPARAM>(component), 0);
    }
    doLayout();
    return true;
}

bool Window::attachChild(s::gui::IComponent* child) {
    NativeComponent* native = NativeComponent::of(child);
    if (native == nullptr || !native->attach(getNativeHandle())) {
        return false;
    }
    native->localize(localizer.load());
    native->applySkin(skin.load());
    return true;
}

void Window::localizeChildren() {
    s::lang::Localizer* current = localizer.load();
    for (s::gui::IComponent* child : children) {
        if (NativeComponent* native = NativeComponent::of(child)) {
            native->localize(current);
        }
    }
    // New texts, new sizes.
    layOutChildren();
}

bool Window::remove(s::gui::IComponent* component, bool giveBack) {
    bool removed = false;
    onWindowThread([this, component, giveBack, &removed] {
        auto found = std::find(children.begin(), children.end(), component);
        if (component == nullptr || found == children.end()) {
            return;
        }
        children.erase(found);
        component->setParent(nullptr);
        if (NativeComponent* native = NativeComponent::of(component)) {
            native->detach();
        }
        if (giveBack) {
            component->release();
        }
        layOutChildren();
        removed = true;
    });
    return removed;
}

void Window::removeAll() {
    onWindowThread([this] {
        // Taken out first, so that a child's reset cannot reach the list.
        std::vector<s::gui::IComponent*> leaving;
        leaving.swap(children);
        for (s::gui::IComponent* child : leaving) {
            child->setParent(nullptr);
            child->release();
        }
    });
}

int32_t Window::getComponentCount() const {
    int32_t count = 0;
    // The list lives on the window's thread; the read is carried there.
    const_cast<Window*>(this)->onWindowThread(
        [this, &count] { count = static_cast<int32_t>(children.size()); });
    return count;
}

s::gui::IComponent* Window::getComponent(int32_t index) const {
    s::gui::IComponent* found = nullptr;
    const_cast<Window*>(this)->onWindowThread([this, index, &found] {
        if (index >= 0 && static_cast<size_t>(index) < children.size()) {
            found = children[static_cast<size_t>(index)];
        }
    });
    return found;
}

void Window::doLayout() {
    onWindowThread([this] { layOutChildren(); });
}

void Window::layOutChildren() {
    if (children.empty() || layoutDepth >= kMaximumNestedPasses) {
        // The status bar keeps to the bottom even without other children.
        placeStatusBar();
        return;
    }
    auto pass = s::thread::PoolRef<s::gui::layout::LayoutPass>::take();
    if (!pass) {
        return;
    }
    ++layoutDepth;
    // Copied: a child's listener may add to or remove from the window while
    // the pass runs.
    const std::vector<s::gui::IComponent*> placing = children;
    pass->request.content = {getClientWidth(), getClientHeight()};
    s::gui::model::ChildLayout::gather(placing, pass->request);
    const s::gui::ILayoutManager* chosen = manager.load();
    const s::gui::ILayoutManager& layout =
        chosen != nullptr ? *chosen : s::gui::layout::Vertical::shared();
    layout.arrange(pass->request, pass->result);
    s::gui::model::ChildLayout::apply(placing, pass->result, false);
    --layoutDepth;
    // The status bar stays along the bottom, over whatever the layout did.
    placeStatusBar();
}

s::gui::layout::Point Window::getChildOrigin() const {
    POINT origin = {0, 0};
    ClientToScreen(getNativeHandle(), &origin);
    return {origin.x, origin.y};
}

void Window::repaint() {
    InvalidateRect(getNativeHandle(), nullptr, TRUE);
}

bool Window::contains(int32_t screenX, int32_t screenY) const {
    if (!isVisible()) {
        return false;
    }
    RECT bounds = {0, 0, 0, 0};
    GetWindowRect(getNativeHandle(), &bounds);
    return screenX >= bounds.left && screenX <= bounds.right && screenY >= bounds.top &&
           screenY <= bounds.bottom;
}

bool Window::isEnabled() const {
    return IsWindowEnabled(getNativeHandle()) != FALSE;
}

void Window::setEnabled(bool enable) {
    EnableWindow(getNativeHandle(), enable ? TRUE : FALSE);
}

// --- sizes ---------------------------------------------------------------------------

s::gui::layout::Size Window::frameSize() const {
    return {getWidth() - getClientWidth(), getHeight() - getClientHeight()};
}

int32_t Window::getPreferredWidth() const {
    // The children stack vertically: the widest minimum.
    int32_t widest = 0;
    for (int32_t i = 0; i < getComponentCount(); ++i) {
        widest = std::max(widest, getComponent(i)->getMinimumWidth());
    }
    return s::gui::frame::SizeRules::preferred(fixedWidth, frameSize().width, widest);
}

int32_t Window::getPreferredHeight() const {
    int32_t total = 0;
    for (int32_t i = 0; i < getComponentCount(); ++i) {
        total += getComponent(i)->getMinimumHeight();
    }
    return s::gui::frame::SizeRules::preferred(fixedHeight, frameSize().height, total);
}

// An explicit minimum, then a fixed size, decide before the children do.
int32_t Window::getMinimumWidth() const {
    return s::gui::frame::SizeRules::minimum(explicitMinimumWidth, fixedWidth,
                                             getComponentCount() != 0, getPreferredWidth(),
                                             frameSize().width);
}

int32_t Window::getMinimumHeight() const {
    return s::gui::frame::SizeRules::minimum(explicitMinimumHeight, fixedHeight,
                                             getComponentCount() != 0, getPreferredHeight(),
                                             frameSize().height);
}

int32_t Window::getMaximumWidth() const {
    return s::gui::frame::SizeRules::maximum(fixedWidth, getSizeRange().maximum.width);
}

int32_t Window::getMaximumHeight() const {
    return s::gui::frame::SizeRules::maximum(fixedHeight, getSizeRange().maximum.height);
}

s::gui::layout::SizeRange Window::getSizeRange() const {
    // At most the work area of the window's monitor.
    RECT bounds = {0, 0, 0, 0};
    GetWindowRect(getNativeHandle(), &bounds);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    s::gui::layout::Size maximum{0, 0};
    if (GetMonitorInfoW(MonitorFromRect(&bounds, MONITOR_DEFAULTTONEAREST), &monitor)) {
        maximum = {monitor.rcWork.right - monitor.rcWork.left,
                   monitor.rcWork.bottom - monitor.rcWork.top};
    }
    return {{getMinimumWidth(), getMinimumHeight()}, maximum};
}

void Window::resizeWithin(int32_t width, int32_t height) {
    const s::gui::layout::Size size = getSizeRange().within({width, height});
    setSize(size.width, size.height);
}

} // namespace s::gui::win
