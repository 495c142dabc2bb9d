#pragma once

namespace s::gui::drawer {
class ICounter;
}
namespace s::gui::drawer::skin {
struct ThinWindowPalette;
struct ThinPalette;
} // namespace s::gui::drawer::skin

namespace s::gui::drawer::skin::win {

// Colours a skin's counter (strip chart) drawer by a scheme. ThinWindow: first series C14, second
// C15. Thin: T5 and T6. The background stays transparent.
//
// Runs while the scheme is built, on the building thread.
class CounterColours {
public:
    static void thinWindow(s::gui::drawer::ICounter& drawer, const ThinWindowPalette& palette);
    static void thin(s::gui::drawer::ICounter& drawer, const ThinPalette& palette);
};

} // namespace s::gui::drawer::skin::win
