#pragma once
#include <cstdint>

#include "s/gui/frame/Sides.h"
#include "s/gui/layout/Point.h"

namespace s::gui::frame {

// The edge of a sizing operation, in the window's own numbering (the
// system's numbers differ for the bottom and the top corners).
enum class SizingEdge : int32_t {
    None = 0,
    Left = 1,
    Right = 2,
    Top = 3,
    Bottom = 4,
    TopLeft = 5,
    TopRight = 6,
    BottomLeft = 7,
    BottomRight = 8,
};

// The rules a window applies while it is being sized, by the system's frame
// or by a drag of its self-painted borders: the height limit of the work
// area, the minimum size, and the drag step that moves the grabbed edges
// with the cursor. Pure arithmetic; any thread.
class Sizing {
public:
    // The system's sizing edge number (1 to 8) in the window's numbering;
    // None for anything else.
    static SizingEdge fromSystemEdge(int32_t systemEdge);
    static int32_t toSystemEdge(SizingEdge edge);
    // The edge a border hit code (10 to 17) drags; None for other codes.
    static SizingEdge fromHitCode(int32_t hitCode);

    // A rectangle taller than `maximumHeight` is cut to it: the bottom moves
    // when the bottom is being dragged, the top otherwise. The width is left
    // alone: a window may be wider than its monitor.
    static void cutToHeight(Sides& rect, SizingEdge edge, int32_t maximumHeight);

    // Grows a rectangle to the minimum width and height where enforced. The
    // edge being dragged gives way (left for the left-hand edges, top for the
    // upper ones); the opposite edge stays where the user left it.
    static void enforceMinimum(Sides& rect, SizingEdge edge, int32_t minimumWidth,
                               int32_t minimumHeight, bool enforceWidth, bool enforceHeight);

    // The rectangle proposed when the border with `hitCode` is dragged by
    // (dx, dy): only the grabbed edges move.
    static Sides dragged(const Sides& window, int32_t hitCode, int32_t dx, int32_t dy);

    // How far the grabbed edges really moved from `before` to `after` (0 on
    // an axis the border does not drag). The press point advances by this,
    // so that an edge held back by a rule does not drift away from the
    // cursor.
    static s::gui::layout::Point moved(const Sides& before, const Sides& after, int32_t hitCode);
};

} // namespace s::gui::frame
