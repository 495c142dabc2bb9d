#include "s/gui/layout/ImageSizing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace s::gui::layout {

namespace {

int32_t notBelowZero(int32_t value) {
    return value < 0 ? 0 : value;
}

int32_t withFrame(int32_t size, bool frame) {
    return frame && size < INT32_MAX - ImageSizing::kFrame ? size + ImageSizing::kFrame : size;
}

} // namespace

void ImageSizing::setPicture(Size size, bool stretchOn, bool keepAspectOn, int32_t fixedWidth,
                             int32_t fixedHeight) {
    picture = {notBelowZero(size.width), notBelowZero(size.height)};
    stretch = stretchOn;
    keepAspect = keepAspectOn;
    leaf.setFixedWidth(fixedWidth);
    leaf.setFixedHeight(fixedHeight);
    updateLeaf();
}

void ImageSizing::setFrame(bool on) {
    frame = on;
    updateLeaf();
}

void ImageSizing::updateLeaf() {
    Size framed{withFrame(picture.width, frame), withFrame(picture.height, frame)};
    // A stretched picture can shrink to nothing; it still asks for its own size.
    leaf.setNatural(stretch ? Size{0, 0} : framed);
    leaf.setRequested(framed);
}

int32_t ImageSizing::givenAlong(Axis axis, int32_t parentClient) const {
    int32_t fixedSize = along(leaf.getFixed(), axis);
    if (fixedSize >= 0) {
        return fixedSize;
    }
    int32_t percent = along(leaf.getPercent(), axis);
    if (percent >= 0) {
        return LeafSizing::percentOf(parentClient, percent);
    }
    return kNone;
}

int32_t ImageSizing::derivedAcross(Axis axis, int32_t given) const {
    int32_t pictureAlong = along(picture, axis);
    if (pictureAlong <= 0) {
        return kNone;
    }
    int32_t space = notBelowZero(frame ? given - kFrame : given);
    double derived = static_cast<double>(along(picture, across(axis))) / pictureAlong * space;
    // std::lround rounds halves away from zero; the clamp keeps a huge parent
    // from overflowing the conversion.
    double capped = std::min(derived, static_cast<double>(INT32_MAX - kFrame));
    return withFrame(static_cast<int32_t>(std::lround(capped)), frame);
}

SizeRange ImageSizing::range(Size parentClient) const {
    SizeRange result = leaf.range(parentClient);
    // 1. A percent lets the picture shrink to nothing along its axis.
    if (leaf.getPercent().width >= 0) {
        result.minimum.width = 0;
    }
    if (leaf.getPercent().height >= 0) {
        result.minimum.height = 0;
    }
    if (!keepsAspect()) {
        return result;
    }
    // 2. The dimension that is not given follows the one that is.
    int32_t givenWidth = givenAlong(Axis::Horizontal, parentClient.width);
    int32_t givenHeight = givenAlong(Axis::Vertical, parentClient.height);
    bool bothPercents = leaf.getPercent().width >= 0 && leaf.getPercent().height >= 0;
    if (bothPercents) {
        // 3. Two percents: each maximum is also held to what the other allows.
        int32_t heightFromWidth = derivedAcross(Axis::Horizontal, givenWidth);
        int32_t widthFromHeight = derivedAcross(Axis::Vertical, givenHeight);
        if (heightFromWidth != kNone) {
            result.maximum.height = std::min(result.maximum.height, heightFromWidth);
        }
        if (widthFromHeight != kNone) {
            result.maximum.width = std::min(result.maximum.width, widthFromHeight);
        }
    } else if (givenWidth != kNone && givenHeight == kNone) {
        int32_t height = derivedAcross(Axis::Horizontal, givenWidth);
        if (height != kNone) {
            result.minimum.height = height;
            result.maximum.height = height;
        }
    } else if (givenHeight != kNone && givenWidth == kNone) {
        int32_t width = derivedAcross(Axis::Vertical, givenHeight);
        if (width != kNone) {
            result.minimum.width = width;
            result.maximum.width = width;
        }
    }
    return result;
}

} // namespace s::gui::layout
