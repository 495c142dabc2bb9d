#pragma once
#include <windows.h>

#include <cstdint>

#include "s/platform/win/GdiObject.h"
#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"

namespace s::test::win {

// A 32-bit bitmap of one ground colour (white unless told otherwise; a
// colour no drawer uses tells untouched pixels apart) selected into a memory
// context for the canvas's life: drawers paint into it as into a window's
// off-screen buffer, and tests read single pixels back. One thread.
class PixelCanvas {
public:
    static constexpr COLORREF kWhite = RGB(255, 255, 255);

    PixelCanvas(int32_t canvasWidth, int32_t canvasHeight, COLORREF groundColour = kWhite)
        : width(canvasWidth), height(canvasHeight), ground(groundColour), dc(nullptr),
          bitmap(CreateBitmap(canvasWidth, canvasHeight, 1, 32, nullptr)),
          selection(dc.get(), bitmap.get()) {
        clear();
    }
    HDC get() const { return dc.get(); }
    // Back to the ground colour, so one canvas can take several draws in turn.
    void clear() {
        s::platform::win::OwnedGdiObject<HBRUSH> brush(CreateSolidBrush(ground));
        RECT all = {0, 0, width, height};
        FillRect(dc.get(), &all, brush.get());
    }
    COLORREF at(int32_t x, int32_t y) const { return GetPixel(dc.get(), x, y); }
    // Pixels of exactly `color` inside the rectangle (right, bottom exclusive).
    int32_t count(COLORREF color, int32_t left, int32_t top, int32_t right, int32_t bottom) const {
        int32_t found = 0;
        for (int32_t y = top; y < bottom; ++y) {
            for (int32_t x = left; x < right; ++x) {
                found += at(x, y) == color ? 1 : 0;
            }
        }
        return found;
    }
    // Pixels other than the ground colour inside the rectangle.
    int32_t painted(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
        return (right - left) * (bottom - top) - count(ground, left, top, right, bottom);
    }
    // Pixels other than the ground colour anywhere on the canvas.
    int32_t painted() const { return painted(0, 0, width, height); }
    // The leftmost column with a pixel other than the ground in the rectangle,
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
    COLORREF ground;
    s::platform::win::MemoryDC dc;
    s::platform::win::OwnedGdiObject<HBITMAP> bitmap;
    s::platform::win::ObjectSelection selection;
};

} // namespace s::test::win
