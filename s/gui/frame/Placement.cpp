#include "s/gui/frame/Placement.h"

namespace s::gui::frame {

using s::gui::layout::Point;
using s::gui::layout::Rect;
using s::gui::layout::Size;

bool Placement::isOnScreen(const Rect& window, const Rect& virtualScreen) {
    if (window.width <= kMinimumOverlap || window.height <= kMinimumOverlap) {
        return false;
    }
    // Each test below leaves fewer than 10 pixels of overlap on one side.
    return window.x <= virtualScreen.right() - kMinimumOverlap &&
           window.right() - virtualScreen.x > kMinimumOverlap - 1 &&
           window.y <= virtualScreen.bottom() - kMinimumOverlap &&
           window.bottom() - virtualScreen.y > kMinimumOverlap - 1;
}

Point Placement::onScreen(const Rect& window, const Rect& virtualScreen) {
    Point position = window.origin();
    if (window.right() >= virtualScreen.right()) {
        position.x = virtualScreen.right() - window.width;
    }
    if (window.bottom() >= virtualScreen.bottom()) {
        position.y = virtualScreen.bottom() - window.height;
    }
    position.x = position.x < virtualScreen.x ? virtualScreen.x : position.x;
    position.y = position.y < virtualScreen.y ? virtualScreen.y : position.y;
    return position;
}

Point Placement::centred(Size size, const Rect& workArea) {
    Point position = {workArea.x + (workArea.width - size.width) / 2,
                      workArea.y + (workArea.height - size.height) / 2};
    position.x = position.x < workArea.x ? workArea.x : position.x;
    position.y = position.y < workArea.y ? workArea.y : position.y;
    return position;
}

Point Placement::snapped(const Rect& proposed, const Rect& bounds) {
    Point position = proposed.origin();
    if (position.x > bounds.right() - proposed.width) {
        position.x = bounds.right() - proposed.width;
    }
    position.x = position.x < bounds.x ? bounds.x : position.x;
    if (position.y > bounds.bottom() - proposed.height) {
        position.y = bounds.bottom() - proposed.height;
    }
    position.y = position.y < bounds.y ? bounds.y : position.y;
    return position;
}

Rect Placement::snapBounds(int32_t monitorCount, const Rect& virtualScreen, const Rect& workArea) {
    return monitorCount < 2 ? workArea : virtualScreen;
}

bool Placement::recentred(const Rect& window, Point cursor, Point* position) {
    const int32_t dx = cursor.x - window.x;
    const int32_t dy = cursor.y - window.y;
    const int32_t halfWidth = window.width / 2;
    const int32_t halfHeight = window.height / 2;
    if (dx == halfWidth && dy == halfHeight) {
        return false;
    }
    *position = {window.x + dx - halfWidth, window.y + dy - halfHeight};
    return true;
}

} // namespace s::gui::frame
