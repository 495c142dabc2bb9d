#include "s/gui/drawer/scrollbar/ScrollBarLayout.h"

#include <algorithm>
#include <cmath>

namespace s::gui::drawer::scrollbar {

using s::gui::layout::Rect;

namespace {

bool holds(const Rect& rect, int32_t x, int32_t y) {
    return x >= rect.x && x < rect.right() && y >= rect.y && y < rect.bottom();
}

// Nearest whole pixel or position; halves go away from zero, the same way
// for both directions of a drag.
int64_t nearest(double value) {
    return std::llround(value);
}

} // namespace

ScrollBarLayout::ScrollBarLayout(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                 bool isHorizontal, int32_t documentTotal, int32_t pageSize,
                                 int32_t requestedPosition, bool withCorner)
    : horizontal(isHorizontal), total(documentTotal),
      page(std::max(pageSize, 0)), bar{left, top, right - left, bottom - top} {
    // 1. The corner square comes off the far end of the bar.
    if (withCorner) {
        if (horizontal) {
            corner = {right - bar.height, top, bar.height, bar.height};
            bar.width -= bar.height;
        } else {
            corner = {left, bottom - bar.width, bar.width, bar.width};
            bar.height -= bar.width;
        }
    }
    // 2. Square arrows at both ends.
    thickness = horizontal ? bar.height : bar.width;
    const int32_t barStart = alongStart(bar);
    const int32_t barEnd = alongEnd(bar);
    parts[kFirstArrow] = span(barStart, barStart + thickness);
    parts[kSecondArrow] = span(barEnd - thickness, barEnd);
    // 3. A page that shows the whole document leaves nothing to scroll; a
    //    track too short for the smallest thumb leaves nothing to grab.
    if (page >= total) {
        return;
    }
    const int32_t maxPosition = total - page;
    position = std::clamp(requestedPosition, 0, maxPosition);
    trackLength = barEnd - barStart - 2 * thickness;
    if (trackLength < kMinimumThumb) {
        return;
    }
    // 4. The thumb stands for the page; its free travel for the positions.
    thumbLength = static_cast<int32_t>(
        std::max<int64_t>(nearest(static_cast<double>(page) * trackLength / total), kMinimumThumb));
    const int32_t trackStart = barStart + thickness;
    const int32_t thumbStart =
        trackStart + static_cast<int32_t>(nearest(static_cast<double>(position) *
                                                  (trackLength - thumbLength) / maxPosition));
    // 5. The track pieces on either side of the thumb.
    parts[kTrackBefore] = span(trackStart, thumbStart);
    parts[kThumb] = span(thumbStart, thumbStart + thumbLength);
    parts[kTrackAfter] = span(thumbStart + thumbLength, barEnd - thickness);
}

int32_t ScrollBarLayout::hitTest(int32_t x, int32_t y) const {
    for (int32_t part = kFirstArrow; part < kPartCount; ++part) {
        if (holds(parts[part], x, y)) {
            return part;
        }
    }
    return kNowhere;
}

int32_t ScrollBarLayout::dragPosition(int32_t delta) const {
    if (!hasThumb()) {
        return position;
    }
    const int64_t thumbStart = alongStart(parts[kThumb]);
    const int64_t thumbEnd = alongEnd(parts[kThumb]);
    if (alongEnd(parts[kFirstArrow]) >= thumbStart + delta) {
        return 0;
    }
    const int32_t maxPosition = total - page;
    if (thumbEnd + delta >= alongStart(parts[kSecondArrow])) {
        return maxPosition;
    }
    // The thumb cannot fill the whole track here: a thumb that long would
    // have met one of the two rules above.
    const int64_t moved =
        nearest(static_cast<double>(delta) * maxPosition / (trackLength - thumbLength)) + position;
    return static_cast<int32_t>(std::clamp<int64_t>(moved, 0, maxPosition));
}

Rect ScrollBarLayout::trackFill(const Rect& track, int32_t unit) const {
    if (horizontal) {
        return {track.x, track.y + unit, track.width, track.height - 2 * unit};
    }
    return {track.x + unit, track.y, track.width - 2 * unit, track.height};
}

bool ScrollBarLayout::thumbCarriesArrows() const {
    return hasThumb() && thumbLength > 2 * thickness;
}

Rect ScrollBarLayout::thumbStartSquare(int32_t unit) const {
    const int32_t start = alongStart(parts[kThumb]);
    return inset(span(start, start + thickness), 2 * unit);
}

Rect ScrollBarLayout::thumbEndSquare(int32_t unit) const {
    const int32_t end = alongEnd(parts[kThumb]);
    return inset(span(end - thickness, end), 2 * unit);
}

Rect ScrollBarLayout::span(int32_t start, int32_t end) const {
    if (horizontal) {
        return {start, bar.y, end - start, bar.height};
    }
    return {bar.x, start, bar.width, end - start};
}

Rect ScrollBarLayout::inset(const Rect& rect, int32_t by) const {
    return {rect.x + by, rect.y + by, rect.width - 2 * by, rect.height - 2 * by};
}

} // namespace s::gui::drawer::scrollbar
