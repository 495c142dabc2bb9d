#include "s/gui/drawer/slider/win/Thin.h"

#include "s/gui/drawer/ColourChannels.h"
#include "s/gui/drawer/border/win/Thin.h"
#include "s/gui/drawer/slider/SliderGeometry.h"
#include "s/gui/paint/win/DcFill.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/text/FontDescription.h"

namespace s::gui::drawer::slider::win {

using Channels = s::gui::drawer::ColourChannels;
using s::gui::text::FontDescription;

namespace {

constexpr uint8_t kFillGrey = 176;
constexpr uint8_t kGrey = 120;
// Border types: the track is sunken, the thumbs stand out.
constexpr int32_t kRaised = 0;
constexpr int32_t kSunken = 2;

bool framed(int32_t cornerStyle) {
    return cornerStyle == 1 || cornerStyle == 2;
}

} // namespace

Thin::Thin()
    : trackBorder(s::gui::drawer::border::win::Thin::newInstance()),
      thumbBorder(s::gui::drawer::border::win::Thin::newInstance()) {
    reset();
}

Thin::~Thin() = default;

void Thin::reset() {
    cornerStyle = 1;
    fillColor = FontDescription::rgb(kFillGrey, kFillGrey, kFillGrey);
    frameColor = FontDescription::rgb(kGrey, kGrey, kGrey);
    disabledColor = FontDescription::rgb(kGrey, kGrey, kGrey);
    if (trackBorder) {
        trackBorder->reset();
        trackBorder->setShaded(false);
    }
    if (thumbBorder) {
        thumbBorder->reset();
    }
}

void Thin::draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t minimum,
                int32_t maximum, int32_t value, bool filled, int32_t origin, bool enabled,
                bool range, int32_t secondValue, int32_t gradient, uint32_t colour1,
                uint32_t colour2) const {
    if (left >= right || top >= bottom || !trackBorder || !thumbBorder) {
        return;
    }
    const uint32_t frame = enabled ? frameColor : disabledColor;
    const uint32_t fill = enabled ? fillColor : disabledColor;
    const int32_t unit = s::gui::scale::win::systemScale().getUnit();
    const SliderGeometry geometry(left, top, right, bottom, minimum, maximum, unit);
    // 1. The sunken track frame.
    if (framed(cornerStyle)) {
        trackBorder->draw(dc, left, top, right, bottom, kSunken, cornerStyle, Channels::red(frame),
                          Channels::green(frame), Channels::blue(frame));
    }
    // 2. Gradient and filled span inside the frame.
    {
        s::gui::paint::win::DcFill target(dc);
        geometry.paintGradient(target, geometry.thumbLeft(value), gradient, colour1, colour2);
        if (filled) {
            geometry.paintFill(target, value, secondValue, origin, range, cornerStyle, fill);
        }
    }
    // 3. The thumbs over everything.
    if (!framed(cornerStyle)) {
        return;
    }
    const auto drawThumb = [&](int32_t thumbValue) {
        const int32_t thumbLeft = left + geometry.thumbLeft(thumbValue);
        thumbBorder->draw(dc, thumbLeft, top, thumbLeft + geometry.getThumbWidth(), bottom, kRaised,
                          cornerStyle, Channels::red(frame), Channels::green(frame),
                          Channels::blue(frame));
    };
    drawThumb(value);
    if (range) {
        drawThumb(secondValue);
    }
}

uint8_t Thin::getFillRed() const {
    return Channels::red(fillColor);
}

uint8_t Thin::getFillGreen() const {
    return Channels::green(fillColor);
}

uint8_t Thin::getFillBlue() const {
    return Channels::blue(fillColor);
}

void Thin::setFillColor(uint8_t red, uint8_t green, uint8_t blue) {
    fillColor = FontDescription::rgb(red, green, blue);
}

void Thin::setFrameColor(uint8_t red, uint8_t green, uint8_t blue) {
    frameColor = FontDescription::rgb(red, green, blue);
}

void Thin::setDisabledColor(uint8_t red, uint8_t green, uint8_t blue) {
    disabledColor = FontDescription::rgb(red, green, blue);
}

} // namespace s::gui::drawer::slider::win
