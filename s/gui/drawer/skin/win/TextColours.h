#pragma once

namespace s::gui::drawer {
class IText;
}
namespace s::gui::drawer::skin {
struct ThinWindowPalette;
struct ThinPalette;
} // namespace s::gui::drawer::skin

namespace s::gui::drawer::skin::win {

// The skin's own text drawer in a scheme's colours. Labels complete their
// five fonts from its five styles: normal text, disabled text, a link, a
// link under the mouse, a pressed link.
//
// ThinWindow: style 1 is the text colour C6 on the window background C1;
// style 2 the disabled colour C3; style 3 the text colour
// C6; style 4 the control frame colour C4; style 5 keeps its default. Thin:
// styles 1 and 2 take the text colour T3, the others keep their defaults.
//
// The drawer comes from its pool and belongs to the caller (the skin).
class TextColours {
public:
    static s::gui::drawer::IText* newThinWindow(const ThinWindowPalette& palette);
    static s::gui::drawer::IText* newThin(const ThinPalette& palette);
};

} // namespace s::gui::drawer::skin::win
