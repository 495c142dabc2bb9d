#include "s/gui/text/FontDescription.h"

#include "s/gui/text/FontSize.h"

namespace s::gui::text {

namespace {

// Ordinary text: 10 points, on the light grey of dialogs.
constexpr int32_t kDefaultPoints = 10;
constexpr uint8_t kDefaultBackLevel = 238;

} // namespace

void FontDescription::reset(const char16_t* faceName, const s::gui::scale::DisplayScale& display) {
    scale = display;
    copyFace(faceName);
    height = FontSize::heightFor(kDefaultPoints, scale);
    width = 0;
    weight = FontSize::kNormalWeight;
    italic = false;
    underline = false;
    strikeOut = false;
    quality = kClearTypeQuality;
    textColor = rgb(0, 0, 0);
    backColor = rgb(kDefaultBackLevel, kDefaultBackLevel, kDefaultBackLevel);
    shadeColor = backColor;
    wordWrap = false;
    ellipsis = false;
    sizeCode = 0;
    effect = 0;
    marks = Marks();
}

void FontDescription::copyFace(const char16_t* name) {
    int32_t length = 0;
    if (name != nullptr) {
        for (; length < kFaceLength && name[length] != u'\0'; ++length) {
            face[length] = name[length];
        }
    }
    face[length] = u'\0';
}

void FontDescription::setFontSize(int32_t code) {
    sizeCode = code;
    const FontSize size = FontSize::fromCode(code);
    if (!size.isSize()) {
        return;
    }
    if (!marks.bold) {
        weight = size.getWeight();
    }
    if (!marks.size) {
        height = FontSize::heightFor(size.getPoints(), scale);
        width = 0;
    }
}

void FontDescription::setFace(const char16_t* name) {
    copyFace(name);
    marks.face = true;
}

void FontDescription::setTextColor(uint8_t red, uint8_t green, uint8_t blue) {
    textColor = rgb(red, green, blue);
    marks.textColor = true;
}

void FontDescription::setBackColor(uint8_t red, uint8_t green, uint8_t blue) {
    backColor = rgb(red, green, blue);
    marks.backColor = true;
}

void FontDescription::setShadeColor(uint8_t red, uint8_t green, uint8_t blue) {
    shadeColor = rgb(red, green, blue);
    marks.shadeColor = true;
}

void FontDescription::setHeight(int32_t pixels) {
    height = pixels;
    marks.size = true;
}

void FontDescription::setWidth(int32_t pixels) {
    width = pixels;
    marks.size = true;
}

void FontDescription::setWeight(int32_t value) {
    weight = value;
    marks.weight = true;
}

void FontDescription::setBold(bool on) {
    weight = on ? FontSize::kBoldWeight : FontSize::kNormalWeight;
    marks.bold = true;
}

void FontDescription::setItalic(bool on) {
    italic = on;
    marks.italic = true;
}

void FontDescription::setUnderline(bool on) {
    underline = on;
    marks.underline = true;
}

void FontDescription::setStrikeOut(bool on) {
    strikeOut = on;
    marks.strikeOut = true;
}

void FontDescription::setClearType(bool on) {
    quality = on ? kClearTypeQuality : kPlainQuality;
    marks.quality = true;
}

bool FontDescription::isCustomized() const {
    return marks.face || marks.textColor || marks.backColor || marks.shadeColor || marks.size ||
           marks.bold || marks.italic || marks.underline || marks.strikeOut || marks.weight ||
           marks.quality;
}

void FontDescription::inheritFrom(const FontDescription& other) {
    if (!marks.face) {
        copyFace(other.face);
    }
    if (!marks.textColor) {
        textColor = other.textColor;
    }
    if (!marks.backColor) {
        backColor = other.backColor;
    }
    if (!marks.shadeColor) {
        shadeColor = other.shadeColor;
    }
    if (!marks.size) {
        height = other.height;
        width = other.width;
    }
    // Boldness, not the exact weight, is what a style hands on; only an
    // explicit bold choice keeps the font's own.
    if (!marks.bold) {
        weight = other.isBold() ? FontSize::kBoldWeight : FontSize::kNormalWeight;
    }
    if (!marks.italic) {
        italic = other.italic;
    }
    if (!marks.underline) {
        underline = other.underline;
    }
    if (!marks.strikeOut) {
        strikeOut = other.strikeOut;
    }
    if (!marks.quality) {
        quality = other.isClearType() ? kClearTypeQuality : kPlainQuality;
    }
}

} // namespace s::gui::text
