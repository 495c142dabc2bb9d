#include "s/gui/layout/BoxSizing.h"

#include <algorithm>
#include <cstdint>

namespace s::gui::layout {

namespace {

bool isSet(int32_t value) {
    return SizeRequest::isSet(value);
}

int32_t notBelowZero(int32_t value) {
    return value < 0 ? 0 : value;
}

// Margins and layout sizes added without overflow.
int32_t saturatedSum(int32_t a, int32_t b) {
    int64_t sum = int64_t{a} + b;
    return sum > INT32_MAX ? INT32_MAX : static_cast<int32_t>(sum);
}

} // namespace

void BoxSizing::setMargins(Margins value) {
    // Negative margins would put children outside the box's own rectangle.
    margins = {notBelowZero(value.left), notBelowZero(value.right), notBelowZero(value.top),
               notBelowZero(value.bottom)};
}

void BoxSizing::setExplicitMinimumWidth(int32_t pixels) {
    explicitMinimumWidth = isSet(pixels) ? pixels : kNone;
}

void BoxSizing::setCollapse(bool width, bool height) {
    collapseWidth = width;
    collapseHeight = height;
}

int32_t BoxSizing::marginsAlong(Axis axis) const {
    return axis == Axis::Horizontal ? margins.horizontal() : margins.vertical();
}

int32_t BoxSizing::minimumAlong(Axis axis, Size layoutMinimum) const {
    bool collapsed = axis == Axis::Horizontal ? collapseWidth : collapseHeight;
    if (collapsed) {
        return 0;
    }
    int32_t fixedSize = request.fixedAlong(axis);
    if (isSet(fixedSize)) {
        return fixedSize;
    }
    int32_t minimum = saturatedSum(marginsAlong(axis), notBelowZero(along(layoutMinimum, axis)));
    if (axis == Axis::Horizontal && isSet(explicitMinimumWidth)) {
        minimum = std::max(minimum, explicitMinimumWidth);
    }
    return minimum;
}

int32_t BoxSizing::maximumAlong(Axis axis, int32_t parentClient, Size layoutMinimum,
                                Size layoutMaximum) const {
    int32_t fixedSize = request.fixedAlong(axis);
    if (isSet(fixedSize)) {
        return fixedSize;
    }
    int32_t percentSize = request.percentAlong(axis);
    if (isSet(percentSize)) {
        return percentOfRounded(parentClient, percentSize);
    }
    int32_t content = std::max(along(layoutMinimum, axis), along(layoutMaximum, axis));
    return saturatedSum(marginsAlong(axis), notBelowZero(content));
}

SizeRange BoxSizing::range(Size parentClient, Size layoutMinimum, Size layoutMaximum) const {
    return {{minimumAlong(Axis::Horizontal, layoutMinimum),
             minimumAlong(Axis::Vertical, layoutMinimum)},
            {maximumAlong(Axis::Horizontal, parentClient.width, layoutMinimum, layoutMaximum),
             maximumAlong(Axis::Vertical, parentClient.height, layoutMinimum, layoutMaximum)}};
}

int32_t BoxSizing::percentOfRounded(int32_t parentClient, int32_t percent) {
    int64_t product = (int64_t{notBelowZero(parentClient)} * notBelowZero(percent) + 50) / 100;
    return product > INT32_MAX ? INT32_MAX : static_cast<int32_t>(product);
}

} // namespace s::gui::layout
