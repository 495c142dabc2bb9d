#include "s/gui/model/Component.h"

#include "s/gui/IContainer.h"

namespace s::gui::model {

void Component::reset() {
    parent = nullptr;
    bounds = {};
    offset = {};
    visible = true;
    enabled = true;
    updateDepth = 0;
    placementPending = false;
}

layout::Point Component::screenOrigin() const {
    layout::Point origin = bounds.origin() + offset;
    return parent != nullptr ? parent->getChildOrigin() + origin : origin;
}

bool Component::contains(int32_t screenX, int32_t screenY) const {
    if (!visible) {
        return false;
    }
    layout::Point origin = screenOrigin();
    layout::Rect onScreen{origin.x, origin.y, bounds.width, bounds.height};
    return onScreen.containsWithEdges({screenX, screenY});
}

void Component::setBounds(int32_t x, int32_t y, int32_t width, int32_t height) {
    // A negative size has no meaning on the screen; it counts as empty.
    layout::Rect wanted{x, y, width < 0 ? 0 : width, height < 0 ? 0 : height};
    if (wanted == bounds) {
        return;
    }
    bool sizeChanged = wanted.size() != bounds.size();
    bounds = wanted;
    if (sizeChanged) {
        resized();
    }
    applyPlacement();
}

void Component::setOffset(int32_t x, int32_t y) {
    layout::Point wanted{x, y};
    if (wanted == offset) {
        return;
    }
    offset = wanted;
    applyPlacement();
}

void Component::applyPlacement() {
    if (updateDepth > 0) {
        placementPending = true;
        return;
    }
    placementPending = false;
    placed(bounds.movedBy(offset));
}

void Component::endUpdate() {
    // An end without a begin is ignored rather than opening the count below 0.
    if (updateDepth == 0) {
        return;
    }
    --updateDepth;
    if (updateDepth == 0 && placementPending) {
        applyPlacement();
    }
}

void Component::resizeWithin(int32_t width, int32_t height) {
    layout::Size size = getSizeRange().within({width, height});
    setSize(size.width, size.height);
}

void Component::setVisible(bool show) {
    if (show != visible) {
        visible = show;
        visibilityChanged();
    }
}

void Component::setEnabled(bool enable) {
    if (enable != enabled) {
        enabled = enable;
        enablingChanged();
    }
}

layout::Size Component::parentClientSize() const {
    if (parent == nullptr) {
        return {0, 0};
    }
    return {parent->getClientWidth(), parent->getClientHeight()};
}

} // namespace s::gui::model
