#pragma once

namespace s::gui::drawer {
class ITabBox;
}
namespace s::gui::drawer::skin {
struct ThinWindowPalette;
struct ThinPalette;
} // namespace s::gui::drawer::skin

namespace s::gui::drawer::skin::win {

// Colours a skin's tab-box drawer by a scheme. ThinWindow: colour C4; the tab labels (first text
// drawer, styles 1 and 2) and the page titles (second text drawer, style 1) C6. Thin: colour T2,
// the labels keep the drawer's defaults.
//
// Runs while the scheme is built, on the building thread.
class TabBoxColours {
public:
    static void thinWindow(s::gui::drawer::ITabBox& drawer, const ThinWindowPalette& palette);
    static void thin(s::gui::drawer::ITabBox& drawer, const ThinPalette& palette);
};

} // namespace s::gui::drawer::skin::win
