#pragma once
#include "s/gui/drawer/IListBox.h"

namespace s::gui::drawer::listbox {

// The plain list box drawer (see IListBox).
class IBasic : public s::gui::drawer::IListBox {};

} // namespace s::gui::drawer::listbox
