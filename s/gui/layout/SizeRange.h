#pragma once
#include <cstdint>

#include "s/gui/layout/Axis.h"
#include "s/gui/layout/Size.h"

namespace s::gui::layout {

// The sizes a component accepts: what a layout reads from each child before it
// places any. A plain value; any thread.
//
// The minimum may exceed the maximum (a fixed width wider than a percent of a
// small parent, a picture larger than its cap); then the minimum wins, so a
// component is never squeezed below what it needs to show.
struct SizeRange {
    Size minimum;
    Size maximum;

    // The size a component takes when offered `given`: each dimension clamped
    // to [minimum, maximum], the minimum winning over the maximum.
    Size within(Size given) const {
        return {clamp(given.width, minimum.width, maximum.width),
                clamp(given.height, minimum.height, maximum.height)};
    }
    // The most a component can use in each dimension: the larger of its
    // minimum and maximum.
    Size largest() const {
        return {maximum.width > minimum.width ? maximum.width : minimum.width,
                maximum.height > minimum.height ? maximum.height : minimum.height};
    }
    int32_t minimumAlong(Axis axis) const { return along(minimum, axis); }
    int32_t largestAlong(Axis axis) const { return along(largest(), axis); }
    int32_t withinAlong(Axis axis, int32_t given) const {
        return axis == Axis::Horizontal ? clamp(given, minimum.width, maximum.width)
                                        : clamp(given, minimum.height, maximum.height);
    }

    // `given` limited to [low, high]; when low exceeds high, low. Never
    // negative: a range built from bad numbers still yields a size.
    static int32_t clamp(int32_t given, int32_t low, int32_t high) {
        int32_t value = given > high ? high : given;
        value = value < low ? low : value;
        return value < 0 ? 0 : value;
    }
};

} // namespace s::gui::layout
