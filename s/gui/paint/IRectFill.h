#pragma once
#include <cstdint>

namespace s::gui::paint {

// Where the drawers' plain geometry goes: solid rectangles in one colour.
// The skins paint almost everything (frames, bevels, glyphs, check marks)
// as such rectangles, so the shapes are computed without any device context
// and tested as numbers; on screen a context fills them (DcFill), in tests
// a recorder keeps them.
//
// Colours are 0x00BBGGRR. A rectangle with no width or height is filled with
// nothing. Used on the painting thread only.
class IRectFill {
public:
    virtual ~IRectFill() = default;
    virtual void fill(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour) = 0;
};

} // namespace s::gui::paint
