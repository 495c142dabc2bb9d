#pragma once

namespace s::gui::drawer {
class IRadioButton;
}
namespace s::gui::drawer::skin {
struct ThinWindowPalette;
struct ThinPalette;
} // namespace s::gui::drawer::skin

namespace s::gui::drawer::skin::win {

// Colours a skin's radio-button drawer by a scheme. ThinWindow: frame C4, label C6 (style 1),
// disabled label C3 (style 2). Thin: frame T2, label T3 in both styles. The dot keeps the drawer's
// own colour in every scheme, the flag its default.
//
// Runs while the scheme is built, on the building thread.
class RadioButtonColours {
public:
    static void thinWindow(s::gui::drawer::IRadioButton& drawer, const ThinWindowPalette& palette);
    static void thin(s::gui::drawer::IRadioButton& drawer, const ThinPalette& palette);
};

} // namespace s::gui::drawer::skin::win
