#include "s/gui/drawer/skin/SchemeDrawers.h"

// Without the Windows toolkit there are no drawers: a scheme is its name.

namespace s::gui::drawer::skin {

void giveThinWindowDrawers(s::gui::drawer::ISkin&, const ThinWindowPalette&) {}

void giveThinDrawers(s::gui::drawer::ISkin&, const ThinPalette&) {}

} // namespace s::gui::drawer::skin
