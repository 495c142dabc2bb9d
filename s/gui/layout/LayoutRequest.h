#pragma once
#include <cstdint>
#include <vector>

#include "s/gui/layout/Alignment.h"
#include "s/gui/layout/Axis.h"
#include "s/gui/layout/LayoutItem.h"
#include "s/gui/layout/Size.h"

namespace s::gui::layout {

// The input of a layout pass: the container's content size, its alignments
// and gaps, and one item per child in the container's order. Owned by the
// pass that fills it (see LayoutPass); read by one layout at a time.
struct LayoutRequest {
    Size content;
    Alignment horizontalAlignment = Alignment::Start;
    Alignment verticalAlignment = Alignment::Start;
    int32_t horizontalGap = 0;
    int32_t verticalGap = 0;
    std::vector<LayoutItem> items;

    // The gap between children stacked along `axis`; a negative gap counts as
    // none, so children never overlap.
    int32_t gapAlong(Axis axis) const {
        int32_t gap = axis == Axis::Horizontal ? horizontalGap : verticalGap;
        return gap < 0 ? 0 : gap;
    }
    Alignment alignmentAlong(Axis axis) const {
        return axis == Axis::Horizontal ? horizontalAlignment : verticalAlignment;
    }
    // Back to an empty request; the item storage is kept for the next pass.
    void clear() {
        content = {};
        horizontalAlignment = Alignment::Start;
        verticalAlignment = Alignment::Start;
        horizontalGap = 0;
        verticalGap = 0;
        items.clear();
    }
};

} // namespace s::gui::layout
