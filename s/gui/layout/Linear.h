#pragma once
#include <cstdint>
#include <vector>

#include "s/gui/layout/Axis.h"
#include "s/gui/layout/LayoutRequest.h"
#include "s/gui/layout/LayoutResult.h"
#include "s/gui/layout/Track.h"

namespace s::gui::layout {

// The one stacking algorithm behind the vertical and the horizontal layout
// (and the rows of the flow layout): children stacked along a primary axis,
// stretched across it, with growth shared along it. Static and stateless;
// any thread.
//
//   primary = vertical               primary = horizontal
//   +-------------+                  +------------------------+
//   | child 0     |                  | c0 |gap| c1 |gap| c2   |
//   |   gap       |                  +------------------------+
//   | child 1     |
//   +-------------+
//
// The gap rule: a gap goes before a child whose predecessor measures at
// least one pixel, and a gap left dangling after the last child that
// measures anything is taken off again, so empty children (hidden spacers,
// collapsed boxes) neither add nor double gaps: 20/0/20 with gap 5 is 45,
// 20/0 is 20.
class Linear {
public:
    static void arrange(Axis primary, const LayoutRequest& request, LayoutResult& result);

    // The passes, shared with the flow layout.

    // Sum of one field of the tracks with the gap rule above; 64 bits so that
    // no sum of 32-bit sizes overflows.
    static int64_t gappedTotal(const std::vector<Track>& tracks, int32_t gap,
                               int32_t Track::*field);
    // Gives every track its minimum, then shares what `space` leaves beyond
    // `total` (the gapped minimum total) among the tracks that can grow, up to
    // `totalLargest` (the gapped total of the largest sizes). Answers the
    // space still left over.
    static int64_t shareGrowth(std::vector<Track>& tracks, int64_t space, int64_t total,
                               int64_t totalLargest);
    // A track with a minimum of nothing that was given some space brings the
    // gap after it, which the gapped minimum total did not count: the stack
    // would stick out of `space` by that gap. Takes the excess back from the
    // tracks' growth, last track first, never below a minimum. Answers the
    // space left over once the tracks are placed with their gaps.
    static int64_t keepWithin(std::vector<Track>& tracks, int64_t space, int32_t gap);
    // Sets each track's position from `start`, the gap going before every
    // track whose predecessor was given at least one pixel.
    static void place(std::vector<Track>& tracks, int64_t start, int32_t gap);

    // A 64-bit size or position brought back to 32 bits, saturating.
    static int32_t narrow(int64_t value);
};

} // namespace s::gui::layout
