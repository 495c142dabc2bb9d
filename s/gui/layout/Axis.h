#pragma once
#include <cstdint>

#include "s/gui/layout/Point.h"
#include "s/gui/layout/Rect.h"
#include "s/gui/layout/Size.h"

namespace s::gui::layout {

// The direction a layout stacks its children in (its primary axis); the other
// one is the secondary axis. The accessors below pick the width or the height
// by axis, so one algorithm serves rows and columns alike.
enum class Axis : int32_t { Horizontal, Vertical };

constexpr Axis across(Axis axis) {
    return axis == Axis::Horizontal ? Axis::Vertical : Axis::Horizontal;
}

constexpr int32_t along(Size size, Axis axis) {
    return axis == Axis::Horizontal ? size.width : size.height;
}

constexpr int32_t along(Point point, Axis axis) {
    return axis == Axis::Horizontal ? point.x : point.y;
}

// A size from its extent along `primary` and across it.
constexpr Size sizeAlong(Axis primary, int32_t alongPrimary, int32_t acrossPrimary) {
    return primary == Axis::Horizontal ? Size{alongPrimary, acrossPrimary}
                                       : Size{acrossPrimary, alongPrimary};
}

// A rectangle from its position and extent along `primary` and across it.
constexpr Rect rectAlong(Axis primary, int32_t position, int32_t extent, int32_t crossPosition,
                         int32_t crossExtent) {
    return primary == Axis::Horizontal ? Rect{position, crossPosition, extent, crossExtent}
                                       : Rect{crossPosition, position, crossExtent, extent};
}

} // namespace s::gui::layout
