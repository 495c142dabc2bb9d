#pragma once
#include <cstdint>

#include "s/gui/paint/IRectFill.h"

namespace s::gui::drawer::window {

// The background and one-pixel frame of a window with its own frame, as
// solid rectangles, in the window's client coordinates (0, 0 at its top
// left, right and bottom exclusive).
//
// Corners follow the window's shape (see RegionShape): a rounded window
// region cuts the frame's corners off, so pieces of frame colour inside the
// corners draw the rounded edge again. Style 1 ("slightly rounded") adds two
// 2-pixel pieces one row inside each corner; style 2 ("rounded") adds five
// rows per corner, 5, 3, 2, 2 and 1 pixels wide from the outer row in. When
// one end is 1 and the other 2, style 1 wins for both ends (the region is
// then the slightly rounded one), so the style-2 end gets no pieces.
//
//     style 2, top left:     row 0  ##########
//                            row 1  #####
//                            row 2  ###
//                            row 3  ##
//                            row 4  ##
//                            row 5  #
//
// A static rule; any thread.
class FrameShape {
public:
    enum Corners : int32_t {
        kSquare = 0,
        kSlightlyRounded = 1,
        kRounded = 2,
    };

    struct Colours {
        // Null background: transparent, the window's pixels stay.
        bool transparent = true;
        uint32_t background = 0;
        uint32_t frame = 0;
    };

    // Paints a width x height window; nothing when either is not positive.
    static void paint(s::gui::paint::IRectFill& target, int32_t width, int32_t height,
                      int32_t topCorners, int32_t bottomCorners, const Colours& colours);

private:
    static void slightlyRoundedEnd(s::gui::paint::IRectFill& target, int32_t width, int32_t row,
                                   uint32_t colour);
    static void roundedEnd(s::gui::paint::IRectFill& target, int32_t width, int32_t outerRow,
                           int32_t inward, uint32_t colour);
};

} // namespace s::gui::drawer::window
