#include "s/gui/layout/Horizontal.h"

#include "s/gui/layout/Linear.h"

namespace s::gui::layout {

const Horizontal& Horizontal::shared() {
    static const Horizontal* const instance = newInstance();
    return *instance;
}

void Horizontal::arrange(const LayoutRequest& request, LayoutResult& result) const {
    Linear::arrange(Axis::Horizontal, request, result);
}

} // namespace s::gui::layout
