#pragma once
#include <cstdint>

#include "s/gui/drawer/ListBoxItem.h"
#include "s/gui/layout/Rect.h"
#include "s/gui/paint/IRectFill.h"

namespace s::gui::drawer::listbox {

// Where the parts of a list row go, and the row's plain rectangles. With s
// the scale unit, q = min(row height, 16s) the side of a glyph cell and
// c = min(row height, 13s) the side of the check box, a row reads from the
// left:
//
//   | 2s | level x q | expander q | check box c + 2s | icon q + 2s | text ... | 2s |
//
// each part only when the row has it (the expander cell whenever the list is
// a tree), each cell centred vertically; the text takes what is left, and a
// level so deep that nothing is left gives it an empty rectangle.
//
// The plain rectangles: the selection fill over the whole row, the drop line
// (2s high) along the row's top or bottom edge, and the check box (a 1s
// outline in the frame colour around the third colour, with a filled square
// inside when partly checked). Glyphs, icon and text are the Windows
// drawer's. A pure rule: any thread.
class ItemLayout {
public:
    // Colours (0x00BBGGRR) of the plain rectangles.
    struct Colours {
        uint32_t selection;
        uint32_t frame;
        uint32_t third;
    };

    // Which part of a row a point is on.
    enum Part : int32_t {
        Outside = -1,
        Row = 0,
        ExpanderCell = 1,
        CheckBox = 2,
        Icon = 3,
        Text = 4
    };

    ItemLayout(const s::gui::layout::Rect& row, const ListBoxItem& item, int32_t unit);

    const s::gui::layout::Rect& getExpander() const { return expander; }
    const s::gui::layout::Rect& getCheckBox() const { return checkBox; }
    const s::gui::layout::Rect& getIcon() const { return icon; }
    const s::gui::layout::Rect& getText() const { return text; }
    // Inside the check box's outline, and the partly-checked square inside
    // that (2s further in); empty without a check box.
    const s::gui::layout::Rect& getCheckInside() const { return checkInside; }
    const s::gui::layout::Rect& getCheckSquare() const { return checkSquare; }

    // The part under (x, y) (right and bottom edges excluded); Row for the
    // padding between parts, Outside off the row.
    Part hit(int32_t x, int32_t y) const;
    // Selection fill, drop line and check box, in this order.
    void paint(s::gui::paint::IRectFill& target, const Colours& colours) const;

    // The height of a row whose text is textHeight high: the text with s
    // above and below, at least a glyph cell.
    static int32_t rowHeight(int32_t textHeight, int32_t unit);

private:
    static constexpr int32_t kCell = 16;
    static constexpr int32_t kCheckBox = 13;
    static constexpr int32_t kPadding = 2;
    static constexpr int32_t kDropLine = 2;

    s::gui::layout::Rect row;
    ListBoxItem item;
    int32_t unit;
    s::gui::layout::Rect expander;
    s::gui::layout::Rect checkBox;
    s::gui::layout::Rect icon;
    s::gui::layout::Rect text;
    s::gui::layout::Rect checkInside;
    s::gui::layout::Rect checkSquare;
};

} // namespace s::gui::drawer::listbox
