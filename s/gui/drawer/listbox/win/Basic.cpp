#include "s/gui/drawer/listbox/win/Basic.h"

#include <algorithm>

#include "s/gui/drawer/button/win/Thin.h"
#include "s/gui/drawer/listbox/ItemLayout.h"
#include "s/gui/drawer/text/win/Basic.h"
#include "s/gui/paint/win/DcFill.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/win/Font.h"

namespace s::gui::drawer::listbox::win {

using s::gui::layout::Rect;
using TextDrawer = s::gui::drawer::text::win::Basic;

namespace {

// Colours until a skin sets its own.
constexpr COLORREF kFrame = RGB(120, 120, 120);
constexpr COLORREF kBackground = RGB(51, 51, 51);
constexpr COLORREF kThird = RGB(224, 224, 224);
// What a row's text height is measured with: a capital and a descender.
constexpr const char16_t* kSample = u"Ag";

int32_t unit() {
    return s::gui::scale::win::systemScale().getUnit();
}

} // namespace

Basic::Basic()
    : itemText(TextDrawer::newInstance()), selectedText(TextDrawer::newInstance()),
      button(s::gui::drawer::button::win::Thin::newInstance()) {
    reset();
}

Basic::~Basic() {
    button->release();
    selectedText->release();
    itemText->release();
}

void Basic::reset() {
    frame = kFrame;
    background = kBackground;
    third = kThird;
    itemText->reset();
    itemText->setCentered(false);
    selectedText->reset();
    selectedText->setCentered(false);
    button->reset();
}

void Basic::fillBackground(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    if (left >= right || top >= bottom) {
        return;
    }
    s::gui::paint::win::DcFill(dc).fill(left, top, right - left, bottom - top, background);
}

void Basic::drawItem(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                     const ListBoxItem& item, HICON icon, const char16_t* text,
                     s::gui::win::Font* itemFont, s::gui::win::Font* selectedFont) {
    if (left >= right || top >= bottom) {
        return;
    }
    ListBoxItem shown = item;
    shown.hasIcon = item.hasIcon || icon != nullptr;
    const ItemLayout layout({left, top, right - left, bottom - top}, shown, unit());
    // 1. Selection, drop line and check box as plain rectangles.
    {
        s::gui::paint::win::DcFill fill(dc);
        layout.paint(fill, {frame, frame, third});
    }
    // 2. Glyphs: the expander in the row's text colour, the check mark in
    // the frame colour (or the square when the glyph finds no room).
    s::gui::win::Font* font = item.selected ? selectedFont : itemFont;
    const COLORREF ink = font != nullptr ? font->getTextColor() : frame;
    if (item.expander == ListBoxItem::Closed || item.expander == ListBoxItem::Open) {
        paintGlyph(dc, layout.getExpander(),
                   item.expander == ListBoxItem::Open ? u"#TreeOpen" : u"#TreeClosed", ink);
    }
    if (item.check == ListBoxItem::Checked &&
        !paintGlyph(dc, layout.getCheckInside(), u"#Check", frame)) {
        const Rect& square = layout.getCheckSquare();
        s::gui::paint::win::DcFill(dc).fill(square.x, square.y, square.width, square.height, frame);
    }
    // 3. Icon and text.
    const Rect& iconCell = layout.getIcon();
    if (icon != nullptr && iconCell.width > 0) {
        DrawIconEx(dc, iconCell.x, iconCell.y, icon, iconCell.width, iconCell.height, 0, nullptr,
                   DI_NORMAL);
    }
    if (text != nullptr && font != nullptr) {
        drawText(dc, layout.getText(), text, *font, item.selected);
    }
}

bool Basic::paintGlyph(HDC dc, const Rect& cell, const char16_t* label, COLORREF colour) const {
    if (cell.width < 1 || cell.height < 1) {
        return false;
    }
    return button->paintGlyph(dc, cell.x, cell.y, cell.right(), cell.bottom(), label,
                              GetRValue(colour), GetGValue(colour), GetBValue(colour));
}

void Basic::drawText(HDC dc, const Rect& box, const char16_t* text, s::gui::win::Font& font,
                     bool selected) const {
    if (box.width < 1) {
        return;
    }
    const TextDrawer& drawer = selected ? *selectedText : *itemText;
    // Centred vertically: one line's height in the middle of the row, cut
    // at the row when the text is taller.
    const int32_t height =
        std::min(drawer.measure(dc, 0, 0, box.width, box.height, text, font).height, box.height);
    const int32_t textTop = box.y + (box.height - height) / 2;
    drawer.draw(dc, box.x, textTop, box.right(), textTop + std::max(height, 1), text, font);
}

int32_t Basic::measureItem(HDC dc, s::gui::win::Font* font) {
    const int32_t textHeight =
        font != nullptr ? itemText->measure(dc, 0, 0, 0, 0, kSample, *font).height : 0;
    return ItemLayout::rowHeight(textHeight, unit());
}

int32_t Basic::hitItem(int32_t x, int32_t y, int32_t left, int32_t top, int32_t right,
                       int32_t bottom, const ListBoxItem& item) {
    if (left >= right || top >= bottom) {
        return ItemLayout::Outside;
    }
    return ItemLayout({left, top, right - left, bottom - top}, item, unit()).hit(x, y);
}

void Basic::setFrameColor(uint8_t red, uint8_t green, uint8_t blue) {
    frame = RGB(red, green, blue);
}

void Basic::setBackground(uint8_t red, uint8_t green, uint8_t blue) {
    background = RGB(red, green, blue);
}

void Basic::setThirdColor(uint8_t red, uint8_t green, uint8_t blue) {
    third = RGB(red, green, blue);
}

void Basic::completeFonts(s::gui::win::Font* item, s::gui::win::Font* selected) {
    itemText->completeFonts(item, nullptr, nullptr, nullptr, nullptr);
    selectedText->completeFonts(selected, nullptr, nullptr, nullptr, nullptr);
}

s::gui::text::FontDescription& Basic::getItemStyle() {
    return itemText->getStyle1();
}

s::gui::text::FontDescription& Basic::getSelectedStyle() {
    return selectedText->getStyle1();
}

void Basic::setItemTextColor(uint8_t red, uint8_t green, uint8_t blue) {
    itemText->getStyle1().setTextColor(red, green, blue);
}

void Basic::setSelectedTextColor(uint8_t red, uint8_t green, uint8_t blue) {
    selectedText->getStyle1().setTextColor(red, green, blue);
}

} // namespace s::gui::drawer::listbox::win
