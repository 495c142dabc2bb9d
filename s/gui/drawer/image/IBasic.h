#pragma once
#include "s/gui/drawer/IImage.h"

namespace s::gui::drawer::image {

// The plain picture drawer (see IImage).
class IBasic : public s::gui::drawer::IImage {};

} // namespace s::gui::drawer::image
