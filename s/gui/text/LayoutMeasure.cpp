#include "s/gui/text/LayoutMeasure.h"

#include "s/gui/text/TextFormat.h"

namespace s::gui::text {

TextExtents LayoutMeasure::measure(ITextExtent& text, bool wordWrap, bool ellipsis) {
    // Lines break only at the text's own line breaks: no single-line bit.
    constexpr uint32_t kUnbroken = TextFormat::kCalculateRectangle | TextFormat::kNoPrefix;
    TextExtents extents;
    const s::gui::layout::Size unbroken = text.measure(kUnbroken);
    if (wordWrap) {
        extents.height = unbroken.height;
        extents.maxWidth = unbroken.width;
        // Breaking at every word inside a zero width leaves the widest word.
        extents.minWidth = text.measure(kUnbroken | TextFormat::kWordBreak).width;
        return extents;
    }
    extents.minWidth = ellipsis ? 1 : unbroken.width;
    extents.maxWidth = unbroken.width;
    extents.height = unbroken.height;
    extents.maxHeight = unbroken.height;
    return extents;
}

} // namespace s::gui::text
