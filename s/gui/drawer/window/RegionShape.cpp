#include "s/gui/drawer/window/RegionShape.h"

#include "s/gui/drawer/window/FrameShape.h"

namespace s::gui::drawer::window {

namespace {

// Ellipse of the corners and depth of the strip that squares the other end
// again, per rounded style.
constexpr int32_t kSlightEllipse = 5;
constexpr int32_t kSlightSquareDepth = 4;
constexpr int32_t kRoundEllipse = 11;
constexpr int32_t kRoundSquareDepth = 6;

} // namespace

RegionShape RegionShape::forWindow(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                   int32_t topCorners, int32_t bottomCorners) {
    RegionShape shape;
    // One past the right and bottom edges: the region leaves those out.
    const int32_t outerRight = right + 1;
    const int32_t outerBottom = bottom + 1;
    shape.bounds = {left, top, outerRight, outerBottom};
    if (topCorners == FrameShape::kSquare && bottomCorners == FrameShape::kSquare) {
        shape.kind = Kind::kRectangle;
        return shape;
    }
    int32_t style = 0;
    int32_t depth = 0;
    if (topCorners == FrameShape::kSlightlyRounded ||
        bottomCorners == FrameShape::kSlightlyRounded) {
        style = FrameShape::kSlightlyRounded;
        shape.ellipse = kSlightEllipse;
        depth = kSlightSquareDepth;
    } else if (topCorners == FrameShape::kRounded || bottomCorners == FrameShape::kRounded) {
        style = FrameShape::kRounded;
        shape.ellipse = kRoundEllipse;
        depth = kRoundSquareDepth;
    } else {
        shape.bounds = {};
        return shape;
    }
    shape.kind = Kind::kRoundedRectangle;
    if (topCorners != style) {
        shape.squared = true;
        shape.square = {left, top, outerRight, top + depth};
    } else if (bottomCorners != style) {
        shape.squared = true;
        shape.square = {left, bottom - depth + 1, outerRight, outerBottom};
    }
    return shape;
}

} // namespace s::gui::drawer::window
