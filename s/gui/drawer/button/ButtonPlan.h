#pragma once
#include <cstdint>

#include "s/gui/layout/Rect.h"

namespace s::gui::drawer::button {

// What a push button looks like in one state, worked out before anything is
// painted: the fill behind a toggled button, the bevel (its rectangle and
// type), the frame colour and the rectangles of a glyph and of a text label.
// The Windows drawer only carries the plan out, so every rule of the states
// is tested here as numbers.
//
//   framed:      bevel over the whole rectangle; toggled: fill one unit in
//   not framed:  toggled: fill and flat bevel over the whole rectangle (one
//                pixel lower with openBottom); openBottom alone: a flat
//                bevel without bottom edge; else no frame at all
//   label:       two units in from every side; with shiftLabel it moves one
//                unit up-left under the mouse and one unit down-right
//                when pressed; text without any frame gets one unit more
//
// A value type; any thread.
struct ButtonPlan {
    // Button states as the caller reports them.
    enum State : int32_t { kNormal = 0, kHot = 1, kPressed = 2 };

    // The drawer's colours (0x00BBGGRR) and switches.
    struct Look {
        uint32_t frame = 0;
        uint32_t disabledFrame = 0;
        uint32_t toggledFrame = 0;
        uint32_t toggledFill = 0;
        bool shiftLabel = false;
    };
    // One call's rectangle (right and bottom exclusive), state and switches;
    // unit is the display's step (below 1 counts as 1).
    struct Request {
        int32_t left = 0;
        int32_t top = 0;
        int32_t right = 0;
        int32_t bottom = 0;
        int32_t state = kNormal;
        bool framed = false;
        bool enabled = true;
        bool toggled = false;
        bool openBottom = false;
        int32_t unit = 1;
    };

    // Nothing is painted: the rectangle is empty or inverted.
    bool empty = true;
    // The state drawn: a toggled button stays down, so under the mouse it
    // looks pressed and pressed it looks raised. Unknown states count as
    // normal.
    int32_t state = kNormal;
    // The colour of the frame and of a glyph on an untoggled button.
    uint32_t frameColour = 0;
    bool hasFill = false;
    s::gui::layout::Rect fill;
    uint32_t fillColour = 0;
    bool hasBevel = false;
    s::gui::layout::Rect bevel;
    int32_t bevelType = 0;
    // Where a glyph goes, and where text goes.
    s::gui::layout::Rect glyph;
    s::gui::layout::Rect text;

    static ButtonPlan make(const Look& look, const Request& request);
};

} // namespace s::gui::drawer::button
