#pragma once
#include <cstdint>

namespace s::gui::drawer::window {

// The shape of a window with its own frame, as the system's regions build
// it: a rectangle, or a rectangle with rounded corners (the ellipse size of
// the corners), where one end may be squared again by adding a rectangle
// over it. The frame painting (FrameShape) draws the matching corners.
//
// The system's region rectangles leave out their right and bottom edges, so
// every shape reaches one pixel past the window's right and bottom: the
// window keeps its last row and column.
//
//  - both ends square: the rectangle;
//  - either end slightly rounded (style 1): corners of a 5 x 5 ellipse;
//    otherwise either end rounded (style 2): an 11 x 11 ellipse;
//  - when only one end has that style, the other end is squared by a strip
//    as deep as the rounding (4 rows for 5 x 5, 6 for 11 x 11);
//  - unknown styles: no shape (the caller keeps the plain window).
//
// A value; any thread.
struct RegionShape {
    enum class Kind : int32_t {
        kNone,
        kRectangle,
        kRoundedRectangle,
    };

    struct Rectangle {
        int32_t left = 0;
        int32_t top = 0;
        int32_t right = 0;
        int32_t bottom = 0;
    };

    Kind kind = Kind::kNone;
    // The rectangle, or the rounded rectangle's bounds.
    Rectangle bounds;
    // The corners' ellipse (width and height alike); 0 for a rectangle.
    int32_t ellipse = 0;
    // A rectangle added over one end to square it again.
    bool squared = false;
    Rectangle square;

    static RegionShape forWindow(int32_t left, int32_t top, int32_t right, int32_t bottom,
                                 int32_t topCorners, int32_t bottomCorners);
};

} // namespace s::gui::drawer::window
