#pragma once
#include <windows.h>

#include <cstdint>

#include "s/platform/win/GdiObject.h"
#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"

namespace s::gui::drawer::testing {

// A white 32-bit bitmap selected into a memory context for the test's life:
// what the control drawers paint into in tests, read back pixel by pixel.
class WinCanvas {
public:
    static constexpr COLORREF kWhite = RGB(255, 255, 255);

    WinCanvas(int32_t canvasWidth, int32_t canvasHeight)
        : width(canvasWidth), height(canvasHeight), dc(nullptr),
          bitmap(CreateBitmap(canvasWidth, canvasHeight, 1, 32, nullptr)),
          selection(dc.get(), bitmap.get()) {
        clear();
    }
    HDC get() const { return dc.get(); }
    void clear() {
        RECT all = {0, 0, width, height};
        FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    COLORREF at(int32_t x, int32_t y) const { return GetPixel(dc.get(), x, y); }
    // Pixels of exactly `color` inside the rectangle.
    int32_t count(COLORREF color, int32_t left, int32_t top, int32_t right, int32_t bottom) const {
        int32_t found = 0;
        for (int32_t y = top; y < bottom; ++y) {
            for (int32_t x = left; x < right; ++x) {
                found += at(x, y) == color;
            }
        }
        return found;
    }
    // Pixels other than white inside the rectangle.
    int32_t painted(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
        return (right - left) * (bottom - top) - count(kWhite, left, top, right, bottom);
    }
    int32_t painted() const { return painted(0, 0, width, height); }
    // The leftmost column with a pixel other than white in the rectangle,
    // or `right` when there is none.
    int32_t firstPaintedColumn(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
        for (int32_t x = left; x < right; ++x) {
            if (painted(x, top, x + 1, bottom) > 0) {
                return x;
            }
        }
        return right;
    }

private:
    int32_t width;
    int32_t height;
    s::platform::win::MemoryDC dc;
    s::platform::win::OwnedGdiObject<HBITMAP> bitmap;
    s::platform::win::ObjectSelection selection;
};

} // namespace s::gui::drawer::testing
