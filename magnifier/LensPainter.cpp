#include "magnifier/LensPainter.h"

#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/platform/win/StretchModeScope.h"

namespace s::image::gui::dialogs::magnifier {

using s::image::scale::BilinearScaler;
using s::image::scale::SliceRunner;

bool LensPainter::paint(HDC target, int32_t width, int32_t height,
                        const s::image::win::BufferedImage& snapshot, const SourceRect& source) {
    if (target == nullptr || snapshot.isEmpty() || width <= 0 || height <= 0) {
        return false;
    }
    if (!smoothScaling || !renderFrame(width, height, snapshot, source)) {
        return paintHalftone(target, width, height, snapshot, source);
    }
    s::platform::win::MemoryDC memory(nullptr);
    if (!memory) {
        return paintHalftone(target, width, height, snapshot, source);
    }
    s::platform::win::ObjectSelection selection(memory.get(), frame->getBitmap());
    return BitBlt(target, 0, 0, width, height, memory.get(), 0, 0, SRCCOPY) != FALSE;
}

bool LensPainter::renderFrame(int32_t width, int32_t height,
                              const s::image::win::BufferedImage& snapshot,
                              const SourceRect& source) {
    if (!frame || source.width <= 0 || source.height <= 0 || !frame->resize(width, height)) {
        return false;
    }
    // The previous frame's BitBlt may still be queued in GDI's batch; it must
    // have read the frame before new pixels go in.
    GdiFlush();
    const int32_t rowBytes = width * 4;
    const s::image::scale::SourcePixels pixels = {snapshot.getPixels(), snapshot.getWidth(),
                                                  snapshot.getHeight(), snapshot.getWidth() * 4};
    const s::image::scale::TargetPixels out = {frame->getPixels(), width, height, rowBytes};
    const int32_t processors = threadLimit > 0 ? threadLimit : SliceRunner::processorCount();
    const int32_t slices = BilinearScaler::slicesFor(width, height, processors);
    return scaler.scale(pixels, {source.x, source.y, source.width, source.height}, out, &runner,
                        slices);
}

void LensPainter::releaseBuffers() {
    if (frame) {
        frame->clear();
    }
    scaler.releaseBuffers();
    runner.stop();
}

size_t LensPainter::heldBytes() const {
    const size_t frameBytes = !frame || frame->isEmpty()
                                  ? 0
                                  : static_cast<size_t>(frame->getWidth()) * frame->getHeight() * 4;
    return frameBytes + scaler.heldBytes();
}

bool LensPainter::paintHalftone(HDC target, int32_t width, int32_t height,
                                const s::image::win::BufferedImage& snapshot,
                                const SourceRect& source) {
    if (target == nullptr || snapshot.isEmpty()) {
        return false;
    }
    s::platform::win::MemoryDC memory(nullptr);
    if (!memory) {
        return false;
    }
    s::platform::win::ObjectSelection selection(memory.get(), snapshot.getBitmap());
    s::platform::win::StretchModeScope mode(target, HALFTONE);
    return StretchBlt(target, 0, 0, width, height, memory.get(), source.x, source.y, source.width,
                      source.height, SRCCOPY) != FALSE;
}

} // namespace s::image::gui::dialogs::magnifier
