#include "s/gui/layout/LeafSizing.h"

#include <algorithm>
#include <cstdint>

namespace s::gui::layout {

namespace {

bool isSet(int32_t value) {
    return value >= 0;
}

int32_t notBelowZero(int32_t value) {
    return value < 0 ? 0 : value;
}

} // namespace

void LeafSizing::setNatural(Size size) {
    natural = {notBelowZero(size.width), notBelowZero(size.height)};
}

void LeafSizing::setWidthPercent(int32_t value) {
    percent.width = isSet(value) ? value : kNone;
    if (isSet(value)) {
        fixed.width = kNone;
    }
}

void LeafSizing::setHeightPercent(int32_t value) {
    percent.height = isSet(value) ? value : kNone;
    if (isSet(value)) {
        fixed.height = kNone;
    }
}

void LeafSizing::setFixedWidth(int32_t pixels) {
    fixed.width = isSet(pixels) ? pixels : kNone;
    if (isSet(pixels)) {
        percent.width = kNone;
    }
}

void LeafSizing::setFixedHeight(int32_t pixels) {
    fixed.height = isSet(pixels) ? pixels : kNone;
    if (isSet(pixels)) {
        percent.height = kNone;
    }
}

void LeafSizing::exchangeAxes() {
    std::swap(natural.width, natural.height);
    std::swap(requested.width, requested.height);
    std::swap(percent.width, percent.height);
    std::swap(fixed.width, fixed.height);
}

int32_t LeafSizing::minimumAlong(Axis axis) const {
    int32_t fixedSize = along(fixed, axis);
    return isSet(fixedSize) ? fixedSize : along(natural, axis);
}

int32_t LeafSizing::maximumAlong(Axis axis, int32_t parentClient) const {
    int32_t fixedSize = along(fixed, axis);
    if (isSet(fixedSize)) {
        return fixedSize;
    }
    int32_t percentSize = along(percent, axis);
    if (isSet(percentSize)) {
        return percentOf(parentClient, percentSize);
    }
    return std::max(along(natural, axis), along(requested, axis));
}

SizeRange LeafSizing::range(Size parentClient) const {
    return {{minimumAlong(Axis::Horizontal), minimumAlong(Axis::Vertical)},
            {maximumAlong(Axis::Horizontal, parentClient.width),
             maximumAlong(Axis::Vertical, parentClient.height)}};
}

Size LeafSizing::preferred(Size parentClient) const {
    Size wanted{std::max(natural.width, requested.width),
                std::max(natural.height, requested.height)};
    return range(parentClient).within(wanted);
}

int32_t LeafSizing::percentOf(int32_t parentClient, int32_t percent) {
    int64_t product = int64_t{notBelowZero(parentClient)} * notBelowZero(percent) / 100;
    return product > INT32_MAX ? INT32_MAX : static_cast<int32_t>(product);
}

} // namespace s::gui::layout
