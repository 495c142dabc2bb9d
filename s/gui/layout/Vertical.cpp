#include "s/gui/layout/Vertical.h"

#include "s/gui/layout/Linear.h"

namespace s::gui::layout {

const Vertical& Vertical::shared() {
    static const Vertical* const instance = newInstance();
    return *instance;
}

void Vertical::arrange(const LayoutRequest& request, LayoutResult& result) const {
    Linear::arrange(Axis::Vertical, request, result);
}

} // namespace s::gui::layout
