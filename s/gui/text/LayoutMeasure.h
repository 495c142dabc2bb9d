#pragma once
#include "s/gui/text/ITextExtent.h"
#include "s/gui/text/TextExtents.h"

namespace s::gui::text {

// The sizes a text component offers its layout, from its font's switches:
//  - word wrap: as wide as the text with only its own line breaks (maxWidth,
//    and that height), as narrow as its widest word (minWidth); it sets no
//    maximum height (0), so the layout keeps the height of the unbroken text;
//  - end ellipsis: one line, which may shrink to a single pixel (minWidth 1)
//    since the drawing cuts it with "...";
//  - neither: exactly the one line's size.
// A static rule over a measurer; any thread.
class LayoutMeasure {
public:
    static TextExtents measure(ITextExtent& text, bool wordWrap, bool ellipsis);
};

} // namespace s::gui::text
