#include "s/gui/text/TextFormat.h"

namespace s::gui::text {

uint32_t TextFormat::forDrawing(bool centred, bool wordWrap, bool ellipsis) {
    if (centred) {
        return kCenter | kVerticalCenter | kSingleLine | kEndEllipsis | kNoPrefix;
    }
    if (wordWrap) {
        return kWordBreak | kNoPrefix;
    }
    if (ellipsis) {
        return kSingleLine | kEndEllipsis | kNoPrefix;
    }
    return kSingleLine | kNoPrefix;
}

uint32_t TextFormat::forMeasuring(bool wordWrap, bool ellipsis) {
    return forDrawing(false, wordWrap, ellipsis) | kCalculateRectangle;
}

} // namespace s::gui::text
