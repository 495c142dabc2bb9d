#include "s/gui/model/Image.h"

namespace s::gui::model {

void Image::reset() {
    Component::reset();
    sizing = {};
}

void Image::setPicture(int32_t pictureWidth, int32_t pictureHeight, bool stretch, bool keepAspect,
                       int32_t fixedWidth, int32_t fixedHeight) {
    sizing.setPicture({pictureWidth, pictureHeight}, stretch, keepAspect, fixedWidth, fixedHeight);
}

layout::SizeRange Image::getSizeRange() const {
    return sizing.range(parentClientSize());
}

} // namespace s::gui::model
