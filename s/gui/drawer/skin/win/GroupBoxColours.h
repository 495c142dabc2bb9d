#pragma once

namespace s::gui::drawer {
class IGroupBox;
}
namespace s::gui::drawer::skin {
struct ThinWindowPalette;
struct ThinPalette;
} // namespace s::gui::drawer::skin

namespace s::gui::drawer::skin::win {

// Colours a skin's group-box drawer by a scheme. ThinWindow: frame C5, caption C6 in both styles.
// Thin: frame T2, caption T3.
//
// Runs while the scheme is built, on the building thread.
class GroupBoxColours {
public:
    static void thinWindow(s::gui::drawer::IGroupBox& drawer, const ThinWindowPalette& palette);
    static void thin(s::gui::drawer::IGroupBox& drawer, const ThinPalette& palette);
};

} // namespace s::gui::drawer::skin::win
