#include "s/gui/win/SkinFonts.h"

#include <mutex>

#include "s/gui/win/Font.h"

namespace s::gui::win {

namespace {

std::mutex& stylesLock() {
    static std::mutex lock;
    return lock;
}

} // namespace

void SkinFonts::complete(s::gui::drawer::IText& drawer, Font* normal, Font* disabled, Font* link,
                         Font* hover, Font* pressed) {
    const std::lock_guard<std::mutex> hold(stylesLock());
    drawer.completeFonts(normal, disabled, link, hover, pressed);
}

void SkinFonts::complete(s::gui::drawer::IButton& drawer, Font* enabled, Font* disabled) {
    const std::lock_guard<std::mutex> hold(stylesLock());
    drawer.completeFonts(enabled, disabled);
}

void SkinFonts::complete(s::gui::drawer::ICheckBox& drawer, Font* enabled, Font* disabled) {
    const std::lock_guard<std::mutex> hold(stylesLock());
    drawer.completeFonts(enabled, disabled);
}

} // namespace s::gui::win
