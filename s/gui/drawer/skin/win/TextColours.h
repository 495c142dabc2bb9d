#pragma once

namespace s::gui::drawer {
class IText;
}
namespace s::gui::drawer::skin {
struct ThinWindowPalette;
struct ThinPalette;
} // namespace s::gui::drawer::skin

namespace s::gui::drawer::skin::win {

// Colours a skin's own text drawer by a scheme. Labels complete their five
// fonts from its five styles: normal text, disabled text, a link, a link
// under the mouse, a pressed link.
//
// ThinWindow: style 1 is the text colour C6 on the window background C1
// with the shade C7; style 2 the disabled colour C3; style 3 the text colour C6; style 4 the
// control frame colour C4; style 5 keeps its default. Thin: styles 1 and 2
// take the text colour T3, the others keep their defaults.
//
// Runs while the scheme is built, on the building thread.
class TextColours {
public:
    static void thinWindow(s::gui::drawer::IText& drawer, const ThinWindowPalette& palette);
    static void thin(s::gui::drawer::IText& drawer, const ThinPalette& palette);
};

} // namespace s::gui::drawer::skin::win
