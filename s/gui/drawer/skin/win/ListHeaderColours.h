#pragma once

namespace s::gui::drawer {
class IListHeader;
}
namespace s::gui::drawer::skin {
struct ThinWindowPalette;
struct ThinPalette;
} // namespace s::gui::drawer::skin

namespace s::gui::drawer::skin::win {

// Colours a skin's list-header drawer by a scheme. ThinWindow: the label follows the mouse-over and
// pressed states, frame C4, background C9, label text C10. Thin: the same shift, frame T2,
// background T1, label text T3.
//
// Runs while the scheme is built, on the building thread.
class ListHeaderColours {
public:
    static void thinWindow(s::gui::drawer::IListHeader& drawer, const ThinWindowPalette& palette);
    static void thin(s::gui::drawer::IListHeader& drawer, const ThinPalette& palette);
};

} // namespace s::gui::drawer::skin::win
