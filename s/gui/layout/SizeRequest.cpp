#include "s/gui/layout/SizeRequest.h"

#include <utility>

namespace s::gui::layout {

void SizeRequest::exchangeAxes() {
    std::swap(percent.width, percent.height);
    std::swap(fixed.width, fixed.height);
}

} // namespace s::gui::layout
