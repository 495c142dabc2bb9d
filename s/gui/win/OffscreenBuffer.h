#pragma once
#include <windows.h>

#include <cstdint>

#include "s/image/win/BufferedImage.h"
#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"

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
    // Paints width x height into `target` at (0, 0) through the buffer:
    // `draw(dc)` draws on a memory context holding the buffer, which is then
    // copied over at once, so the target never shows a half-drawn state.
    // Nothing is painted for an empty area or without a buffer or context.
    template <class Draw> void paint(HDC target, int32_t width, int32_t height, Draw draw);
    // Gives the image back.
    void reset();
    // The present image, or null.
    s::image::win::BufferedImage* get() const { return image; }

private:
    s::image::win::BufferedImage* image = nullptr;
};

template <class Draw>
void OffscreenBuffer::paint(HDC target, int32_t width, int32_t height, Draw draw) {
    if (width < 1 || height < 1) {
        return;
    }
    s::image::win::BufferedImage* canvas = prepare(width, height);
    const s::platform::win::MemoryDC memory(target);
    if (canvas == nullptr || !memory) {
        return;
    }
    const s::platform::win::ObjectSelection selection(memory.get(), canvas->getBitmap());
    draw(memory.get());
    BitBlt(target, 0, 0, width, height, memory.get(), 0, 0, SRCCOPY);
}

} // namespace s::gui::win
