#include "magnifier/LensWindowSettings.h"

#include "s/gui/win/Window.h"

namespace s::image::gui::dialogs::magnifier {

// Without wrapped settings the lens keeps the window's own defaults.

bool LensWindowSettings::getEasyDrag() {
    return main != nullptr && main->getEasyDrag();
}

void LensWindowSettings::setEasyDrag(bool on) {
    if (main != nullptr) {
        main->setEasyDrag(on);
    }
}

bool LensWindowSettings::getKeepOnTop() {
    return main != nullptr && main->getKeepOnTop();
}

void LensWindowSettings::setKeepOnTop(bool on) {
    if (main != nullptr) {
        main->setKeepOnTop(on);
    }
}

const char16_t* LensWindowSettings::getMiddleClick() {
    return main != nullptr ? main->getMiddleClick() : s::gui::win::Window::kMiddleClickDoNothing;
}

void LensWindowSettings::setMiddleClick(const char16_t* action) {
    if (main != nullptr) {
        main->setMiddleClick(action);
    }
}

int32_t LensWindowSettings::getTextBase() {
    return main != nullptr ? main->getTextBase() : -1;
}

s::lang::Localizer* LensWindowSettings::getLocalizer() {
    return main != nullptr ? main->getLocalizer() : nullptr;
}

s::gui::drawer::Skinner* LensWindowSettings::getSkinner() {
    return main != nullptr ? main->getSkinner() : nullptr;
}

HICON LensWindowSettings::createIcon(int32_t pixelSize) {
    return main != nullptr ? main->createIcon(pixelSize) : nullptr;
}

void LensWindowSettings::languageChanged(const char16_t* languageName) {
    if (main != nullptr) {
        main->languageChanged(languageName);
    }
}

void LensWindowSettings::skinChanged(const char16_t* skinName) {
    if (main != nullptr) {
        main->skinChanged(skinName);
    }
}

void LensWindowSettings::saveSettings() {
    if (main != nullptr) {
        main->saveSettings();
    }
}

} // namespace s::image::gui::dialogs::magnifier
