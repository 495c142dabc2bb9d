#include "s/gui/paint/win/DcFill.h"

namespace s::gui::paint::win {

DcFill::DcFill(HDC target) : dc(target), previous(GetBkColor(target)) {}

DcFill::~DcFill() {
    SetBkColor(dc, previous);
}

void DcFill::fill(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour) {
    if (width <= 0 || height <= 0) {
        return;
    }
    // An opaque empty text output fills its rectangle in the background
    // colour: the cheapest solid fill there is, with no brush to make.
    SetBkColor(dc, colour);
    const RECT rect = {x, y, x + width, y + height};
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

} // namespace s::gui::paint::win
