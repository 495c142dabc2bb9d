#pragma once

namespace s::gui::drawer {
class IButton;
}
namespace s::gui::drawer::skin {
struct ThinWindowPalette;
struct ThinPalette;
} // namespace s::gui::drawer::skin

namespace s::gui::drawer::skin::win {

// Colours a skin's button drawer by a scheme.
//
// ThinWindow: frame C4, disabled frame C3, toggled frame C4 around the
// toggled fill C9; the label's text C6 (style 1) and C3 when disabled (style
// 2), on the toggled fill C10; first flag off, second on, and the label
// follows the mouse-over and pressed states. Thin: frame T2 and label T3
// (styles 1 and 2); everything else keeps the drawer's defaults.
//
// Runs while the scheme is built, on the building thread.
class ButtonColours {
public:
    static void thinWindow(s::gui::drawer::IButton& drawer, const ThinWindowPalette& palette);
    static void thin(s::gui::drawer::IButton& drawer, const ThinPalette& palette);
};

} // namespace s::gui::drawer::skin::win
