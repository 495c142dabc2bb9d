#pragma once

namespace s::gui::drawer {
class ICheckBox;
}
namespace s::gui::drawer::skin {
struct ThinWindowPalette;
struct ThinPalette;
} // namespace s::gui::drawer::skin

namespace s::gui::drawer::skin::win {

// Colours a skin's check-box drawer by a scheme. ThinWindow: box frame C4,
// label C6 (style 1), disabled label C3 (style 2). Thin: frame T2, label T3
// in both styles. The flags and the check mark's frame keep the drawer's
// defaults.
//
// Runs while the scheme is built, on the building thread.
class CheckBoxColours {
public:
    static void thinWindow(s::gui::drawer::ICheckBox& drawer, const ThinWindowPalette& palette);
    static void thin(s::gui::drawer::ICheckBox& drawer, const ThinPalette& palette);
};

} // namespace s::gui::drawer::skin::win
