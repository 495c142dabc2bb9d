#include "s/gui/drawer/image/Frame.h"

namespace s::gui::drawer::image {

Frame::Area Frame::paint(s::gui::paint::IRectFill& target, const Area& outer) {
    if (outer.isEmpty()) {
        return outer;
    }
    const int32_t width = outer.right - outer.left;
    const int32_t height = outer.bottom - outer.top;
    target.fill(outer.left, outer.top, width, 1, kColour);
    target.fill(outer.right - 1, outer.top, 1, height, kColour);
    target.fill(outer.left, outer.bottom - 1, width, 1, kColour);
    target.fill(outer.left, outer.top, 1, height, kColour);
    return {outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1};
}

} // namespace s::gui::drawer::image
