#include "s/gui/win/Font.h"

#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/win/FontSetting.h"
#include "s/gui/win/SystemFontFace.h"
#include "s/platform/win/WideText.h"

namespace s::gui::win {

void Font::reset() {
    changed();
    description.reset(systemFontFace(), s::gui::scale::win::systemScale());
}

void Font::setFontSize(int32_t code) {
    description.setFontSize(code);
    changed();
}

void Font::setTextColor(uint8_t red, uint8_t green, uint8_t blue) {
    description.setTextColor(red, green, blue);
}

void Font::setBackColor(uint8_t red, uint8_t green, uint8_t blue) {
    description.setBackColor(red, green, blue);
}

void Font::setShadeColor(uint8_t red, uint8_t green, uint8_t blue) {
    description.setShadeColor(red, green, blue);
}

void Font::setUnderline(bool on) {
    description.setUnderline(on);
    changed();
}

void Font::setBold(bool on) {
    description.setBold(on);
    changed();
}

void Font::setFace(const char16_t* name) {
    description.setFace(name);
    changed();
}

void Font::setHeight(int32_t pixels) {
    description.setHeight(pixels);
    changed();
}

void Font::inheritFrom(const s::gui::text::FontDescription& style) {
    description.inheritFrom(style);
    changed();
}

void Font::inheritFrom(const FontSetting& style) {
    inheritFrom(style.getDescription());
}

void Font::assign(const s::gui::text::FontDescription& source) {
    description = source;
    changed();
}

HFONT Font::getHandle() {
    if (handle) {
        return handle.get();
    }
    const LOGFONTW logical = FontSetting::logicalFontOf(description);
    handle.assign(CreateFontIndirectW(&logical));
    return handle.get();
}

} // namespace s::gui::win
