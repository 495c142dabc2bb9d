#pragma once
#include <cstdint>

#include "s/image/win/BufferedImage.h"

namespace s::gui::win {

// The off-screen image a window or a component paints through, kept across
// paints and replaced by the reuse rule (s::gui::paint::BufferReuse): a
// buffer much larger than the painted area goes back to its pool and an exact
// one is taken; one too small grows; otherwise it is reused as it is.
//
// Owned by the window or component that embeds it; the image it holds is its
// own (taken from the image pool, given back when replaced or reset). Used on
// the owner's window thread only.
class OffscreenBuffer {
public:
    OffscreenBuffer() = default;
    ~OffscreenBuffer() { reset(); }
    OffscreenBuffer(const OffscreenBuffer&) = delete;
    OffscreenBuffer& operator=(const OffscreenBuffer&) = delete;

    // A buffer for painting width x height, at least that large; null when
    // no bitmap could be made.
    s::image::win::BufferedImage* prepare(int32_t width, int32_t height);
    // Gives the image back.
    void reset();
    // The present image, or null.
    s::image::win::BufferedImage* get() const { return image; }

private:
    s::image::win::BufferedImage* image = nullptr;
};

} // namespace s::gui::win
