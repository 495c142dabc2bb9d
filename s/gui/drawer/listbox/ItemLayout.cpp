#include "s/gui/drawer/listbox/ItemLayout.h"

#include <algorithm>

namespace s::gui::drawer::listbox {

using s::gui::layout::Rect;

namespace {

bool inside(const Rect& rect, int32_t x, int32_t y) {
    return x >= rect.x && x < rect.right() && y >= rect.y && y < rect.bottom();
}

// The rectangle `by` in from every side; empty (zero size) when nothing is
// left.
Rect inset(const Rect& rect, int32_t by) {
    const int32_t width = rect.width - 2 * by;
    const int32_t height = rect.height - 2 * by;
    if (width < 1 || height < 1) {
        return {rect.x + by, rect.y + by, 0, 0};
    }
    return {rect.x + by, rect.y + by, width, height};
}

} // namespace

ItemLayout::ItemLayout(const Rect& rowRect, const ListBoxItem& rowItem, int32_t scaleUnit)
    : row(rowRect), item(rowItem), unit(std::max(scaleUnit, 1)) {
    if (row.width < 1 || row.height < 1) {
        return;
    }
    const int32_t cellSide = std::min(row.height, kCell * unit);
    const int32_t boxSide = std::min(row.height, kCheckBox * unit);
    const int32_t padding = kPadding * unit;
    const int32_t end = row.right() - padding;
    // A cell of `side` at x, centred vertically and cut where the text's
    // room ends, so that no part reaches past the row.
    auto cell = [this, end](int32_t x, int32_t side) {
        const int32_t start = std::min(x, end);
        return Rect{start, row.y + (row.height - side) / 2, std::clamp(end - start, 0, side), side};
    };
    int32_t x = row.x + padding + std::max(item.level, 0) * cellSide;
    if (item.expander != ListBoxItem::NoTree) {
        expander = cell(x, cellSide);
        x += cellSide;
    }
    if (item.check != ListBoxItem::NoCheckBox) {
        checkBox = cell(x, boxSide);
        checkInside = inset(checkBox, unit);
        checkSquare = inset(checkInside, 2 * unit);
        x += boxSide + padding;
    }
    if (item.hasIcon) {
        icon = cell(x, cellSide);
        x += cellSide + padding;
    }
    text = {std::min(x, end), row.y, std::max(end - x, 0), row.height};
}

ItemLayout::Part ItemLayout::hit(int32_t x, int32_t y) const {
    if (!inside(row, x, y)) {
        return Outside;
    }
    if (inside(expander, x, y)) {
        return ExpanderCell;
    }
    if (inside(checkBox, x, y)) {
        return CheckBox;
    }
    if (inside(icon, x, y)) {
        return Icon;
    }
    return inside(text, x, y) ? Text : Row;
}

void ItemLayout::paint(s::gui::paint::IRectFill& target, const Colours& colours) const {
    if (row.width < 1 || row.height < 1) {
        return;
    }
    if (item.selected) {
        target.fill(row.x, row.y, row.width, row.height, colours.selection);
    }
    const int32_t line = std::min(kDropLine * unit, row.height);
    if (item.dropLine == ListBoxItem::Above) {
        target.fill(row.x, row.y, row.width, line, colours.frame);
    } else if (item.dropLine == ListBoxItem::Below) {
        target.fill(row.x, row.bottom() - line, row.width, line, colours.frame);
    }
    if (checkBox.width < 1 || checkBox.height < 1) {
        return;
    }
    // The outline, then the inside; a partly checked box gets a square
    // inset by 2s more.
    target.fill(checkBox.x, checkBox.y, checkBox.width, checkBox.height, colours.frame);
    if (checkInside.width > 0) {
        target.fill(checkInside.x, checkInside.y, checkInside.width, checkInside.height,
                    colours.third);
    }
    if (item.check == ListBoxItem::Partial && checkSquare.width > 0) {
        target.fill(checkSquare.x, checkSquare.y, checkSquare.width, checkSquare.height,
                    colours.frame);
    }
}

int32_t ItemLayout::rowHeight(int32_t textHeight, int32_t scaleUnit) {
    const int32_t unitOrOne = std::max(scaleUnit, 1);
    return std::max(std::max(textHeight, 0) + 2 * unitOrOne, kCell * unitOrOne);
}

} // namespace s::gui::drawer::listbox
