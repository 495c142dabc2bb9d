#include "s/gui/drawer/slider/SliderGeometry.h"

#include <algorithm>

#include "s/gui/drawer/slider/ColorSpace.h"

namespace s::gui::drawer::slider {

namespace {

constexpr int32_t kHsvHueTop = 359;
constexpr int32_t kHslHueTop = 360;
constexpr int32_t kPercentTop = 100;
constexpr int32_t kRounded = 2;

uint32_t channel(uint32_t colour, int32_t shift) {
    return (colour >> shift) & 0xFFu;
}

uint32_t blend(int32_t k, int32_t n, uint32_t colour1, uint32_t colour2) {
    uint32_t result = 0;
    for (int32_t shift = 0; shift <= 16; shift += 8) {
        const int32_t from = static_cast<int32_t>(channel(colour1, shift));
        const int32_t to = static_cast<int32_t>(channel(colour2, shift));
        result |= static_cast<uint32_t>(from + k * (to - from) / n) << shift;
    }
    return result;
}

} // namespace

SliderGeometry::SliderGeometry(int32_t sliderLeft, int32_t sliderTop, int32_t right, int32_t bottom,
                               int32_t lowest, int32_t highest, int32_t unit)
    : left(sliderLeft), top(sliderTop), width(right - sliderLeft), height(bottom - sliderTop),
      minimum(lowest), maximum(std::max(lowest, highest)), thumbWidth(kThumbUnits * unit) {}

int64_t SliderGeometry::offset(int32_t value) const {
    return static_cast<int64_t>(std::clamp(value, minimum, maximum)) - minimum;
}

int32_t SliderGeometry::thumbLeft(int32_t value) const {
    const int64_t span = static_cast<int64_t>(maximum) - minimum;
    if (span == 0) {
        return 0;
    }
    return static_cast<int32_t>(std::max<int64_t>(0, (width - thumbWidth) * offset(value) / span));
}

int32_t SliderGeometry::originX(int32_t origin) const {
    const int64_t span = static_cast<int64_t>(maximum) - minimum;
    if (span == 0) {
        return 0;
    }
    return static_cast<int32_t>(width * offset(origin) / span);
}

bool SliderGeometry::isAtMinimum(int32_t origin) const {
    return offset(origin) == 0;
}

uint32_t SliderGeometry::gradientColour(int32_t gradient, int32_t k, int32_t n, uint32_t colour1,
                                        uint32_t colour2) {
    const auto first = static_cast<int32_t>(colour1);
    const auto second = static_cast<int32_t>(colour2);
    const int32_t percent = k * kPercentTop / n;
    switch (gradient) {
    case kBlend:
        return blend(k, n, colour1, colour2);
    case kHsvHue:
        return ColorSpace::fromHsv(k * kHsvHueTop / n, first, second);
    case kHsvSaturation:
        return ColorSpace::fromHsv(first, percent, second);
    case kHsvValue:
        return ColorSpace::fromHsv(first, second, percent);
    case kHslHue:
        return ColorSpace::fromHsl(k * kHslHueTop / n, first, second);
    case kHslSaturation:
        return ColorSpace::fromHsl(first, percent, second);
    case kHslLightness:
        return ColorSpace::fromHsl(first, second, percent);
    default:
        return 0;
    }
}

void SliderGeometry::paintGradient(s::gui::paint::IRectFill& target, int32_t firstThumbLeft,
                                   int32_t gradient, uint32_t colour1, uint32_t colour2) const {
    if (width <= 2 || gradient < kBlend || gradient > kHslLightness) {
        return;
    }
    const int32_t columns = width - 2;
    const int32_t thumbEnd = firstThumbLeft + thumbWidth;
    for (int32_t x = 1; x < width - 1; ++x) {
        if (x >= firstThumbLeft && x < thumbEnd) {
            continue;
        }
        const uint32_t colour = gradientColour(gradient, x - 1, columns, colour1, colour2);
        target.fill(left + x, top + 1, 1, height - 2, colour);
    }
}

void SliderGeometry::paintFill(s::gui::paint::IRectFill& target, int32_t value, int32_t secondValue,
                               int32_t origin, bool range, int32_t cornerStyle,
                               uint32_t colour) const {
    const int32_t thumb = thumbLeft(value);
    const int32_t thumbEnd = thumb + thumbWidth;
    if (range) {
        const int32_t second = thumbLeft(secondValue);
        if (thumbEnd < second && (cornerStyle == 1 || cornerStyle == kRounded)) {
            paintSpan(target, thumbEnd, second, cornerStyle, colour);
        }
        return;
    }
    if (isAtMinimum(origin)) {
        paintSpan(target, 1, thumb, cornerStyle, colour);
        return;
    }
    const int32_t from = std::clamp(originX(origin), 1, std::max(1, width - 1));
    if (from < thumb) {
        paintSpan(target, from, thumb, cornerStyle, colour);
    } else if (from > thumbEnd) {
        paintSpan(target, thumbEnd, from, cornerStyle, colour);
    }
}

void SliderGeometry::paintSpan(s::gui::paint::IRectFill& target, int32_t start, int32_t end,
                               int32_t cornerStyle, uint32_t colour) const {
    const int32_t length = end - start;
    if (length <= 0) {
        return;
    }
    if (cornerStyle != kRounded) {
        target.fill(left + start, top + 1, length, height - 2, colour);
        return;
    }
    // Rounded ends: the first and last rows stop a pixel short at both ends.
    target.fill(left + start + 1, top + 1, length - 2, 1, colour);
    target.fill(left + start, top + 2, length, height - 4, colour);
    target.fill(left + start + 1, top + height - 2, length - 2, 1, colour);
}

} // namespace s::gui::drawer::slider
