#include "s/gui/win/FontSetting.h"

#include <gtest/gtest.h>

#include <string>

#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/text/FontSize.h"
#include "s/gui/win/Font.h"
#include "s/gui/win/SystemFontFace.h"
#include "s/thread/PoolRef.h"

using s::gui::text::FontDescription;
using s::gui::text::FontSize;
using s::gui::win::Font;
using s::gui::win::FontSetting;
using s::thread::PoolRef;

namespace {

std::u16string faceOf(const LOGFONTW& logical) {
    return reinterpret_cast<const char16_t*>(logical.lfFaceName);
}

int32_t screenDpi() {
    const HDC screen = GetDC(nullptr);
    const int32_t dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

} // namespace

TEST(FontSettingWinTest, AResetStyleIsTenPointTextInTheSystemFace) {
    auto setting = PoolRef<FontSetting>::take();
    EXPECT_EQ(std::u16string(u"s_gui_win_FontSetting"), setting->getClassName());
    const LOGFONTW logical = setting->getLogFont();
    EXPECT_EQ(FontSize::heightFor(10, s::gui::scale::win::systemScale()), logical.lfHeight);
    if (s::gui::scale::win::systemScale().getPixelsPer96() == 96 &&
        s::gui::scale::win::systemScale().getScreenFactor() == 1) {
        EXPECT_EQ(-13, logical.lfHeight);
    }
    EXPECT_EQ(0, logical.lfWidth);
    EXPECT_EQ(400, logical.lfWeight);
    EXPECT_EQ(DEFAULT_CHARSET, logical.lfCharSet);
    EXPECT_EQ(OUT_STRING_PRECIS, logical.lfOutPrecision);
    EXPECT_EQ(CLIP_STROKE_PRECIS, logical.lfClipPrecision);
    EXPECT_EQ(CLEARTYPE_QUALITY, logical.lfQuality);
    EXPECT_EQ(VARIABLE_PITCH, logical.lfPitchAndFamily);
    EXPECT_EQ(std::u16string(s::gui::win::systemFontFace()), faceOf(logical));
    EXPECT_EQ(RGB(0, 0, 0), setting->getTextColor());
    EXPECT_EQ(RGB(238, 238, 238), setting->getBackColor());
    EXPECT_EQ(RGB(238, 238, 238), setting->getShadeColor());
    EXPECT_EQ(0, setting->getEffect());
    EXPECT_FALSE(setting->isCustomized());

    setting->setFace(u"A face name far longer than thirty-one units");
    EXPECT_EQ(31u, faceOf(setting->getLogFont()).size()) << "cut, terminated";
    setting->setTextColor(1, 2, 3);
    EXPECT_EQ(1, setting->getTextRed());
    EXPECT_EQ(2, setting->getTextGreen());
    EXPECT_EQ(3, setting->getTextBlue());
    setting->setEffect(5);
    setting.detach()->release();
    auto again = PoolRef<FontSetting>::take();
    EXPECT_FALSE(again->isCustomized()) << "given back reset";
    EXPECT_EQ(0, again->getEffect());
}

TEST(FontSettingWinTest, SizeCodesChangeOnlyWhatWasNotSet) {
    auto setting = PoolRef<FontSetting>::take();
    const auto& scale = s::gui::scale::win::systemScale();
    setting->setFontSize(-103);
    EXPECT_EQ(700, setting->getWeight());
    EXPECT_EQ(FontSize::heightFor(11, scale), setting->getHeight());
    setting->setFontSize(1000);
    EXPECT_EQ(1000, setting->getFontSize());
    EXPECT_EQ(FontSize::heightFor(11, scale), setting->getHeight()) << "no size: nothing else";

    auto sized = PoolRef<FontSetting>::take();
    sized->setHeight(-20);
    sized->setBold(false);
    sized->setFontSize(105);
    EXPECT_EQ(-20, sized->getHeight());
    EXPECT_EQ(400, sized->getWeight()) << "explicit bold (off) stays";
    auto heavy = PoolRef<FontSetting>::take();
    heavy->setHeight(-20);
    heavy->setWeight(900);
    heavy->setFontSize(5);
    EXPECT_EQ(-20, heavy->getHeight());
    EXPECT_EQ(400, heavy->getWeight()) << "a set weight still follows the code";

    auto points = PoolRef<FontSetting>::take();
    points->setWidth(6);
    points->setPointSize(12);
    EXPECT_EQ(-MulDiv(screenDpi(), 120, 720), points->getHeight());
    EXPECT_EQ(0, points->getWidth());
    EXPECT_TRUE(points->isCustomized());
    points->setFontSize(-3);
    EXPECT_EQ(-MulDiv(screenDpi(), 120, 720), points->getHeight()) << "a point size is explicit";
}

TEST(FontSettingWinTest, InheritingTakesEveryUnsetPropertyButTheSwitches) {
    auto other = PoolRef<FontSetting>::take();
    other->setFace(u"Courier New");
    other->setTextColor(0, 170, 0);
    other->setBackColor(1, 1, 1);
    other->setShadeColor(2, 2, 2);
    other->setHeight(-22);
    other->setWidth(9);
    other->setItalic(true);
    other->setUnderline(true);
    other->setStrikeOut(true);
    other->setClearType(false);
    other->setWordWrap(true);
    other->setEllipsis(true);
    other->setEffect(3);
    other->setFontSize(4);
    other->setWeight(600); // after the code, which would make it 400 again

    auto setting = PoolRef<FontSetting>::take();
    setting->setTextColor(9, 8, 7);
    setting->setWeight(300);
    setting->inheritFrom(*other);
    EXPECT_EQ(RGB(9, 8, 7), setting->getTextColor());
    EXPECT_EQ(std::u16string(u"Courier New"), setting->getFace());
    EXPECT_EQ(RGB(1, 1, 1), setting->getBackColor());
    EXPECT_EQ(RGB(2, 2, 2), setting->getShadeColor());
    EXPECT_EQ(-22, setting->getHeight());
    EXPECT_EQ(9, setting->getWidth());
    EXPECT_EQ(700, setting->getWeight()) << "boldness, not the weight; also over a set weight";
    EXPECT_TRUE(setting->isItalic());
    EXPECT_TRUE(setting->isUnderline());
    EXPECT_TRUE(setting->isStrikeOut());
    EXPECT_FALSE(setting->isClearType());
    EXPECT_FALSE(setting->getWordWrap());
    EXPECT_FALSE(setting->getEllipsis());
    EXPECT_EQ(0, setting->getEffect());
    EXPECT_EQ(0, setting->getFontSize());

    auto bold = PoolRef<FontSetting>::take();
    bold->setBold(false);
    bold->inheritFrom(*other);
    EXPECT_EQ(400, bold->getWeight()) << "an explicit bold keeps its weight";
}

TEST(FontSettingWinTest, AFontMadeFromAStyleHasItsValuesAndChoices) {
    auto setting = PoolRef<FontSetting>::take();
    setting->setFace(u"Courier New");
    setting->setShadeColor(5, 6, 7);
    setting->setHeight(-19);
    setting->setItalic(true);
    setting->setClearType(false);
    setting->setWordWrap(true);
    setting->setEffect(7);
    setting->setFontSize(2);
    PoolRef<Font> font(setting->createFont());
    ASSERT_NE(nullptr, font.get());
    EXPECT_EQ(std::u16string(u"s_gui_win_Font"), font->getClassName());
    LOGFONTW logical = {};
    ASSERT_NE(0, GetObjectW(font->getHandle(), sizeof(logical), &logical));
    EXPECT_EQ(-19, logical.lfHeight);
    EXPECT_TRUE(logical.lfItalic);
    EXPECT_EQ(NONANTIALIASED_QUALITY, logical.lfQuality);
    EXPECT_EQ(std::u16string(u"Courier New"), faceOf(logical));
    EXPECT_EQ(RGB(5, 6, 7), font->getShadeColor());
    EXPECT_TRUE(font->getWordWrap());
    EXPECT_EQ(7, font->getEffect());
    EXPECT_EQ(2, font->getFontSize());

    auto style = PoolRef<FontSetting>::take();
    style->setFace(u"Arial");
    style->setHeight(-30);
    style->setShadeColor(100, 100, 100);
    font->inheritFrom(*style);
    EXPECT_EQ(std::u16string(u"Courier New"), font->getDescription().getFace()) << "marks copied";
    EXPECT_EQ(-19, font->getDescription().getHeight());
    EXPECT_EQ(RGB(5, 6, 7), font->getShadeColor());
    EXPECT_TRUE(font->getDescription().isClearType()) << "the quality follows the style";
}

TEST(FontSettingWinTest, TheSystemFaceIsTheThemeCaptionFaceOrTheDialogFace) {
    const std::u16string face = s::gui::win::systemFontFace();
    ASSERT_FALSE(face.empty());
    EXPECT_LE(face.size(), 31u);
    // Without visual styles (Wine by default) the dialog face; with them,
    // never the message font's face by accident: the theme's caption face.
    using ThemeHandle = HANDLE;
    HMODULE library = LoadLibraryW(L"uxtheme.dll");
    auto open = reinterpret_cast<ThemeHandle(WINAPI*)(HWND, LPCWSTR)>(
        reinterpret_cast<void*>(GetProcAddress(library, "OpenThemeData")));
    auto close = reinterpret_cast<HRESULT(WINAPI*)(ThemeHandle)>(
        reinterpret_cast<void*>(GetProcAddress(library, "CloseThemeData")));
    auto font = reinterpret_cast<HRESULT(WINAPI*)(ThemeHandle, int, LOGFONTW*)>(
        reinterpret_cast<void*>(GetProcAddress(library, "GetThemeSysFont")));
    ThemeHandle theme = open != nullptr ? open(nullptr, L"WINDOW") : nullptr;
    LOGFONTW caption = {};
    if (theme != nullptr && font != nullptr && SUCCEEDED(font(theme, 801, &caption)) &&
        caption.lfFaceName[0] != L'\0') {
        EXPECT_EQ(faceOf(caption).substr(0, 31), face);
    } else {
        EXPECT_EQ(std::u16string(u"MS Shell Dlg 2"), face);
    }
    if (theme != nullptr) {
        close(theme);
    }
    if (library != nullptr) {
        FreeLibrary(library);
    }
}
