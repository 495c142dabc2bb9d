#pragma once
#include <windows.h>

#include <cstdint>

#include "s/base/IObject.h"
#include "s/platform/win/GdiObject.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::image::win {

// A 32-bit top-down image (blue, green, red, alpha per pixel) backed by a DIB
// section, so it can be selected into a memory device context and drawn with
// GDI while its pixels stay directly writable. The image owns its bitmap.
//
// Pooled like every library object: take it with newInstance() (or hold it
// in a PoolRef), give it back with release(). reset() deletes the bitmap, so
// idle images in the pool hold no GDI object. Whoever took an image owns it;
// one thread uses it at a time.
class BufferedImage : public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(BufferedImage, u"s_image_win_BufferedImage")
public:
    // Deletes the bitmap: the image is empty (0 x 0).
    void reset() override;

    // Makes the image width x height (both at least 1). Keeps the bitmap when
    // the size is unchanged. Answers false, leaving the image empty, when the
    // size is invalid or the system refuses the bitmap.
    bool resize(int32_t width, int32_t height);
    void clear() { reset(); }
    // Trades bitmaps (and sizes) with another image.
    void swap(BufferedImage& other);

    int32_t getWidth() const { return width; }
    int32_t getHeight() const { return height; }
    bool isEmpty() const { return !bitmap; }
    // Borrowed: the image keeps deleting it; select it with ObjectSelection.
    HBITMAP getBitmap() const { return bitmap.get(); }
    // Pixel rows, top row first, width * 4 bytes each; null when empty.
    uint8_t* getPixels() const { return pixels; }

    // Sets the alpha byte of every pixel to 255.
    void makeOpaque();

private:
    BufferedImage() { reset(); }
    ~BufferedImage() override = default;

    s::platform::win::OwnedGdiObject<HBITMAP> bitmap;
    uint8_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
};

} // namespace s::image::win
