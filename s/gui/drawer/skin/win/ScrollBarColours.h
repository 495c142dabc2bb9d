#pragma once
#include <cstdint>

namespace s::gui::drawer {
class IScrollBar;
}
namespace s::gui::drawer::skin {
struct ThinWindowPalette;
struct ThinPalette;
} // namespace s::gui::drawer::skin

namespace s::gui::drawer::skin::win {

// Colours a skin's scroll-bar drawer by a scheme. ThinWindow: frame C4
// (also the arrow buttons'), track C8. Thin: frame T2, track T1. Both make
// the bar 15 pixels thick at the screen's scale factor, as the drawer starts
// out, so that bars grow with the rest of the window on large screens.
//
// Runs while the scheme is built, on the building thread.
class ScrollBarColours {
public:
    // The bar's thickness before scaling.
    static constexpr int32_t kThickness = 15;

    static void thinWindow(s::gui::drawer::IScrollBar& drawer, const ThinWindowPalette& palette);
    static void thin(s::gui::drawer::IScrollBar& drawer, const ThinPalette& palette);
};

} // namespace s::gui::drawer::skin::win
