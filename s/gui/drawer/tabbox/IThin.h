#pragma once
#include "s/gui/drawer/ITabBox.h"

namespace s::gui::drawer::tabbox {

// The skins' tab box drawer (see ITabBox).
class IThin : public s::gui::drawer::ITabBox {};

} // namespace s::gui::drawer::tabbox
