#include "s/gui/paint/PictureFit.h"

#include <cstdint>

namespace s::gui::paint {

namespace {

// value × numerator / denominator rounded to the nearest integer, halves
// away from zero; 64-bit so that large pictures do not overflow.
int32_t scaled(int32_t value, int32_t numerator, int32_t denominator) {
    const int64_t product = static_cast<int64_t>(value) * numerator;
    return static_cast<int32_t>((product * 2 + denominator) /
                                (static_cast<int64_t>(denominator) * 2));
}

} // namespace

layout::Rect PictureFit::place(layout::Size area, layout::Size picture, bool stretch,
                               bool keepAspect) {
    if (area.width < 1 || area.height < 1 || picture.width < 1 || picture.height < 1) {
        return {};
    }
    if (!stretch) {
        return {0, 0, picture.width, picture.height};
    }
    if (!keepAspect) {
        return {0, 0, area.width, area.height};
    }
    // Compare area.width / area.height with picture.width / picture.height
    // without division: the narrower side limits the picture.
    const int64_t areaByPicture = static_cast<int64_t>(area.width) * picture.height;
    const int64_t pictureByArea = static_cast<int64_t>(picture.width) * area.height;
    layout::Size fitted = area;
    if (areaByPicture > pictureByArea) {
        // The area is wider than the picture: full height, narrower width.
        fitted.width = scaled(area.height, picture.width, picture.height);
    } else {
        fitted.height = scaled(area.width, picture.height, picture.width);
    }
    return {(area.width - fitted.width) / 2, (area.height - fitted.height) / 2, fitted.width,
            fitted.height};
}

} // namespace s::gui::paint
