#pragma once
#include <cstdint>

#include "s/gui/layout/Size.h"
#include "s/gui/text/TextExtents.h"

namespace s::gui::text {

// The drawing effects of a text: the text is drawn several times, each copy
// shifted by a few pixels and in its own colour, the last copy always in the
// text colour on top. Effects:
//   0  plain: the text once;
//   1  outlined in the back colour: eight copies around the text, which
//      itself lands one pixel right (so the outline stays inside the
//      rectangle on the left);
//   2  shadow one pixel down and right: mid grey, or light grey under black
//      text, where a dark shadow would merge with the letters;
//   3  raised: black below right, white above left;
//   4  engraved: white above, black below;
//   5  sunken: white below right, black above left;
//   6  embossed: black above, white below;
//   7  as 1, outlined in the shade colour.
// Any other effect draws nothing: a wrong value shows as a missing text
// rather than as some other look.
//
// The copies reach past the plain text by one pixel down for every effect
// and by up to two pixels across, so that measurement adds the same margin
// and a label sized by it shows every copy.
//
// Static rules over values; any thread.
class TextEffect {
public:
    static constexpr int32_t kMaxCopies = 9;

    // One drawing of the whole text: shifted by (dx, dy), in `colour`
    // (0x00BBGGRR).
    struct Copy {
        int32_t dx = 0;
        int32_t dy = 0;
        uint32_t colour = 0;
    };

    // The copies of one effect in drawing order; count 0 for an unknown
    // effect.
    struct Copies {
        Copy copy[kMaxCopies];
        int32_t count = 0;
    };

    static Copies copiesFor(int32_t effect, uint32_t textColour, uint32_t backColour,
                            uint32_t shadeColour);

    // What the effect adds to a measured text: 1 in height for every effect
    // but 0 (also an unknown one), 2 in width for the outlined and relief
    // effects, 1 for the shadow.
    static s::gui::layout::Size margin(int32_t effect);
    // A measured size with the margin added.
    static s::gui::layout::Size widen(s::gui::layout::Size size, int32_t effect);
    // Layout sizes with the margin added: the width margin to both widths,
    // the height margin to both heights (so a wrapping text, which sets no
    // maximum height, asks for just the margin).
    static TextExtents widen(TextExtents extents, int32_t effect);
};

} // namespace s::gui::text
