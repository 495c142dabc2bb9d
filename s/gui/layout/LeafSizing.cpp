#include "s/gui/layout/LeafSizing.h"

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

} // namespace

void LeafSizing::setNatural(Size size) {
    natural = {notBelowZero(size.width), notBelowZero(size.height)};
}

void LeafSizing::exchangeAxes() {
    std::swap(natural.width, natural.height);
    std::swap(requested.width, requested.height);
    request.exchangeAxes();
}

int32_t LeafSizing::minimumAlong(Axis axis) const {
    int32_t fixedSize = request.fixedAlong(axis);
    return isSet(fixedSize) ? fixedSize : along(natural, axis);
}

int32_t LeafSizing::maximumAlong(Axis axis, int32_t parentClient) const {
    int32_t fixedSize = request.fixedAlong(axis);
    if (isSet(fixedSize)) {
        return fixedSize;
    }
    int32_t percentSize = request.percentAlong(axis);
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
