#pragma once

namespace s::gui::drawer {
class IStatusBar;
}
namespace s::gui::drawer::skin {
struct ThinWindowPalette;
struct ThinPalette;
} // namespace s::gui::drawer::skin

namespace s::gui::drawer::skin::win {

// Colours a skin's status-bar drawer by a scheme. ThinWindow: background C4. Thin: background T2.
//
// Runs while the scheme is built, on the building thread.
class StatusBarColours {
public:
    static void thinWindow(s::gui::drawer::IStatusBar& drawer, const ThinWindowPalette& palette);
    static void thin(s::gui::drawer::IStatusBar& drawer, const ThinPalette& palette);
};

} // namespace s::gui::drawer::skin::win
