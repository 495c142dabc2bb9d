#pragma once
#include <cstdint>

#include "s/gui/drawer/counter/Series.h"
#include "s/gui/paint/IRectFill.h"

namespace s::gui::drawer::counter {

// The strip chart of a counter, as plain rectangles:
//  - columns (mode 0): one 1-pixel column per sample, the newest at the
//    right edge and older ones leftwards until the rectangle ends; each a
//    bar up from the bottom, or with marks on a 5-pixel mark centred on the
//    sample's row (kept inside the rectangle);
//  - bar (mode 1): one bar from the left edge, as long as the newest sample
//    scaled to the width; when two series share the chart each takes its
//    own band of the height (the first the upper one), so neither hides the
//    other;
//  - centred (mode 2): columns as in mode 0, each centred on the middle line.
// Other modes draw nothing. Samples are scaled between the series' minimum
// and maximum with 64-bit arithmetic, clamped to the rectangle.
//
// A pure rule over a rectangle filler and a copied series: any thread.
class Chart {
public:
    enum Mode : int32_t { Columns = 0, Bar = 1, Centred = 2 };
    static constexpr int32_t kMarkHeight = 5;

    // Pixels of `extent` that `sample` reaches: 0 at or below the minimum,
    // extent at or above the maximum, 0 for a scale without range or an
    // extent below 1.
    static int32_t scale(int64_t sample, int64_t minimum, int64_t maximum, int32_t extent);
    // The series' own colour when it has one, else the one given.
    static uint32_t colourOf(const Series::View& series, uint32_t given);

    // Paints one series in `colour` (nothing for Series::kNoColour, an empty
    // or inverted rectangle, or an unknown mode). `band` counts from 0 among
    // `bands` series sharing the chart; only the bar mode uses it.
    static void paint(s::gui::paint::IRectFill& target, int32_t left, int32_t top, int32_t right,
                      int32_t bottom, int32_t mode, const Series::View& series, uint32_t colour,
                      int32_t band, int32_t bands);

private:
    static void paintColumns(s::gui::paint::IRectFill& target, int32_t left, int32_t top,
                             int32_t right, int32_t bottom, const Series::View& series,
                             uint32_t colour, bool centred);
    static void paintBar(s::gui::paint::IRectFill& target, int32_t left, int32_t top, int32_t right,
                         int32_t bottom, const Series::View& series, uint32_t colour, int32_t band,
                         int32_t bands);
};

} // namespace s::gui::drawer::counter
