#pragma once
#include <cstdint>

#include "s/gui/layout/Point.h"
#include "s/gui/layout/Rect.h"
#include "s/gui/layout/Size.h"

namespace s::gui::frame {

// Where a top-level window may be and where it goes: the on-screen test,
// bringing it back onto the screen, centring, snapping to the screen's
// bounds and re-centring on the cursor. Rectangles are outer window bounds
// on the screen. Pure arithmetic; any thread.
class Placement {
public:
    // The overlap a window needs with the virtual screen on each axis to
    // count as on the screen: enough for the user to find and grab it.
    static constexpr int32_t kMinimumOverlap = 10;

    // A window 10 pixels wide or high or less is never on the screen (it
    // cannot be found); otherwise at least 10 pixels must overlap the
    // virtual screen horizontally and vertically.
    static bool isOnScreen(const s::gui::layout::Rect& window,
                           const s::gui::layout::Rect& virtualScreen);

    // The position that brings a window onto the virtual screen: moved left
    // or up so that it ends at the far edge, then at least at the near edge
    // (a window larger than the screen shows its top-left part).
    static s::gui::layout::Point onScreen(const s::gui::layout::Rect& window,
                                          const s::gui::layout::Rect& virtualScreen);

    // The position that centres a window of `size` on the work area, never
    // left of or above it.
    static s::gui::layout::Point centred(s::gui::layout::Size size,
                                         const s::gui::layout::Rect& workArea);

    // The position that keeps a window of the proposed bounds inside
    // `bounds`: at most right - width, then at least left (likewise
    // vertically), so a window larger than the bounds sticks to their
    // top-left corner.
    static s::gui::layout::Point snapped(const s::gui::layout::Rect& proposed,
                                         const s::gui::layout::Rect& bounds);

    // The limit of snapping: the virtual screen with two monitors or more;
    // with one, the work area, so that the taskbar stays uncovered.
    static s::gui::layout::Rect snapBounds(int32_t monitorCount,
                                           const s::gui::layout::Rect& virtualScreen,
                                           const s::gui::layout::Rect& workArea);

    // Re-centring on the cursor (a screen point): answers false when the
    // cursor already lies at the window's centre (integer halves), else
    // true with the position that puts it there.
    static bool recentred(const s::gui::layout::Rect& window, s::gui::layout::Point cursor,
                          s::gui::layout::Point* position);
};

} // namespace s::gui::frame
