#include "s/gui/layout/Pile.h"

#include <algorithm>

namespace s::gui::layout {

const Pile& Pile::shared() {
    static const Pile* const instance = newInstance();
    return *instance;
}

void Pile::arrange(const LayoutRequest& request, LayoutResult& result) const {
    result.clear();
    // 1. The area every child shares: the content, grown to the largest minimum.
    Size minimum{0, 0};
    Size largest{0, 0};
    for (const LayoutItem& item : request.items) {
        minimum.width = std::max(minimum.width, item.range.minimum.width);
        minimum.height = std::max(minimum.height, item.range.minimum.height);
        largest.width = std::max(largest.width, item.range.largest().width);
        largest.height = std::max(largest.height, item.range.largest().height);
    }
    const Size area{std::max(request.content.width, minimum.width),
                    std::max(request.content.height, minimum.height)};

    // 2. Each child as large as the area allows, aligned within it.
    result.bounds.resize(request.items.size());
    for (size_t i = 0; i < request.items.size(); ++i) {
        Size size = request.items[i].range.within(area);
        result.bounds[i] = Rect{alignedOffset(request.horizontalAlignment, area.width - size.width),
                                alignedOffset(request.verticalAlignment, area.height - size.height),
                                size.width, size.height};
    }
    result.minimum = minimum;
    result.maximum = largest;
}

} // namespace s::gui::layout
