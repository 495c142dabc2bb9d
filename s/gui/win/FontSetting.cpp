#include "s/gui/win/FontSetting.h"

#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/text/FontSize.h"
#include "s/gui/win/Font.h"
#include "s/gui/win/SystemFontFace.h"

namespace s::gui::win {

namespace {

// Characters of every script the face has; the system picks the face's
// proportional variant and draws outlines (scalable at any size).
constexpr BYTE kCharacterSet = DEFAULT_CHARSET;
constexpr BYTE kOutputPrecision = OUT_STRING_PRECIS;
constexpr BYTE kClipPrecision = CLIP_STROKE_PRECIS;
constexpr BYTE kPitchAndFamily = VARIABLE_PITCH;

// The screen's vertical dots per inch, read when a point size is set (the
// user may change the scaling while the program runs).
int32_t screenDpi() {
    const HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return s::gui::scale::DisplayScale::kBaseDpi;
    }
    const int32_t dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : s::gui::scale::DisplayScale::kBaseDpi;
}

} // namespace

void FontSetting::reset() {
    description.reset(systemFontFace(), s::gui::scale::win::systemScale());
}

void FontSetting::setPointSize(int32_t points) {
    description.setHeight(s::gui::text::FontSize::heightForPoints(points, screenDpi()));
    description.setWidth(0);
}

Font* FontSetting::createFont() const {
    Font* font = Font::newInstance();
    if (font == nullptr) {
        return nullptr;
    }
    s::gui::text::FontDescription copy = description;
    copy.clearQualityMark();
    font->assign(copy);
    // The system font is made now, as a style's font is expected to be
    // ready to select; it stays null only when the system refuses.
    font->getHandle();
    return font;
}

LOGFONTW FontSetting::logicalFontOf(const s::gui::text::FontDescription& description) {
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
    return logical;
}

} // namespace s::gui::win
