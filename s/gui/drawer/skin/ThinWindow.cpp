#include "s/gui/drawer/skin/ThinWindow.h"

#include "s/gui/drawer/skin/SchemeDrawers.h"
#include "s/gui/drawer/skin/ThinWindowPalette.h"

namespace s::gui::drawer::skin {

ThinWindow* ThinWindow::newScheme(const ThinWindowPalette& palette) {
    ThinWindow* skin = newInstance();
    if (skin == nullptr) {
        return nullptr;
    }
    skin->setName(palette.name);
    giveThinWindowDrawers(*skin, palette);
    return skin;
}

} // namespace s::gui::drawer::skin
