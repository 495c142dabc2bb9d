#pragma once
#include "s/gui/drawer/IButton.h"
#include "s/gui/drawer/ICheckBox.h"
#include "s/gui/drawer/IText.h"

namespace s::gui::win {

class Font;

// Completes components' fonts from a skin's drawers. Completing writes the
// drawer's styles (each style first takes the font's size code), and one
// skin is shared by every window of the program, each on its own thread: so
// every completion goes through here, one at a time under one process-wide
// lock. Drawing never reads the styles (it reads the fonts it is given), so
// nothing else needs the lock.
//
// Null fonts are skipped, as the drawers do. Any thread; the fonts belong
// to the caller's thread.
class SkinFonts {
public:
    static void complete(s::gui::drawer::IText& drawer, Font* normal, Font* disabled, Font* link,
                         Font* hover, Font* pressed);
    static void complete(s::gui::drawer::IButton& drawer, Font* enabled, Font* disabled);
    static void complete(s::gui::drawer::ICheckBox& drawer, Font* enabled, Font* disabled);
};

} // namespace s::gui::win
