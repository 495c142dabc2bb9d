#include "magnifier/LensPainter.h"

#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/platform/win/StretchModeScope.h"

namespace s::image::gui::dialogs::magnifier {

bool paintEnlarged(HDC target, int32_t width, int32_t height,
                   const s::image::win::BufferedImage& snapshot, const SourceRect& source) {
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
