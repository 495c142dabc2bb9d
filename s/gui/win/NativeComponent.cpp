#include "s/gui/win/NativeComponent.h"

#include "s/gui/IComponent.h"
#include "s/gui/IContainer.h"
#include "s/platform/win/PaintDC.h"

namespace s::gui::win {

void NativeComponent::sizesChanged() {
    s::gui::IContainer* parent = component().getParent();
    if (isAttached() && parent != nullptr) {
        parent->doLayout();
    }
}

NativeComponent* NativeComponent::of(s::gui::IComponent* component) {
    return dynamic_cast<NativeComponent*>(component);
}

bool NativeComponent::attachInside(HWND parent, s::gui::IComponent* component) {
    if (parent == nullptr || of(component) == nullptr) {
        return false;
    }
    return SendMessageW(parent, kAttach, reinterpret_cast<WPARAM>(component), 0) == 1;
}

bool NativeComponent::attach(HWND parent) {
    if (isAttached()) {
        return true;
    }
    if (parent == nullptr || !createNative(parent)) {
        return false;
    }
    afterCreate();
    if (!isAttached()) {
        // A handler of the steps above destroyed it again.
        return false;
    }
    enableNative();
    // Inside a batch of its container the batch's end places it.
    if (!component().isUpdating()) {
        placeNative(placementInParent());
    }
    return true;
}

void NativeComponent::detach() {
    const HWND window = getNativeHandle();
    if (window == nullptr) {
        return;
    }
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        destroy();
    } else {
        SendMessageW(window, kDetach, 0, 0);
    }
}

bool NativeComponent::createNative(HWND parent) {
    return create(nativeExStyle(), L"", nativeStyle(), 0, 0, 0, 0, parent);
}

s::gui::layout::Rect NativeComponent::placementInParent() const {
    const s::gui::IComponent& self = component();
    const s::gui::layout::Rect bounds{self.getX(), self.getY(), self.getWidth(), self.getHeight()};
    return bounds.movedBy(self.getOffset());
}

void NativeComponent::placeNative(const s::gui::layout::Rect& inParent) {
    const HWND window = getNativeHandle();
    if (window == nullptr) {
        return;
    }
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (component().isVisible()) {
        flags |= SWP_SHOWWINDOW;
    }
    SetWindowPos(window, nullptr, inParent.x, inParent.y, inParent.width, inParent.height, flags);
}

void NativeComponent::showNative() {
    const HWND window = getNativeHandle();
    if (window == nullptr) {
        return;
    }
    if (component().isVisible()) {
        placeNative(placementInParent());
    } else {
        ShowWindow(window, SW_HIDE);
    }
}

void NativeComponent::enableNative() {
    const HWND window = getNativeHandle();
    if (window != nullptr) {
        EnableWindow(window, component().isEnabled() ? TRUE : FALSE);
    }
}

void NativeComponent::holdCaptureWhile(bool inside) {
    const bool holding = GetCapture() == getHandle();
    if (inside && !holding) {
        SetCapture(getHandle());
    } else if (!inside && holding) {
        ReleaseCapture();
    }
}

bool NativeComponent::handleOwnPaint(LRESULT* result, UINT message) {
    if (message == WM_ERASEBKGND) {
        *result = 1;
        return true;
    }
    if (message != WM_PAINT) {
        return false;
    }
    const s::platform::win::PaintDC paint(getHandle());
    if (paint) {
        paintInto(paint.get());
    }
    *result = 0;
    return true;
}

bool NativeComponent::handleNativeMessage(LRESULT* result, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
    switch (message) {
    case kDetach:
        destroy();
        *result = 0;
        return true;
    case kAttach: {
        NativeComponent* child = of(reinterpret_cast<s::gui::IComponent*>(wParam));
        *result = child != nullptr && child->attach(getNativeHandle()) ? 1 : 0;
        return true;
    }
    default:
        return handleComponentMessage(result, message, wParam, lParam);
    }
}

} // namespace s::gui::win
