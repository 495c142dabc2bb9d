#include "s/gui/model/Leaf.h"

namespace s::gui::model {

void Leaf::reset() {
    Component::reset();
    sizing = {};
}

layout::SizeRange Leaf::getSizeRange() const {
    return sizing.range(parentClientSize());
}

layout::Size Leaf::getPreferredSize() const {
    return sizing.preferred(parentClientSize());
}

} // namespace s::gui::model
