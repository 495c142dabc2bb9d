#pragma once

namespace s::gui::drawer {
class ISlider;
}
namespace s::gui::drawer::skin {
struct ThinWindowPalette;
struct ThinPalette;
} // namespace s::gui::drawer::skin

namespace s::gui::drawer::skin::win {

// Colours a skin's slider drawer by a scheme. ThinWindow: frame C4, fill C8, disabled C3. Thin:
// frame T2, fill T4; the disabled colour keeps the drawer's default.
//
// Runs while the scheme is built, on the building thread.
class SliderColours {
public:
    static void thinWindow(s::gui::drawer::ISlider& drawer, const ThinWindowPalette& palette);
    static void thin(s::gui::drawer::ISlider& drawer, const ThinPalette& palette);
};

} // namespace s::gui::drawer::skin::win
