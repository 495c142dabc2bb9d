#pragma once
#include <cstdint>

#include "s/gui/paint/IRectFill.h"

namespace s::gui::drawer::border {

// The bevelled frames of buttons, scroll-bar tracks and slider parts, as
// solid rectangles: four edges in tints of one base colour, lighter where
// light falls on a raised frame and darker in its shadow, with square,
// slightly rounded or rounded corners.
//
//   corner style 0        corner style 1         corner style 2
//   LTTTTTTTTR            .TTTTTTTT.             ..TTTTTR..
//   L        R            LT      RR             .T      R.
//   L        R            L        R             T        R
//   L        R            LL      BR             L        R
//   LBBBBBBBBB            .BBBBBBBB.             L        B
//                                                .L      B.
//   (one step each;                              ..LBBBBB..
//    type 3 has no bottom edge, its sides run down to the bottom)
//
// Edges are one step thick: the display's unit with square corners; with
// rounded ones 1 pixel on an unscaled display and 2 pixels otherwise, since
// a staircase of 4-pixel steps would look like a notch, not a curve. Edges
// are drawn top, right, bottom, left, each over the ends of the ones before;
// the corners come last, each in the colour of the edge named first in its
// position (top-left: top; top-right: right; bottom-right: bottom;
// bottom-left: left).
//
// Stateless; any thread.
class Bevel {
public:
    // Frame types by the light they suggest.
    enum Type : int32_t {
        kRaised = 0,         // a button under the mouse
        kFlat = 1,           // a button at rest
        kSunken = 2,         // a pressed button
        kFlatOpenBottom = 3, // flat, joined to what lies below it
    };
    enum CornerStyle : int32_t { kSquare = 0, kSlightlyRounded = 1, kRounded = 2 };

    // Tint factors in percent of each channel of the base colour.
    static constexpr int32_t kLighter15 = 115;
    static constexpr int32_t kLighter5 = 105;
    static constexpr int32_t kBase = 100;
    static constexpr int32_t kDarker10 = 90;
    static constexpr int32_t kDarker15 = 85;
    static constexpr int32_t kDarker30 = 70;
    static constexpr int32_t kDarker50 = 50;

    // The colours of the four edges.
    struct Tints {
        uint32_t top = 0;
        uint32_t right = 0;
        uint32_t bottom = 0;
        uint32_t left = 0;
    };

    // Each channel of `colour` (0x00BBGGRR) times percent / 100, truncated,
    // at most 255. Worked in whole numbers: 200 x 115 % is 230, not the 229
    // that 1.15 as a binary fraction would give.
    static uint32_t tint(uint32_t colour, int32_t percent);
    // The edge colours of a frame type; unshaded frames are all `base`.
    // False for an unknown type.
    static bool tintsOf(int32_t type, uint32_t base, bool shaded, Tints& tints);
    // The edge thickness of a corner style at the display's unit (a unit
    // below 1 counts as 1); 0 for an unknown corner style.
    static int32_t thickness(int32_t cornerStyle, int32_t unit);

    // Fills the frame of the rectangle (right and bottom exclusive) into
    // `target`, never outside the rectangle. Nothing for an empty or
    // inverted rectangle, an unknown type or an unknown corner style.
    static void paint(s::gui::paint::IRectFill& target, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, int32_t type, int32_t cornerStyle, int32_t unit, bool shaded,
                      uint32_t base);
};

} // namespace s::gui::drawer::border
