#pragma once
#include <cstdint>

#include "s/gui/layout/Axis.h"
#include "s/gui/layout/Size.h"

namespace s::gui::layout {

// What a component asks of its parent along each axis: a fixed size in
// pixels or a percent of the parent's client size. The two exclude each
// other: setting one clears the other, so the size rules of leaves and boxes
// never have to choose between them. -1 (any negative value) means "not
// set". A plain value embedded in the sizing of one component and used on
// that component's thread.
class SizeRequest {
public:
    static constexpr int32_t kNone = -1;

    static bool isSet(int32_t value) { return value >= 0; }

    void setWidthPercent(int32_t value) { setExclusive(percent.width, fixed.width, value); }
    void setHeightPercent(int32_t value) { setExclusive(percent.height, fixed.height, value); }
    void setFixedWidth(int32_t pixels) { setExclusive(fixed.width, percent.width, pixels); }
    void setFixedHeight(int32_t pixels) { setExclusive(fixed.height, percent.height, pixels); }
    void exchangeAxes();

    Size getPercent() const { return percent; }
    Size getFixed() const { return fixed; }
    int32_t percentAlong(Axis axis) const { return along(percent, axis); }
    int32_t fixedAlong(Axis axis) const { return along(fixed, axis); }

private:
    // Stores `value` (or "not set" for a negative one); a set value clears
    // the setting it excludes.
    static void setExclusive(int32_t& setting, int32_t& excluded, int32_t value) {
        setting = isSet(value) ? value : kNone;
        if (isSet(value)) {
            excluded = kNone;
        }
    }

    Size percent{kNone, kNone};
    Size fixed{kNone, kNone};
};

} // namespace s::gui::layout
