#pragma once
#include <windows.h>

#include <cstdint>

#include "s/platform/win/GdiObject.h"
#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"

namespace s::test::win {

// A white 32-bit bitmap selected into a memory context for the canvas's
// life: drawers paint into it as into a window's off-screen buffer, and
// tests read single pixels back. One thread.
class PixelCanvas {
public:
    static constexpr COLORREF kWhite = RGB(255, 255, 255);

    PixelCanvas(int32_t canvasWidth, int32_t canvasHeight)
        : width(canvasWidth), height(canvasHeight), dc(nullptr),
          bitmap(CreateBitmap(canvasWidth, canvasHeight, 1, 32, nullptr)),
          selection(dc.get(), bitmap.get()) {
        RECT all = {0, 0, width, height};
        FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    HDC get() const { return dc.get(); }
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
    // Pixels that are not white anywhere on the canvas.
    int32_t painted() const { return width * height - count(kWhite, 0, 0, width, height); }

private:
    int32_t width;
    int32_t height;
    s::platform::win::MemoryDC dc;
    s::platform::win::OwnedGdiObject<HBITMAP> bitmap;
    s::platform::win::ObjectSelection selection;
};

} // namespace s::test::win
