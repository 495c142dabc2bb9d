#include "s/gui/drawer/text/win/Basic.h"

#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/text/LayoutMeasure.h"
#include "s/gui/text/TextEffect.h"
#include "s/gui/text/TextFormat.h"
#include "s/gui/win/Font.h"
#include "s/gui/win/FontSetting.h"
#include "s/gui/win/SystemFontFace.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/platform/win/WideText.h"

namespace s::gui::drawer::text::win {

using s::gui::text::TextFormat;
using s::platform::win::wide;

namespace {

// Default colours of the styles (red, green, blue).
constexpr uint8_t kDisabled[3] = {161, 161, 146};
constexpr uint8_t kLink[3] = {0, 170, 0};
constexpr uint8_t kLinkActive[3] = {170, 170, 0};

// One text in one font, measured from the empty rectangle; the font is
// selected by the caller for all measurements together.
class ContextExtent : public s::gui::text::ITextExtent {
public:
    ContextExtent(HDC target, const char16_t* content) : dc(target), text(content) {}
    s::gui::layout::Size measure(uint32_t format) override {
        RECT rect = {0, 0, 0, 0};
        DrawTextW(dc, wide(text), -1, &rect, format);
        return {rect.right - rect.left, rect.bottom - rect.top};
    }

private:
    HDC dc;
    const char16_t* text;
};

const char16_t* orEmpty(const char16_t* text) {
    return text != nullptr ? text : u"";
}

} // namespace

void Basic::reset() {
    for (s::gui::text::FontDescription& style : styles) {
        style.reset(s::gui::win::systemFontFace(), s::gui::scale::win::systemScale());
    }
    styles[1].setTextColor(kDisabled[0], kDisabled[1], kDisabled[2]);
    styles[2].setTextColor(kLink[0], kLink[1], kLink[2]);
    styles[2].setUnderline(true);
    for (int32_t index = 3; index < kStyleCount; ++index) {
        styles[index].setTextColor(kLinkActive[0], kLinkActive[1], kLinkActive[2]);
        styles[index].setUnderline(true);
    }
    centred = false;
}

void Basic::draw(HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom,
                 const char16_t* text, s::gui::win::Font& font) const {
    if (left >= right || top >= bottom) {
        return;
    }
    const s::gui::text::TextEffect::Copies copies = s::gui::text::TextEffect::copiesFor(
        font.getEffect(), font.getTextColor(), font.getBackColor(), font.getShadeColor());
    const uint32_t format = TextFormat::forDrawing(centred, font.getWordWrap(), font.getEllipsis());
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF previousColor = SetTextColor(dc, font.getTextColor());
    {
        const s::platform::win::ObjectSelection selection(dc, font.getHandle());
        for (int32_t index = 0; index < copies.count; ++index) {
            const s::gui::text::TextEffect::Copy& copy = copies.copy[index];
            SetTextColor(dc, copy.colour);
            RECT rect = {left + copy.dx, top + copy.dy, right + copy.dx, bottom + copy.dy};
            DrawTextW(dc, wide(orEmpty(text)), -1, &rect, format);
        }
    }
    SetTextColor(dc, previousColor);
    SetBkMode(dc, previousMode);
}

s::gui::layout::Size Basic::measure(HDC dc, int32_t left, int32_t top, int32_t right,
                                    int32_t bottom, const char16_t* text,
                                    s::gui::win::Font& font) const {
    const s::platform::win::ObjectSelection selection(dc, font.getHandle());
    RECT rect = {left, top, right, bottom};
    DrawTextW(dc, wide(orEmpty(text)), -1, &rect,
              TextFormat::forMeasuring(font.getWordWrap(), font.getEllipsis()));
    return s::gui::text::TextEffect::widen(
        s::gui::layout::Size{rect.right - rect.left, rect.bottom - rect.top}, font.getEffect());
}

s::gui::text::TextExtents Basic::measureForLayout(HDC dc, const char16_t* text,
                                                  s::gui::win::Font& font) const {
    const s::platform::win::ObjectSelection selection(dc, font.getHandle());
    ContextExtent extent(dc, orEmpty(text));
    return s::gui::text::TextEffect::widen(
        s::gui::text::LayoutMeasure::measure(extent, font.getWordWrap(), font.getEllipsis()),
        font.getEffect());
}

void Basic::completeFonts(s::gui::win::Font* font1, s::gui::win::Font* font2,
                          s::gui::win::Font* font3, s::gui::win::Font* font4,
                          s::gui::win::Font* font5) {
    s::gui::win::Font* fonts[kStyleCount] = {font1, font2, font3, font4, font5};
    for (int32_t index = 0; index < kStyleCount; ++index) {
        if (fonts[index] != nullptr) {
            styles[index].setFontSize(fonts[index]->getFontSize());
            fonts[index]->inheritFrom(styles[index]);
        }
    }
}

void Basic::completeSettings(s::gui::win::FontSetting* setting1, s::gui::win::FontSetting* setting2,
                             s::gui::win::FontSetting* setting3, s::gui::win::FontSetting* setting4,
                             s::gui::win::FontSetting* setting5) {
    s::gui::win::FontSetting* settings[kStyleCount] = {setting1, setting2, setting3, setting4,
                                                       setting5};
    for (int32_t index = 0; index < kStyleCount; ++index) {
        if (settings[index] != nullptr) {
            styles[index].setFontSize(settings[index]->getFontSize());
            settings[index]->inheritFrom(styles[index]);
        }
    }
}

} // namespace s::gui::drawer::text::win
