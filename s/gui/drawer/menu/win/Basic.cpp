#include "s/gui/drawer/menu/win/Basic.h"

#include "s/gui/drawer/combo/win/Thin.h"
#include "s/gui/drawer/menu/MenuGeometry.h"
#include "s/gui/drawer/text/win/Basic.h"
#include "s/gui/layout/Rect.h"
#include "s/gui/paint/win/DcFill.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/win/Font.h"
#include "s/gui/win/SystemFontFace.h"

namespace s::gui::drawer::menu::win {

using s::gui::layout::Rect;
using s::gui::text::FontDescription;

namespace {

// Menu texts are two points smaller than ordinary text.
constexpr int32_t kMenuSizeCode = -2;

void resetStyle(FontDescription& style) {
    style.reset(s::gui::win::systemFontFace(), s::gui::scale::win::systemScale());
    style.setFontSize(kMenuSizeCode);
}

void complete(FontDescription& style, s::gui::win::Font* font) {
    if (font != nullptr) {
        style.setFontSize(font->getFontSize());
        font->inheritFrom(style);
    }
}

} // namespace

Basic::Basic()
    : label(s::gui::drawer::text::win::Basic::newInstance()),
      combo(s::gui::drawer::combo::win::Thin::newInstance()) {
    reset();
}

Basic::~Basic() = default;

void Basic::reset() {
    resetStyle(normalStyle);
    resetStyle(selectedStyle);
    const COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    selectedStyle.setTextColor(GetRValue(highlightText), GetGValue(highlightText),
                               GetBValue(highlightText));
    selectionColor = GetSysColor(COLOR_HIGHLIGHT);
    firstFlag = true;
    secondFlag = false;
    if (label) {
        label->reset();
    }
    if (combo) {
        combo->reset();
    }
}

void Basic::drawBarItem(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                        const char16_t* text, bool selected, s::gui::win::Font* normalFont,
                        s::gui::win::Font* selectedFont) const {
    drawEntry(dc, left, top, right, bottom, text, selected, selected ? selectedFont : normalFont,
              &MenuGeometry::barText);
}

void Basic::drawItem(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                     const char16_t* text, bool selected, s::gui::win::Font* normalFont,
                     s::gui::win::Font* selectedFont) const {
    drawEntry(dc, left, top, right, bottom, text, selected, selected ? selectedFont : normalFont,
              &MenuGeometry::itemText);
}

void Basic::drawEntry(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                      const char16_t* text, bool selected, s::gui::win::Font* font,
                      TextArea textArea) const {
    if (left >= right || top >= bottom) {
        return;
    }
    if (selected) {
        s::gui::paint::win::DcFill target(dc);
        MenuGeometry::paintSelection(target, left, top, right, bottom, selectionColor);
    }
    if (text == nullptr || font == nullptr || !label) {
        return;
    }
    const int32_t textHeight = label->measureForLayout(dc, text, *font).height;
    const Rect area =
        textArea(left, top, right, bottom, textHeight, s::gui::scale::win::systemScale().getUnit());
    label->draw(dc, area.x, area.y, area.right(), area.bottom(), text, *font);
}

void Basic::drawSeparator(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom) const {
    if (left >= right || top >= bottom) {
        return;
    }
    s::gui::paint::win::DcFill target(dc);
    MenuGeometry::paintSeparator(target, left, top, right, bottom, normalStyle.getTextColor(),
                                 s::gui::scale::win::systemScale().getUnit());
}

void Basic::completeFonts(s::gui::win::Font* normal, s::gui::win::Font* selected) {
    complete(normalStyle, normal);
    complete(selectedStyle, selected);
}

s::gui::drawer::ICombo* Basic::getComboDrawer() const {
    return combo.get();
}

void Basic::setSelectionColor(uint8_t red, uint8_t green, uint8_t blue) {
    selectionColor = FontDescription::rgb(red, green, blue);
}

void Basic::setNormalTextColor(uint8_t red, uint8_t green, uint8_t blue) {
    normalStyle.setTextColor(red, green, blue);
}

void Basic::setSelectedTextColor(uint8_t red, uint8_t green, uint8_t blue) {
    selectedStyle.setTextColor(red, green, blue);
}

} // namespace s::gui::drawer::menu::win
