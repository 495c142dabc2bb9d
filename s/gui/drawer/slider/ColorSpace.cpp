#include "s/gui/drawer/slider/ColorSpace.h"

#include <algorithm>
#include <cmath>

namespace s::gui::drawer::slider {

namespace {

constexpr int32_t kFullCircle = 360;
constexpr double kPercent = 100.0;
constexpr double kChannelTop = 255.0;

double fraction(int32_t percent) {
    return std::clamp(percent, 0, 100) / kPercent;
}

// The colour of a hue at the given chroma, lifted by `lift` on every
// channel: the common end of both formulas.
uint32_t fromChroma(int32_t hue, double chroma, double lift) {
    const int32_t degrees = ((hue % kFullCircle) + kFullCircle) % kFullCircle;
    const double sector = degrees / 60.0;
    const double second = chroma * (1.0 - std::fabs(std::fmod(sector, 2.0) - 1.0));
    double red = 0;
    double green = 0;
    double blue = 0;
    switch (static_cast<int32_t>(sector)) {
    case 0:
        red = chroma, green = second;
        break;
    case 1:
        red = second, green = chroma;
        break;
    case 2:
        green = chroma, blue = second;
        break;
    case 3:
        green = second, blue = chroma;
        break;
    case 4:
        red = second, blue = chroma;
        break;
    default:
        red = chroma, blue = second;
        break;
    }
    const auto channel = [lift](double part) {
        return static_cast<uint32_t>(std::clamp((part + lift) * kChannelTop, 0.0, kChannelTop));
    };
    return channel(red) | channel(green) << 8 | channel(blue) << 16;
}

} // namespace

uint32_t ColorSpace::fromHsv(int32_t hue, int32_t saturation, int32_t value) {
    const double chroma = fraction(value) * fraction(saturation);
    return fromChroma(hue, chroma, fraction(value) - chroma);
}

uint32_t ColorSpace::fromHsl(int32_t hue, int32_t saturation, int32_t lightness) {
    const double light = fraction(lightness);
    const double chroma = (1.0 - std::fabs(2.0 * light - 1.0)) * fraction(saturation);
    return fromChroma(hue, chroma, light - chroma / 2.0);
}

} // namespace s::gui::drawer::slider
