#include "s/gui/layout/Linear.h"

#include <algorithm>
#include <cstdint>

namespace s::gui::layout {

namespace {

int32_t notBelowZero(int32_t value) {
    return value < 0 ? 0 : value;
}

} // namespace

int32_t Linear::narrow(int64_t value) {
    if (value > INT32_MAX) {
        return INT32_MAX;
    }
    return value < INT32_MIN ? INT32_MIN : static_cast<int32_t>(value);
}

int64_t Linear::gappedTotal(const std::vector<Track>& tracks, int32_t gap, int32_t Track::*field) {
    int64_t total = 0;
    for (size_t i = 0; i < tracks.size(); ++i) {
        if (i > 0 && tracks[i - 1].*field >= 1) {
            total += gap;
        }
        total += tracks[i].*field;
    }
    // A positive sum ending in an empty track carries exactly one gap after
    // the last track that measured anything.
    if (total > 0 && !tracks.empty() && tracks.back().*field == 0) {
        total -= gap;
    }
    return total;
}

int64_t Linear::shareGrowth(std::vector<Track>& tracks, int64_t space, int64_t total,
                            int64_t totalLargest) {
    for (Track& track : tracks) {
        track.size = track.minimum;
    }
    int64_t extra = space - total;
    if (extra <= 0 || total >= totalLargest) {
        return extra;
    }
    if (space >= totalLargest) {
        // Room for everyone's largest size.
        for (Track& track : tracks) {
            track.size = track.largest;
        }
        return space - totalLargest;
    }
    // 1. Proportional: each growable track gets the same share r of what it
    //    could still grow (single precision, truncated).
    float ratio = static_cast<float>(extra) / static_cast<float>(totalLargest - total);
    for (Track& track : tracks) {
        if (track.largest > track.size) {
            int64_t room = int64_t{track.largest} - track.size;
            int64_t growth = static_cast<int64_t>(static_cast<float>(room) * ratio);
            growth = std::min({growth, room, extra});
            track.size = narrow(track.size + growth);
            extra -= growth;
        }
    }
    // 2. The pixels truncation left over go to the first tracks that can
    //    still take them.
    for (Track& track : tracks) {
        if (extra <= 0) {
            break;
        }
        if (track.largest > track.size) {
            int64_t growth = std::min(int64_t{track.largest} - track.size, extra);
            track.size = narrow(track.size + growth);
            extra -= growth;
        }
    }
    return extra;
}

int64_t Linear::keepWithin(std::vector<Track>& tracks, int64_t space, int32_t gap) {
    int64_t over = gappedTotal(tracks, gap, &Track::size) - space;
    for (size_t i = tracks.size(); i-- > 0 && over > 0;) {
        Track& track = tracks[i];
        const int64_t back = std::min<int64_t>(over, int64_t{track.size} - track.minimum);
        if (back > 0) {
            track.size = narrow(track.size - back);
            // A track taken back to nothing also drops its gap.
            over = gappedTotal(tracks, gap, &Track::size) - space;
        }
    }
    return space - gappedTotal(tracks, gap, &Track::size);
}

void Linear::place(std::vector<Track>& tracks, int64_t start, int32_t gap) {
    int64_t position = start;
    for (size_t i = 0; i < tracks.size(); ++i) {
        if (i > 0 && tracks[i - 1].size >= 1) {
            position += gap;
        }
        tracks[i].position = narrow(position);
        position += tracks[i].size;
    }
}

void Linear::arrange(Axis primary, const LayoutRequest& request, LayoutResult& result) {
    const Axis secondary = across(primary);
    const std::vector<LayoutItem>& items = request.items;
    const int32_t gap = request.gapAlong(primary);
    result.clear();

    // 1. What every child needs and can use, along and across the stack.
    int32_t minimumAcross = 0;
    int32_t largestAcross = 0;
    result.tracks.resize(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const SizeRange& range = items[i].range;
        Track& track = result.tracks[i];
        track.minimum = notBelowZero(range.minimumAlong(primary));
        track.largest = notBelowZero(range.largestAlong(primary));
        minimumAcross = std::max(minimumAcross, range.minimumAlong(secondary));
        largestAcross = std::max(largestAcross, range.largestAlong(secondary));
    }
    const int64_t total = gappedTotal(result.tracks, gap, &Track::minimum);
    const int64_t totalLargest = gappedTotal(result.tracks, gap, &Track::largest);

    // 2. The space along the stack is at least what the children need; the
    //    rest is shared among those that can grow.
    const int64_t space = std::max<int64_t>(along(request.content, primary), total);
    shareGrowth(result.tracks, space, total, totalLargest);
    const int64_t extra = keepWithin(result.tracks, space, gap);

    // 3. Across the stack every child is stretched as far as it allows.
    const int32_t spaceAcross = std::max(along(request.content, secondary), minimumAcross);

    // 4. The whole stack is aligned by what is left over along it.
    const int32_t start = alignedOffset(request.alignmentAlong(primary), narrow(extra));
    place(result.tracks, start, gap);

    // 5. Placing: each child aligned across the stack within its row/column.
    result.bounds.resize(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const Track& track = result.tracks[i];
        int32_t extent = items[i].range.withinAlong(secondary, spaceAcross);
        int32_t offset = alignedOffset(request.alignmentAlong(secondary), spaceAcross - extent);
        result.bounds[i] = rectAlong(primary, track.position, track.size, offset, extent);
    }
    result.minimum = sizeAlong(primary, narrow(total), minimumAcross);
    result.maximum = sizeAlong(primary, narrow(totalLargest), largestAcross);
}

} // namespace s::gui::layout
