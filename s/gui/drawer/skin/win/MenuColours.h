#pragma once

namespace s::gui::drawer {
class IMenu;
}
namespace s::gui::drawer::skin {
struct ThinWindowPalette;
struct ThinPalette;
} // namespace s::gui::drawer::skin

namespace s::gui::drawer::skin::win {

// Colours a skin's menu drawer by a scheme. ThinWindow: item text C6, the
// selected item C1 on the selection C4, first flag off and second on; the
// menu's own combo drawer as a skin's combo drawer (text C6, frame C4).
// Thin: item text T3, selected item T1 on T2, the same flags; its combo
// drawer keeps the drawer's defaults.
//
// Runs while the scheme is built, on the building thread.
class MenuColours {
public:
    static void thinWindow(s::gui::drawer::IMenu& drawer, const ThinWindowPalette& palette);
    static void thin(s::gui::drawer::IMenu& drawer, const ThinPalette& palette);
};

} // namespace s::gui::drawer::skin::win
