#include "s/app/win/SkinnerAccess.h"

namespace s::app::win {

// PENDING (see the header): wired to the skin selector when it lands.

bool SkinnerAccess::hasSkin(s::gui::drawer::Skinner* skinner, const char16_t* name) {
    return skinner != nullptr && name != nullptr;
}

const char16_t* SkinnerAccess::currentSkinName(s::gui::drawer::Skinner* skinner) {
    return nullptr;
}

void SkinnerAccess::selectSkin(s::gui::drawer::Skinner* skinner, const char16_t* name) {}

void SkinnerAccess::release(s::gui::drawer::Skinner* skinner) {}

} // namespace s::app::win
