#include "s/gui/drawer/image/win/Basic.h"

#include "s/gui/drawer/image/Frame.h"
#include "s/gui/paint/win/DcFill.h"
#include "s/image/win/BufferedImage.h"
#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/platform/win/StretchModeScope.h"

namespace s::gui::drawer::image::win {

namespace {

// The image draws itself: its whole bitmap stretched over the area.
void stretch(HDC dc, const s::image::win::BufferedImage& image, const Frame::Area& area,
             int32_t mode) {
    const s::platform::win::MemoryDC source(dc);
    if (!source) {
        return;
    }
    const s::platform::win::ObjectSelection selection(source.get(), image.getBitmap());
    if (!selection) {
        return;
    }
    const s::platform::win::StretchModeScope scope(dc, mode != 0 ? mode : GetStretchBltMode(dc));
    StretchBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top,
               source.get(), 0, 0, image.getWidth(), image.getHeight(), SRCCOPY);
}

} // namespace

void Basic::draw(HDC dc, s::image::win::BufferedImage* /*buffer*/, int32_t left, int32_t top,
                 int32_t right, int32_t bottom, const s::image::win::BufferedImage* image,
                 int32_t mode, bool framed, bool /*throughBuffer*/) {
    // An image without a bitmap counts as none: no frame either.
    if (left >= right || top >= bottom || image == nullptr || image->isEmpty()) {
        return;
    }
    Frame::Area area = {left, top, right, bottom};
    if (framed) {
        s::gui::paint::win::DcFill fill(dc);
        area = Frame::paint(fill, area);
    }
    if (area.isEmpty()) {
        return;
    }
    stretch(dc, *image, area, mode);
}

} // namespace s::gui::drawer::image::win
