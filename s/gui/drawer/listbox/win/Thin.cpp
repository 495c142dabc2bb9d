#include "s/gui/drawer/listbox/win/Thin.h"

namespace s::gui::drawer::listbox::win {

void Thin::reset() {
    basic->reset();
    basic->setFrameColor(120, 120, 120);
    basic->setBackground(51, 51, 51);
    basic->setThirdColor(243, 243, 243);
}

} // namespace s::gui::drawer::listbox::win
