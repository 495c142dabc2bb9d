#pragma once
#include <cstdint>

#include "s/gui/scale/DisplayScale.h"

namespace s::gui::frame {

// The answers of a frame hit test, as the system's non-client hit test
// expects them.
enum class HitCode : int32_t {
    Client = 1,  // the body of the window
    Caption = 2, // drags the window
    Left = 10,   // sizing borders and corners
    Right = 11,
    Top = 12,
    TopLeft = 13,
    TopRight = 14,
    Bottom = 15,
    BottomLeft = 16,
    BottomRight = 17,
};

// Hit testing of a window that paints its own frame: the system sees no
// frame of its own there, so the window tells it which points are sizing
// borders and corners.
//
//   +--13--+-------12-------+--14--+    b: border width, c: corner length,
//   13                            14    both measured from the outer edge;
//   |                              |    the right and bottom strips are
//   10          (default)         11    tested before the left and top
//   |                              |    ones, so a tiny window leans to
//   16                            17    its bottom-right corner.
//   +--16--+-------15-------+--17--+
//
// A value type; any thread.
class HitTest {
public:
    // Design sizes for a 96-dpi screen of ordinary size.
    static constexpr int32_t kBorderDesignWidth = 5;
    static constexpr int32_t kCornerDesignLength = 30;

    // Border and corner grow with the display: at 96 dpi they are exactly
    // 5 and 30 times the screen factor; on a scaled display they follow the
    // larger of the screen factor and the system's dpi / 96, so that a
    // border stays as easy to grab as the rest of the toolkit is to read.
    explicit HitTest(const s::gui::scale::DisplayScale& scale);
    HitTest(int32_t border, int32_t corner) : border(border), corner(corner) {}

    int32_t getBorder() const { return border; }
    int32_t getCorner() const { return corner; }

    // The zone of a point given relative to the window's top-left corner of
    // a width x height window; `defaultAnswer` when it lies on no border.
    int32_t zone(int32_t x, int32_t y, int32_t width, int32_t height, int32_t defaultAnswer) const;

    // Easy drag: the body becomes a caption, so the left button drags the
    // window from anywhere, unless the right button is held (a chord is the
    // user doing something else with the body).
    static int32_t easyDrag(int32_t answer, bool rightButtonDown);

    // Whether the code is one of the eight sizing borders and corners.
    static bool isBorder(int32_t code);

private:
    int32_t border;
    int32_t corner;
};

} // namespace s::gui::frame
