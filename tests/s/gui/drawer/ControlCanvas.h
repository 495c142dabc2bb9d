#pragma once
#include <windows.h>

#include <cstdint>

#include "s/image/win/BufferedImage.h"
#include "s/platform/win/MemoryDC.h"
#include "s/thread/PoolRef.h"

namespace drawertest {

// One colour everywhere (blue, green, red bytes as in a DIB).
inline void paintAll(s::image::win::BufferedImage& image, COLORREF colour) {
    uint8_t* pixel = image.getPixels();
    for (int32_t i = 0; i < image.getWidth() * image.getHeight(); ++i, pixel += 4) {
        pixel[0] = GetBValue(colour);
        pixel[1] = GetGValue(colour);
        pixel[2] = GetRValue(colour);
        pixel[3] = 255;
    }
}

// A canvas of one colour selected into a memory context while it lives: the
// drawers paint into it and the tests read its pixels back.
class ControlCanvas {
public:
    ControlCanvas(int32_t canvasWidth, int32_t canvasHeight, COLORREF colour)
        : image(s::thread::PoolRef<s::image::win::BufferedImage>::take()), dc(nullptr),
          width(canvasWidth), height(canvasHeight), ground(colour) {
        image->resize(width, height);
        paintAll(*image, ground);
        selection = SelectObject(dc.get(), image->getBitmap());
    }
    ~ControlCanvas() { SelectObject(dc.get(), selection); }
    ControlCanvas(const ControlCanvas&) = delete;
    ControlCanvas& operator=(const ControlCanvas&) = delete;

    HDC get() const { return dc.get(); }
    COLORREF at(int32_t x, int32_t y) const {
        GdiFlush();
        const uint8_t* pixel = image->getPixels() + (y * width + x) * 4;
        return RGB(pixel[2], pixel[1], pixel[0]);
    }
    // Pixels of the rectangle (right and bottom exclusive) that are not the
    // canvas's own colour.
    int32_t changedIn(int32_t left, int32_t top, int32_t right, int32_t bottom) const {
        int32_t changed = 0;
        for (int32_t y = top; y < bottom; ++y) {
            for (int32_t x = left; x < right; ++x) {
                changed += at(x, y) != ground ? 1 : 0;
            }
        }
        return changed;
    }
    bool untouched() const { return changedIn(0, 0, width, height) == 0; }

private:
    s::thread::PoolRef<s::image::win::BufferedImage> image;
    s::platform::win::MemoryDC dc;
    int32_t width;
    int32_t height;
    COLORREF ground;
    HGDIOBJ selection = nullptr;
};

} // namespace drawertest
