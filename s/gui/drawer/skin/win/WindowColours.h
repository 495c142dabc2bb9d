#pragma once

namespace s::gui::drawer {
class IWindow;
}
namespace s::gui::drawer::skin {
struct ThinWindowPalette;
struct ThinPalette;
} // namespace s::gui::drawer::skin

namespace s::gui::drawer::skin::win {

// Colours a skin's window drawer by a scheme. ThinWindow: frame C2 around
// the background C1, square corners at both ends. Thin: frame T2,
// background T1. Setting the background also makes it painted.
//
// Runs while the scheme is built, on the building thread.
class WindowColours {
public:
    static void thinWindow(s::gui::drawer::IWindow& drawer, const ThinWindowPalette& palette);
    static void thin(s::gui::drawer::IWindow& drawer, const ThinPalette& palette);
};

} // namespace s::gui::drawer::skin::win
