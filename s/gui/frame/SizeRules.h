#pragma once
#include <cstdint>

namespace s::gui::frame {

// The size rules of a top-level window along one axis: minimum, preferred
// and maximum outer size from its fixed and explicit sizes, its frame and
// its children. -1 means "not set" for the fixed and explicit values. Pure
// arithmetic; any thread.
class SizeRules {
public:
    static constexpr int32_t kNone = -1;

    // The explicit minimum wins, then the fixed size; a window without
    // children needs nothing; else its content's preferred size plus the
    // frame around the client area.
    static int32_t minimum(int32_t explicitMinimum, int32_t fixed, bool hasChildren,
                           int32_t preferred, int32_t frame);
    // The client size a fixed outer size leaves, else what the children
    // need (the widest child for the width, the stacked children for the
    // height).
    static int32_t preferred(int32_t fixed, int32_t frame, int32_t childrenNeed);
    // The fixed size, else the work area of the window's monitor.
    static int32_t maximum(int32_t fixed, int32_t workArea);
};

} // namespace s::gui::frame
