#include "s/gui/layout/Flow.h"

#include <algorithm>
#include <cstdint>

#include "s/gui/layout/Linear.h"

namespace s::gui::layout {

namespace {

int32_t widthOf(const LayoutItem& item) {
    return std::max(0, item.range.minimum.width);
}

} // namespace

const Flow& Flow::shared() {
    static const Flow* const instance = newInstance();
    return *instance;
}

size_t Flow::rowEnd(const LayoutRequest& request, size_t first, int32_t width, int64_t* rowWidth) {
    const int32_t gap = request.gapAlong(Axis::Horizontal);
    int64_t used = 0;
    bool anyPositive = false;
    bool anyChild = false;
    size_t index = first;
    for (; index < request.items.size(); ++index) {
        const LayoutItem& item = request.items[index];
        if (!item.visible) {
            continue;
        }
        int32_t childWidth = widthOf(item);
        int64_t gapBefore = anyPositive && childWidth >= 1 ? gap : 0;
        // The first child of a row always stays, however wide, so every row
        // makes progress.
        if (anyChild && used + gapBefore + childWidth > width) {
            break;
        }
        used += gapBefore + childWidth;
        anyChild = true;
        anyPositive = anyPositive || childWidth >= 1;
    }
    *rowWidth = used;
    return index;
}

void Flow::arrange(const LayoutRequest& request, LayoutResult& result) const {
    const std::vector<LayoutItem>& items = request.items;
    result.clear();
    result.bounds.assign(items.size(), Rect{});

    // 1. The width rows wrap in: at least the widest child.
    int32_t minimumWidth = 0;
    for (const LayoutItem& item : items) {
        if (item.visible) {
            minimumWidth = std::max(minimumWidth, widthOf(item));
        }
    }
    const int32_t width = std::max(request.content.width, minimumWidth);

    // 2. Rows, each a track of the vertical stack: its height needs are those
    //    of its tallest child.
    for (size_t first = 0; first < items.size();) {
        int64_t rowWidth = 0;
        size_t end = rowEnd(request, first, width, &rowWidth);
        Track row;
        for (size_t i = first; i < end; ++i) {
            if (items[i].visible) {
                row.minimum = std::max(row.minimum, items[i].range.minimumAlong(Axis::Vertical));
                row.largest = std::max(row.largest, items[i].range.largestAlong(Axis::Vertical));
            }
        }
        result.tracks.push_back(row);
        first = end;
    }
    // 3. Heights of the rows shared like the children of a vertical layout.
    const int32_t rowGap = request.gapAlong(Axis::Vertical);
    const int64_t total = Linear::gappedTotal(result.tracks, rowGap, &Track::minimum);
    const int64_t totalLargest = Linear::gappedTotal(result.tracks, rowGap, &Track::largest);
    const int64_t space = std::max<int64_t>(request.content.height, total);
    const int64_t extra = Linear::shareGrowth(result.tracks, space, total, totalLargest);
    Linear::place(result.tracks, alignedOffset(request.verticalAlignment, Linear::narrow(extra)),
                  rowGap);

    // 4. Placing, row by row, with the same row breaks as in step 2.
    const int32_t gap = request.gapAlong(Axis::Horizontal);
    size_t first = 0;
    for (const Track& row : result.tracks) {
        int64_t rowWidth = 0;
        size_t end = rowEnd(request, first, width, &rowWidth);
        int64_t x = alignedOffset(request.horizontalAlignment, Linear::narrow(width - rowWidth));
        bool anyPositive = false;
        for (size_t i = first; i < end; ++i) {
            const LayoutItem& item = items[i];
            if (!item.visible) {
                continue;
            }
            int32_t childWidth = widthOf(item);
            if (anyPositive && childWidth >= 1) {
                x += gap;
            }
            int32_t height = item.range.withinAlong(Axis::Vertical, row.size);
            int32_t y = row.position + alignedOffset(request.verticalAlignment, row.size - height);
            result.bounds[i] = Rect{Linear::narrow(x), y, childWidth, height};
            x += childWidth;
            anyPositive = anyPositive || childWidth >= 1;
        }
        first = end;
    }

    // 5. Sizes reported to the parent; all children in one row is the widest
    //    the box can use.
    int64_t oneRow = 0;
    rowEnd(request, 0, INT32_MAX, &oneRow);
    result.minimum = {minimumWidth, Linear::narrow(total)};
    result.maximum = {Linear::narrow(oneRow), Linear::narrow(totalLargest)};
}

} // namespace s::gui::layout
