#include "s/gui/drawer/counter/Chart.h"

#include <algorithm>

namespace s::gui::drawer::counter {

int32_t Chart::scale(int64_t sample, int64_t minimum, int64_t maximum, int32_t extent) {
    if (extent < 1 || maximum <= minimum || sample <= minimum) {
        return 0;
    }
    if (sample >= maximum) {
        return extent;
    }
    // Unsigned differences cannot overflow even for a scale spanning the
    // whole 64-bit range; both are halved until the product with the extent
    // (below 2^31) fits in 64 bits, which keeps the ratio to within a pixel.
    uint64_t range = static_cast<uint64_t>(maximum) - static_cast<uint64_t>(minimum);
    uint64_t offset = static_cast<uint64_t>(sample) - static_cast<uint64_t>(minimum);
    while (range >= (uint64_t{1} << 32)) {
        range >>= 1;
        offset >>= 1;
    }
    return static_cast<int32_t>(offset * static_cast<uint64_t>(extent) / range);
}

uint32_t Chart::colourOf(const Series::View& series, uint32_t given) {
    return series.colour != Series::kNoColour ? series.colour : given;
}

void Chart::paint(s::gui::paint::IRectFill& target, int32_t left, int32_t top, int32_t right,
                  int32_t bottom, int32_t mode, const Series::View& series, uint32_t colour,
                  int32_t band, int32_t bands) {
    if (left >= right || top >= bottom || colour == Series::kNoColour ||
        series.newestFirst.empty()) {
        return;
    }
    switch (mode) {
    case Columns:
        paintColumns(target, left, top, right, bottom, series, colour, false);
        break;
    case Bar:
        paintBar(target, left, top, right, bottom, series, colour, band, bands);
        break;
    case Centred:
        paintColumns(target, left, top, right, bottom, series, colour, true);
        break;
    default:
        break;
    }
}

void Chart::paintColumns(s::gui::paint::IRectFill& target, int32_t left, int32_t top, int32_t right,
                         int32_t bottom, const Series::View& series, uint32_t colour,
                         bool centred) {
    const int32_t height = bottom - top;
    const int64_t columns = std::min<int64_t>(right - left, series.newestFirst.size());
    for (int32_t age = 0; age < columns; ++age) {
        const int64_t sample = series.newestFirst[static_cast<size_t>(age)];
        const int32_t x = right - 1 - age;
        if (centred) {
            const int32_t length = scale(sample, series.minimum, series.maximum, height);
            if (length > 0) {
                target.fill(x, top + (height - length) / 2, 1, length, colour);
            }
        } else if (series.marks) {
            // The sample's own row, the minimum on the bottom row and the
            // maximum on the top one; the mark is centred on it but never
            // leaves the rectangle.
            const int32_t row =
                bottom - 1 - scale(sample, series.minimum, series.maximum, height - 1);
            const int32_t markHeight = std::min(kMarkHeight, height);
            const int32_t markTop = std::clamp(row - kMarkHeight / 2, top, bottom - markHeight);
            target.fill(x, markTop, 1, markHeight, colour);
        } else {
            const int32_t length = scale(sample, series.minimum, series.maximum, height);
            if (length > 0) {
                target.fill(x, bottom - length, 1, length, colour);
            }
        }
    }
}

void Chart::paintBar(s::gui::paint::IRectFill& target, int32_t left, int32_t top, int32_t right,
                     int32_t bottom, const Series::View& series, uint32_t colour, int32_t band,
                     int32_t bands) {
    if (bands < 1 || band < 0 || band >= bands) {
        return;
    }
    const int32_t height = bottom - top;
    const int32_t bandTop = top + height * band / bands;
    const int32_t bandBottom = top + height * (band + 1) / bands;
    const int32_t length =
        scale(series.newestFirst.front(), series.minimum, series.maximum, right - left);
    if (length > 0 && bandBottom > bandTop) {
        target.fill(left, bandTop, length, bandBottom - bandTop, colour);
    }
}

} // namespace s::gui::drawer::counter
