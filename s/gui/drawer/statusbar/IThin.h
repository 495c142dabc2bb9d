#pragma once
#include "s/gui/drawer/IStatusBar.h"

namespace s::gui::drawer::statusbar {

// The skins' status bar drawer (see IStatusBar).
class IThin : public s::gui::drawer::IStatusBar {};

} // namespace s::gui::drawer::statusbar
