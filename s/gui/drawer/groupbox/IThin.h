#pragma once
#include "s/gui/drawer/IGroupBox.h"

namespace s::gui::drawer::groupbox {

// The skins' group box: a frame whose weight and corners follow the display scale (see IGroupBox).
class IThin : public s::gui::drawer::IGroupBox {};

} // namespace s::gui::drawer::groupbox
