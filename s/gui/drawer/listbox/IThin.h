#pragma once
#include "s/gui/drawer/IListBox.h"

namespace s::gui::drawer::listbox {

// The skins' list box drawer (see IListBox).
class IThin : public s::gui::drawer::IListBox {};

} // namespace s::gui::drawer::listbox
