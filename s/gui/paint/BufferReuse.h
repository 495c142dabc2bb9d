#pragma once
#include <cstdint>

#include "s/gui/layout/Size.h"

namespace s::gui::paint {

// What to do with an off-screen buffer before painting an area of a needed
// size into it. Windows and boxes keep one buffer each across paints and
// replace it only when it no longer fits or wastes too much memory:
//
//   no buffer                               -> create one of exactly the size
//   buffer area × 0.7 > needed area         -> discard it, create the exact size
//   at least as wide and as high as needed  -> reuse it as it is
//   otherwise                               -> grow it to the needed size
//
// So a buffer stays while the painted area shrinks to about 70 % of it (a
// window resized a little smaller repaints without a new bitmap), and a
// buffer more than about 1.43 times the needed area is given back.
//
// A pure rule: no state, any thread.
class BufferReuse {
public:
    enum class Action { Create, Replace, Reuse, Grow };

    // The share of the buffer's area, in tenths, that the needed area must
    // reach for the buffer to be kept.
    static constexpr int64_t kKeepTenths = 7;

    // `current` is the buffer's size (0 x 0: none). A needed size with a
    // side below 1 counts as 1 x 1, since a bitmap cannot be empty.
    static Action decide(layout::Size current, layout::Size needed);
    // The buffer's size after the action.
    static layout::Size resultSize(layout::Size current, layout::Size needed);
};

} // namespace s::gui::paint
