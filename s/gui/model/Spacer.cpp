#include "s/gui/model/Spacer.h"

#include "s/gui/IContainer.h"

namespace s::gui::model {

void Spacer::reset() {
    Component::reset();
    sizing = {};
    horizontal = true;
}

void Spacer::setHorizontal() {
    if (!horizontal) {
        sizing.exchangeAxes();
        horizontal = true;
    }
}

void Spacer::setVertical() {
    if (horizontal) {
        sizing.exchangeAxes();
        horizontal = false;
    }
}

layout::SizeRange Spacer::getSizeRange() const {
    layout::SizeRange range = sizing.range(parentClientSize());
    s::gui::IContainer* container = getParent();
    if (container == nullptr) {
        return range;
    }
    layout::LayoutKind kind = container->getLayoutKind();
    if (kind == layout::LayoutKind::Horizontal && !horizontal) {
        range.minimum.width = 0;
        range.maximum.width = 0;
    } else if (kind == layout::LayoutKind::Vertical && horizontal) {
        range.minimum.height = 0;
        range.maximum.height = 0;
    }
    return range;
}

} // namespace s::gui::model
