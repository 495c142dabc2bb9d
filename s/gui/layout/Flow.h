#pragma once
#include <cstddef>
#include <cstdint>

#include "s/base/IObject.h"
#include "s/gui/ILayoutManager.h"
#include "s/thread/ClassPool.h"
#include "s/thread/IPoolable.h"

namespace s::gui::layout {

// Children placed left to right in rows that wrap within the content width,
// like words in a paragraph:
//
//   +-----------------------+
//   | [a] [bb] [c]          |   a child that no longer fits in what is left
//   | [dddd] [e]            |   of its row starts the next one
//   +-----------------------+
//
// Each child keeps its minimum width. The horizontal gap separates visible
// children of positive width within a row, the vertical gap separates rows
// (by the linear gap rule, so an empty row adds none). Each row is aligned by
// the horizontal alignment in its own leftover width; the rows are stacked
// like the children of a vertical layout: extra height is shared among the
// rows that can grow, the block is offset by the vertical alignment, and each
// child is stretched to its row's height as far as it allows and aligned in
// the row by the vertical alignment. Hidden children take no place and get an
// empty rectangle.
//
// Reported sizes: minimum width = the widest child, so any width that holds it
// can wrap the rest; total height = the rows at the present width; maximum
// width = all children in one row.
//
// Stateless: one shared instance serves every container on every thread.
class Flow : public s::gui::ILayoutManager, public s::base::IObject, public s::thread::IPoolable {
    S_POOLED_CLASS(Flow, u"s_gui_layout_Flow")
public:
    static const Flow& shared();

    void reset() override {}
    void arrange(const LayoutRequest& request, LayoutResult& result) const override;

private:
    Flow() { reset(); }
    ~Flow() override = default;

    // The end (exclusive) of the row starting at item `first`, and the row's
    // width, for rows `width` wide.
    static size_t rowEnd(const LayoutRequest& request, size_t first, int32_t width,
                         int64_t* rowWidth);
};

} // namespace s::gui::layout
