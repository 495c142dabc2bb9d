#pragma once

namespace s::gui::drawer {
class ISkin;
}

namespace s::gui::drawer::skin {

struct ThinWindowPalette;
struct ThinPalette;

// Gives a skin the drawers of its scheme, each taken from its pool and
// coloured by the palette's roles. Making drawers is a platform need: the
// drawers paint with the platform's window toolkit, and where there is none
// the skin keeps no drawers (only its name).
void giveThinWindowDrawers(s::gui::drawer::ISkin& skin, const ThinWindowPalette& palette);
void giveThinDrawers(s::gui::drawer::ISkin& skin, const ThinPalette& palette);

} // namespace s::gui::drawer::skin
