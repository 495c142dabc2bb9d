#pragma once
#include <cstdint>

#include "s/gui/layout/Axis.h"
#include "s/gui/layout/Size.h"
#include "s/gui/layout/SizeRange.h"
#include "s/gui/layout/SizeRequest.h"

namespace s::gui::layout {

// The size settings of a leaf component (a button, a label, a spacer) and the
// rules that turn them into the range a layout works with. A plain value
// embedded in its component and used on that component's thread.
//
// -1 (any negative value) means "not set" for the requested, percent and
// fixed sizes. A fixed size and a percent exclude each other: setting one
// clears the other, so the rules never have to choose between them.
//
//   minimum = fixed, else natural
//   maximum = fixed, else parent's client size x percent / 100 (truncated),
//             else the larger of natural and requested
class LeafSizing {
public:
    static constexpr int32_t kNone = SizeRequest::kNone;

    // The size measured from the content (text extent, picture size); a
    // negative measurement counts as 0.
    void setNatural(Size size);
    void setRequested(Size size) { requested = size; }
    void setWidthPercent(int32_t percent) { request.setWidthPercent(percent); }
    void setHeightPercent(int32_t percent) { request.setHeightPercent(percent); }
    void setFixedWidth(int32_t pixels) { request.setFixedWidth(pixels); }
    void setFixedHeight(int32_t pixels) { request.setFixedHeight(pixels); }
    // Swaps every width setting with its height setting (a spacer turned from
    // a row filler into a column filler).
    void exchangeAxes();

    Size getNatural() const { return natural; }
    Size getRequested() const { return requested; }
    Size getPercent() const { return request.getPercent(); }
    Size getFixed() const { return request.getFixed(); }

    int32_t minimumAlong(Axis axis) const;
    // `parentClient` is the parent's client extent along the same axis.
    int32_t maximumAlong(Axis axis, int32_t parentClient) const;
    SizeRange range(Size parentClient) const;
    // What the component takes when nothing else asks: the larger of natural
    // and requested size, within the range.
    Size preferred(Size parentClient) const;

    // parentClient x percent / 100 in integer arithmetic, truncated; wide
    // enough that no product overflows, and never negative.
    static int32_t percentOf(int32_t parentClient, int32_t percent);

private:
    Size natural{0, 0};
    Size requested{kNone, kNone};
    SizeRequest request;
};

} // namespace s::gui::layout
