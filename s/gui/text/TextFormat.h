#pragma once
#include <cstdint>

namespace s::gui::text {

// The formats text is drawn and measured with, as the bits of the system's
// text-drawing call (their values are the system's; they are named here so
// that the choice can be checked off Windows).
//
// Prefix characters are never interpreted: an "&" in a text is shown as it
// is instead of underlining the letter after it, since texts come from
// language packs and users, not from menu designers.
class TextFormat {
public:
    static constexpr uint32_t kCenter = 0x1;
    static constexpr uint32_t kVerticalCenter = 0x4;
    static constexpr uint32_t kWordBreak = 0x10;
    static constexpr uint32_t kSingleLine = 0x20;
    static constexpr uint32_t kCalculateRectangle = 0x400;
    static constexpr uint32_t kNoPrefix = 0x800;
    static constexpr uint32_t kEndEllipsis = 0x8000;

    // Drawing: centred text is one line centred both ways, cut with an
    // ellipsis, whatever the font's switches; otherwise word wrap gives
    // several lines broken at words, end ellipsis one line cut with "...",
    // and neither one plain line, all from the top left.
    static uint32_t forDrawing(bool centred, bool wordWrap, bool ellipsis);
    // Measuring a rectangle: the font's switches as for drawing, never
    // centred, computing the rectangle instead of drawing.
    static uint32_t forMeasuring(bool wordWrap, bool ellipsis);
};

} // namespace s::gui::text
