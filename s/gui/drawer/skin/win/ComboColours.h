#pragma once

namespace s::gui::drawer {
class ICombo;
}
namespace s::gui::drawer::skin {
struct ThinWindowPalette;
struct ThinPalette;
} // namespace s::gui::drawer::skin

namespace s::gui::drawer::skin::win {

// Colours a skin's combo-box drawer by a scheme. ThinWindow: text C6 in both styles, frame C4 (also
// the arrow button's). Thin: text T3, frame T2.
//
// Runs while the scheme is built, on the building thread.
class ComboColours {
public:
    static void thinWindow(s::gui::drawer::ICombo& drawer, const ThinWindowPalette& palette);
    static void thin(s::gui::drawer::ICombo& drawer, const ThinPalette& palette);
};

} // namespace s::gui::drawer::skin::win
