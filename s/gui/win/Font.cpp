#include "s/gui/win/Font.h"

#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/win/SystemFontFace.h"
#include "s/platform/win/WideText.h"

namespace s::gui::win {

namespace {

// Characters of every script the face has; the system picks the face's
// proportional variant and draws outlines (scalable at any size).
constexpr BYTE kCharacterSet = DEFAULT_CHARSET;
constexpr BYTE kOutputPrecision = OUT_STRING_PRECIS;
constexpr BYTE kClipPrecision = CLIP_STROKE_PRECIS;
constexpr BYTE kPitchAndFamily = VARIABLE_PITCH;

} // namespace

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

HFONT Font::getHandle() {
    if (handle) {
        return handle.get();
    }
    LOGFONTW logical = {};
    logical.lfHeight = description.getHeight();
    logical.lfWidth = description.getWidth();
    logical.lfWeight = description.getWeight();
    logical.lfItalic = description.isItalic() ? TRUE : FALSE;
    logical.lfUnderline = description.isUnderline() ? TRUE : FALSE;
    logical.lfStrikeOut = description.isStrikeOut() ? TRUE : FALSE;
    logical.lfCharSet = kCharacterSet;
    logical.lfOutPrecision = kOutputPrecision;
    logical.lfClipPrecision = kClipPrecision;
    logical.lfQuality = static_cast<BYTE>(description.getQuality());
    logical.lfPitchAndFamily = kPitchAndFamily;
    const char16_t* face = description.getFace();
    for (int32_t i = 0; i < LF_FACESIZE - 1 && face[i] != u'\0'; ++i) {
        logical.lfFaceName[i] = static_cast<wchar_t>(face[i]);
    }
    handle.assign(CreateFontIndirectW(&logical));
    return handle.get();
}

} // namespace s::gui::win
