#pragma once
#include <windows.h>

#include "s/gui/paint/IRectFill.h"

namespace s::gui::paint::win {

// Fills rectangles into a device context, each as one opaque solid fill in
// its colour; the context's background colour is put back when the filler
// goes. Borrows the context; lives on the painting thread for one paint.
class DcFill : public s::gui::paint::IRectFill {
public:
    explicit DcFill(HDC target);
    ~DcFill() override;
    DcFill(const DcFill&) = delete;
    DcFill& operator=(const DcFill&) = delete;

    void fill(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t colour) override;

private:
    HDC dc;
    COLORREF previous;
};

} // namespace s::gui::paint::win
