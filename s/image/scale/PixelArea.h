#pragma once
#include <cstdint>

namespace s::image::scale {

// A borrowed rectangle of 32-bit pixels (four bytes each, in the order the
// image stores them; the scaler treats the four channels alike). `stride` is
// the distance in bytes from one row to the next, at least width * 4. The
// owner of the pixels keeps them alive while the area is in use.
template <class Byte> struct PixelArea {
    Byte* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;

    bool isUsable() const {
        return pixels != nullptr && width > 0 && height > 0 && stride >= width * 4;
    }
};

using SourcePixels = PixelArea<const uint8_t>;
using TargetPixels = PixelArea<uint8_t>;

// The part of a source that is enlarged onto the whole target. It may reach
// past the source's edges (a source smaller than the span); samples outside
// are taken from the nearest edge pixel.
struct SourceArea {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

} // namespace s::image::scale
