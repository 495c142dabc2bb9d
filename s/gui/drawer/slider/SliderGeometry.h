#pragma once
#include <cstdint>

#include "s/gui/paint/IRectFill.h"

namespace s::gui::drawer::slider {

// The shapes of a slider: a track the width of the control, thumbs 10 units
// wide standing for values between a minimum and a maximum, the filled span
// that shows how far a value reaches (from the start, from an origin, or
// between the two thumbs of a range), and colour gradients painted column by
// column for colour pickers.
//
//   +----------------------------------------+
//   |##### fill ######[thumb]  gradient ...   |
//   +----------------------------------------+
//    ^ x = 1           ^ thumb left = (width - 10 units) x value / span
//
// Values outside minimum ... maximum are drawn at the nearer end; a slider
// whose maximum is not above its minimum keeps its thumbs at the start.
// Positions are relative to the slider's top-left corner (left, top).
//
// A value per call; any thread.
class SliderGeometry {
public:
    // Gradient kinds: none, straight RGB blend, HSV with the hue, the
    // saturation or the value varying, HSL with the hue, the saturation or
    // the lightness varying.
    enum Gradient : int32_t {
        kNoGradient = 0,
        kBlend = 1,
        kHsvHue = 2,
        kHsvSaturation = 3,
        kHsvValue = 4,
        kHslHue = 5,
        kHslSaturation = 6,
        kHslLightness = 7,
    };
    // The thumb's width in units.
    static constexpr int32_t kThumbUnits = 10;

    SliderGeometry(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t minimum,
                   int32_t maximum, int32_t unit);

    int32_t getThumbWidth() const { return thumbWidth; }
    // The thumb's left edge for a value, from the slider's left.
    int32_t thumbLeft(int32_t value) const;
    // The pixel an origin value stands for, from the slider's left.
    int32_t originX(int32_t origin) const;
    // True when an origin value is the minimum (after clamping): the fill
    // then starts at the track's start.
    bool isAtMinimum(int32_t origin) const;

    // The colour of gradient column k of n; black for an unknown kind.
    // Blends take colour1 and colour2 as 0x00BBGGRR; the HSV and HSL kinds
    // take them as the two components that do not vary, in hue,
    // saturation, value (lightness) order.
    static uint32_t gradientColour(int32_t gradient, int32_t k, int32_t n, uint32_t colour1,
                                   uint32_t colour2);
    // Paints the gradient inside the track, one-pixel columns from the
    // track's start up to the thumb and from the thumb's end up to the
    // track's end; nothing for kind 0 or an unknown kind, or a track two
    // pixels wide or less.
    void paintGradient(s::gui::paint::IRectFill& target, int32_t firstThumbLeft, int32_t gradient,
                       uint32_t colour1, uint32_t colour2) const;
    // Paints the span that shows how far the value reaches: from the start
    // (or the origin's pixel) to the nearer thumb edge, or between the two
    // thumbs of a range. Corner style 2 rounds the span's ends; a range is
    // filled only with corner styles 1 and 2.
    void paintFill(s::gui::paint::IRectFill& target, int32_t value, int32_t secondValue,
                   int32_t origin, bool range, int32_t cornerStyle, uint32_t colour) const;

private:
    int64_t offset(int32_t value) const;
    // Fills from `start` to `end` (from the left), one pixel inside the
    // track's top and bottom.
    void paintSpan(s::gui::paint::IRectFill& target, int32_t start, int32_t end,
                   int32_t cornerStyle, uint32_t colour) const;

    int32_t left;
    int32_t top;
    int32_t width;
    int32_t height;
    int32_t minimum;
    int32_t maximum;
    int32_t thumbWidth;
};

} // namespace s::gui::drawer::slider
