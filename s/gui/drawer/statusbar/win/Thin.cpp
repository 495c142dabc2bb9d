#include "s/gui/drawer/statusbar/win/Thin.h"

namespace s::gui::drawer::statusbar::win {

void Thin::reset() {
    background = RGB(255, 255, 255);
}

void Thin::draw(HDC, int32_t, int32_t, int32_t, int32_t) {
    // A status bar draws its own parts; the skin only lends it its colours.
}

void Thin::setBackground(uint8_t red, uint8_t green, uint8_t blue) {
    background = RGB(red, green, blue);
}

} // namespace s::gui::drawer::statusbar::win
