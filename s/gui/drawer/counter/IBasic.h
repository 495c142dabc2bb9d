#pragma once
#include "s/gui/drawer/ICounter.h"

namespace s::gui::drawer::counter {

// The plain strip-chart drawer (see ICounter).
class IBasic : public s::gui::drawer::ICounter {};

} // namespace s::gui::drawer::counter
