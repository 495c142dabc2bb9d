#pragma once
#include <windows.h>

#include <cstdint>

namespace s::image::win {

// A 32-bit top-down image (blue, green, red, alpha per pixel) backed by a DIB
// section, so it can be selected into a memory device context and drawn with
// GDI while its pixels stay directly writable. The image owns its bitmap.
// One thread uses an image at a time.
class BufferedImage {
public:
    BufferedImage() = default;
    ~BufferedImage();
    BufferedImage(const BufferedImage&) = delete;
    BufferedImage& operator=(const BufferedImage&) = delete;

    // Makes the image width x height (both at least 1). Keeps the bitmap when
    // the size is unchanged. Answers false, leaving the image empty, when the
    // size is invalid or the system refuses the bitmap.
    bool resize(int32_t width, int32_t height);
    void clear();

    int32_t getWidth() const { return width; }
    int32_t getHeight() const { return height; }
    bool isEmpty() const { return bitmap == nullptr; }
    HBITMAP getBitmap() const { return bitmap; }
    // Pixel rows, top row first, width * 4 bytes each; null when empty.
    uint8_t* getPixels() const { return pixels; }

    // Sets the alpha byte of every pixel to 255.
    void makeOpaque();

private:
    HBITMAP bitmap = nullptr;
    uint8_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
};

} // namespace s::image::win
