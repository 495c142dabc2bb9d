#pragma once
#include "s/gui/drawer/IGroupBox.h"

namespace s::gui::drawer::groupbox {

// The plain group box: 1-pixel lines at every scale (see IGroupBox).
class IBasic : public s::gui::drawer::IGroupBox {};

} // namespace s::gui::drawer::groupbox
