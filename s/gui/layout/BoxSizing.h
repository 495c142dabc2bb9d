#pragma once
#include <cstdint>

#include "s/gui/layout/Axis.h"
#include "s/gui/layout/Margins.h"
#include "s/gui/layout/Size.h"
#include "s/gui/layout/SizeRange.h"
#include "s/gui/layout/SizeRequest.h"

namespace s::gui::layout {

// The size settings of a container (a box) and the rules that turn them and
// the results of its last layout pass into the range its own parent lays it
// out with. A plain value embedded in its box, used on the box's thread.
//
//   minimum = 0 when collapsed, else fixed, else margins + layout minimum
//             (the width raised to the explicit minimum when one is set)
//   maximum = fixed, else parent's client size x percent / 100 (rounded),
//             else margins + the larger of layout minimum and layout maximum
//
// The layout's minimum is (minimum width, total height) and its maximum
// (maximum width, total maximum height), as the layouts report them.
class BoxSizing {
public:
    static constexpr int32_t kNone = SizeRequest::kNone;

    void setMargins(Margins value);
    Margins getMargins() const { return margins; }
    void setWidthPercent(int32_t percent) { request.setWidthPercent(percent); }
    void setHeightPercent(int32_t percent) { request.setHeightPercent(percent); }
    void setFixedWidth(int32_t pixels) { request.setFixedWidth(pixels); }
    void setFixedHeight(int32_t pixels) { request.setFixedHeight(pixels); }
    void setExplicitMinimumWidth(int32_t pixels);
    void setCollapse(bool width, bool height);
    Size getPercent() const { return request.getPercent(); }
    Size getFixed() const { return request.getFixed(); }
    int32_t getExplicitMinimumWidth() const { return explicitMinimumWidth; }

    // The content size of a box whose outer size is `outer`.
    Size client(Size outer) const { return margins.inside(outer); }

    SizeRange range(Size parentClient, Size layoutMinimum, Size layoutMaximum) const;

    // parentClient x percent / 100 rounded to the nearest pixel (halves up);
    // never negative, never overflowing.
    static int32_t percentOfRounded(int32_t parentClient, int32_t percent);

private:
    int32_t minimumAlong(Axis axis, Size layoutMinimum) const;
    int32_t maximumAlong(Axis axis, int32_t parentClient, Size layoutMinimum,
                         Size layoutMaximum) const;
    int32_t marginsAlong(Axis axis) const;

    Margins margins;
    SizeRequest request;
    int32_t explicitMinimumWidth = kNone;
    bool collapseWidth = false;
    bool collapseHeight = false;
};

} // namespace s::gui::layout
