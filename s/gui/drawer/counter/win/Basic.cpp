#include "s/gui/drawer/counter/win/Basic.h"

#include "s/gui/drawer/counter/Chart.h"
#include "s/gui/drawer/counter/Series.h"
#include "s/gui/paint/win/DcFill.h"

namespace s::gui::drawer::counter::win {

void Basic::reset() {
    transparent = true;
    background = kNoColour;
    firstColour = kNoColour;
    secondColour = kNoColour;
}

void Basic::setBackground(uint8_t red, uint8_t green, uint8_t blue) {
    background = RGB(red, green, blue);
    transparent = false;
}

void Basic::setFirstColor(uint8_t red, uint8_t green, uint8_t blue) {
    firstColour = RGB(red, green, blue);
}

void Basic::setSecondColor(uint8_t red, uint8_t green, uint8_t blue) {
    secondColour = RGB(red, green, blue);
}

void Basic::draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t mode,
                 const counter::Series* firstSeries, const counter::Series* secondSeries,
                 bool swapColours) {
    if (left >= right || top >= bottom) {
        return;
    }
    s::gui::paint::win::DcFill fill(dc);
    if (!transparent && background != kNoColour) {
        fill.fill(left, top, right - left, bottom - top, background);
    }
    const counter::Series* series[2] = {firstSeries, secondSeries};
    const uint32_t colours[2] = {swapColours ? secondColour : firstColour,
                                 swapColours ? firstColour : secondColour};
    const int32_t bands = (firstSeries != nullptr ? 1 : 0) + (secondSeries != nullptr ? 1 : 0);
    int32_t band = 0;
    Series::View view;
    for (int32_t index = 0; index < 2; ++index) {
        if (series[index] == nullptr) {
            continue;
        }
        // The copy is taken under the series' lock, which is left again
        // before the next series is read.
        series[index]->read(view);
        Chart::paint(fill, left, top, right, bottom, mode, view,
                     Chart::colourOf(view, colours[index]), band++, bands);
    }
}

} // namespace s::gui::drawer::counter::win
