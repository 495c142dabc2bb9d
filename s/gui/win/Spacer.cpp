#include "s/gui/win/Spacer.h"

#include "s/gui/win/Box.h"

namespace s::gui::win {

void Spacer::reset() {
    detach();
    s::gui::model::Spacer::reset();
}

void Spacer::placeNative(const s::gui::layout::Rect& inParent) {
    // A hidden spacer keeps out of the way wherever the layout puts it.
    if (!isVisible()) {
        moveAway();
        return;
    }
    NativeComponent::placeNative(inParent);
}

void Spacer::showNative() {
    if (!isVisible()) {
        moveAway();
        return;
    }
    NativeComponent::showNative();
}

void Spacer::moveAway() {
    if (getHandle() != nullptr) {
        SetWindowPos(getHandle(), nullptr, kHiddenX, kHiddenY, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    }
}

bool Spacer::handleComponentMessage(LRESULT* result, UINT message, WPARAM wParam, LPARAM lParam) {
    return handleOwnPaint(result, message);
}

void Spacer::paintInto(HDC target) {
    // Nothing of its own: what lies behind it.
    Box::drawParentBackground(target, *this);
}

} // namespace s::gui::win
