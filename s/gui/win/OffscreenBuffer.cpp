#include "s/gui/win/OffscreenBuffer.h"

#include "s/gui/paint/BufferReuse.h"

namespace s::gui::win {

using s::gui::paint::BufferReuse;

s::image::win::BufferedImage* OffscreenBuffer::prepare(int32_t width, int32_t height) {
    const s::gui::layout::Size current =
        image != nullptr ? s::gui::layout::Size{image->getWidth(), image->getHeight()}
                         : s::gui::layout::Size{0, 0};
    const s::gui::layout::Size needed{width, height};
    const BufferReuse::Action action = BufferReuse::decide(current, needed);
    if (action == BufferReuse::Action::Reuse) {
        return image;
    }
    const s::gui::layout::Size size = BufferReuse::resultSize(current, needed);
    if (action != BufferReuse::Action::Grow) {
        // A new exact buffer: the old one goes back to its pool.
        reset();
        image = s::image::win::BufferedImage::newInstance();
        if (image == nullptr) {
            return nullptr;
        }
    }
    if (!image->resize(size.width, size.height)) {
        reset();
        return nullptr;
    }
    return image;
}

void OffscreenBuffer::reset() {
    if (image != nullptr) {
        image->release();
        image = nullptr;
    }
}

} // namespace s::gui::win
