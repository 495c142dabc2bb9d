#include "s/gui/drawer/skin/Thin.h"

#include "s/gui/drawer/skin/SchemeDrawers.h"
#include "s/gui/drawer/skin/ThinPalette.h"

namespace s::gui::drawer::skin {

Thin* Thin::newScheme(const ThinPalette& palette) {
    Thin* skin = newInstance();
    if (skin == nullptr) {
        return nullptr;
    }
    skin->setName(palette.name);
    giveThinDrawers(*skin, palette);
    return skin;
}

} // namespace s::gui::drawer::skin
