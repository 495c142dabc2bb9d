#pragma once
#include "s/gui/layout/LayoutRequest.h"
#include "s/gui/layout/LayoutResult.h"

namespace s::gui {

// A layout: data in, data out. It receives the children's size ranges and the
// container's content size and answers one rectangle per child and the sizes
// the container needs; it touches no component and no native window, so it
// can run on any thread and be shared by every container that uses it.
//
// A container that is given a layout manager borrows it: the manager must
// outlive the container's use of it. The built-in managers are stateless and
// have one shared instance each (s::gui::layout::Vertical::shared() ...).
class ILayoutManager {
public:
    virtual ~ILayoutManager() = default;
    // Fills `result` (cleared first) from `request`; result.bounds gets one
    // rectangle for every request item.
    virtual void arrange(const layout::LayoutRequest& request,
                         layout::LayoutResult& result) const = 0;
};

} // namespace s::gui
