#include "s/gui/drawer/menu/MenuGeometry.h"

namespace s::gui::drawer::menu {

using s::gui::layout::Rect;

Rect MenuGeometry::barText(int32_t left, int32_t top, int32_t right, int32_t bottom,
                           int32_t textHeight, int32_t unit) {
    return line(left + kBarPadding * unit, right - kBarPadding * unit, top, bottom, textHeight);
}

Rect MenuGeometry::itemText(int32_t left, int32_t top, int32_t right, int32_t bottom,
                            int32_t textHeight, int32_t unit) {
    return line(left + kItemIndent * unit, right - kItemRightPadding * unit, top, bottom,
                textHeight);
}

void MenuGeometry::paintSelection(s::gui::paint::IRectFill& target, int32_t left, int32_t top,
                                  int32_t right, int32_t bottom, uint32_t colour) {
    target.fill(left, top, right - left, bottom - top, colour);
}

void MenuGeometry::paintSeparator(s::gui::paint::IRectFill& target, int32_t left, int32_t top,
                                  int32_t right, int32_t bottom, uint32_t colour, int32_t unit) {
    const int32_t inset = kSeparatorInset * unit;
    target.fill(left + inset, top + (bottom - top - unit) / 2, right - left - 2 * inset, unit,
                colour);
}

Rect MenuGeometry::line(int32_t left, int32_t right, int32_t top, int32_t bottom,
                        int32_t textHeight) {
    return {left, top + (bottom - top - textHeight) / 2, right - left, textHeight};
}

} // namespace s::gui::drawer::menu
