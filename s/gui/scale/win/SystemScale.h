#pragma once
#include "s/gui/scale/DisplayScale.h"

namespace s::gui::scale::win {

// The display scale of this run: the primary screen's factor and the
// system's dots per inch, read once on first use and kept, like the screen
// factor, so that every window of the run has the same sizes. Tests that
// need another scale build a DisplayScale of their own. Any thread.
const DisplayScale& systemScale();

} // namespace s::gui::scale::win
