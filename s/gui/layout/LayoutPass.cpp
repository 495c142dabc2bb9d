#include "s/gui/layout/LayoutPass.h"

namespace s::gui::layout {

void LayoutPass::reset() {
    request.clear();
    result.clear();
}

} // namespace s::gui::layout
