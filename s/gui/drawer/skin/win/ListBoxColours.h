#pragma once

namespace s::gui::drawer {
class IListBox;
}
namespace s::gui::drawer::skin {
struct ThinWindowPalette;
struct ThinPalette;
} // namespace s::gui::drawer::skin

namespace s::gui::drawer::skin::win {

// Colours a skin's list-box drawer by a scheme. ThinWindow: background C11,
// item text C12, frame C9, selected text C10, third colour C13. Thin:
// background T1, item text T3, frame T2, selected text T1, third colour the
// light grey every Thin scheme shares.
//
// Runs while the scheme is built, on the building thread.
class ListBoxColours {
public:
    static void thinWindow(s::gui::drawer::IListBox& drawer, const ThinWindowPalette& palette);
    static void thin(s::gui::drawer::IListBox& drawer, const ThinPalette& palette);
};

} // namespace s::gui::drawer::skin::win
