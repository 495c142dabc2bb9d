#include "s/gui/drawer/button/win/Thin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/text/FontDescription.h"
#include "s/gui/win/Font.h"
#include "s/gui/win/FontSetting.h"
#include "s/thread/PoolRef.h"
#include "tests/support/win/PixelCanvas.h"

using s::gui::drawer::button::win::Thin;
using s::gui::text::FontDescription;
using s::gui::win::Font;
using s::gui::win::FontSetting;
using s::test::win::PixelCanvas;
using s::thread::PoolRef;

namespace {

// The button under test covers (10, 10) to (90, 50) of a 100 x 60 canvas.
constexpr int32_t kLeft = 10;
constexpr int32_t kTop = 10;
constexpr int32_t kRight = 90;
constexpr int32_t kBottom = 50;
constexpr int32_t kMiddleX = 50;
constexpr int32_t kMiddleY = 30;

// The frame colour is grey 100, so the bevel's tints are greys of their own.
constexpr COLORREF kGrey100 = RGB(100, 100, 100);
constexpr COLORREF kGrey105 = RGB(105, 105, 105);
constexpr COLORREF kGrey115 = RGB(115, 115, 115);
constexpr COLORREF kGrey85 = RGB(85, 85, 85);
constexpr COLORREF kFill = RGB(10, 20, 30);

int32_t unit() {
    return s::gui::scale::win::systemScale().getUnit();
}

// A drawer with a distinct colour for each role: frame grey 100, disabled
// frame grey 40, toggled frame grey 200, toggled fill 10 20 30.
PoolRef<Thin> coloured() {
    auto drawer = PoolRef<Thin>::take();
    drawer->setFrameColor(100, 100, 100);
    drawer->setDisabledFrameColor(40, 40, 40);
    drawer->setToggledFrameColor(200, 200, 200);
    drawer->setToggledFill(10, 20, 30);
    return drawer;
}

struct Drawn {
    COLORREF top;    // middle of the top edge
    COLORREF bottom; // middle of the bottom edge
    COLORREF centre; // inside, clear of the edges
};

Drawn drawButton(Thin& drawer, int32_t state, bool framed, bool enabled, bool toggled,
                 bool openBottom, Font* style = nullptr, const char16_t* label = nullptr) {
    PixelCanvas canvas(100, 60);
    drawer.draw(canvas.get(), kLeft, kTop, kRight, kBottom, state, label, framed, style, enabled,
                toggled, openBottom);
    return {canvas.at(kMiddleX, kTop), canvas.at(kMiddleX, kBottom - 1),
            canvas.at(kLeft + 3 * unit(), kMiddleY)};
}

// The smallest rectangle holding every pixel of exactly `color`.
struct Bounds {
    int32_t left = 1 << 20;
    int32_t top = 1 << 20;
    int32_t right = -1;
    int32_t bottom = -1;
};

Bounds boundsOf(const PixelCanvas& canvas, COLORREF color, int32_t width, int32_t height) {
    Bounds bounds;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            if (canvas.at(x, y) == color) {
                bounds.left = std::min(bounds.left, x);
                bounds.top = std::min(bounds.top, y);
                bounds.right = std::max(bounds.right, x + 1);
                bounds.bottom = std::max(bounds.bottom, y + 1);
            }
        }
    }
    return bounds;
}

} // namespace

TEST(ButtonThinWinTest, IsPooledUnderItsClassNameAndResetsItsColoursFlagsAndTextStyles) {
    auto drawer = PoolRef<Thin>::take();
    EXPECT_EQ(std::u16string(u"s_gui_drawer_button_win_Thin"), drawer->getClassName());
    drawer->setAccentColor(1, 2, 3);
    drawer->setFirstFlag(false);
    drawer->setSecondFlag(false);
    drawer->setShiftLabel(true);
    drawer->setCornerStyle(2);
    drawer->setFrameColor(1, 2, 3);
    drawer->setDisabledFrameColor(4, 5, 6);
    drawer->setToggledFrameColor(7, 8, 9);
    drawer->setToggledFill(10, 11, 12);
    EXPECT_EQ(1, drawer->getFrameRed());
    EXPECT_EQ(2, drawer->getFrameGreen());
    EXPECT_EQ(3, drawer->getFrameBlue());
    EXPECT_EQ(6, drawer->getDisabledFrameBlue());
    EXPECT_EQ(11, drawer->getToggledFillGreen());
    drawer->getStyle1().setTextColor(1, 1, 1);
    drawer->getToggledStyle().setTextColor(2, 2, 2);

    drawer->reset();
    EXPECT_EQ(FontDescription::rgb(213, 235, 107), drawer->getAccentColor());
    EXPECT_TRUE(drawer->getFirstFlag());
    EXPECT_TRUE(drawer->getSecondFlag());
    EXPECT_FALSE(drawer->getShiftLabel());
    EXPECT_EQ(1, drawer->getCornerStyle());
    EXPECT_EQ(120, drawer->getFrameRed());
    EXPECT_EQ(120, drawer->getFrameGreen());
    EXPECT_EQ(120, drawer->getFrameBlue());
    EXPECT_EQ(120, drawer->getDisabledFrameRed());
    EXPECT_EQ(120, drawer->getDisabledFrameGreen());
    EXPECT_EQ(120, drawer->getDisabledFrameBlue());
    EXPECT_EQ(FontDescription::rgb(120, 120, 120), drawer->getToggledFrameColor());
    EXPECT_EQ(120, drawer->getToggledFillRed());
    EXPECT_EQ(120, drawer->getToggledFillGreen());
    EXPECT_EQ(120, drawer->getToggledFillBlue());
    EXPECT_EQ(FontDescription::rgb(0, 0, 0), drawer->getStyle1().getTextColor());
    EXPECT_EQ(FontDescription::rgb(161, 161, 146), drawer->getStyle2().getTextColor());
    EXPECT_EQ(FontDescription::rgb(0, 0, 0), drawer->getToggledStyle().getTextColor());
}

TEST(ButtonThinWinTest, FontsCompleteFromTheFirstDrawersStylesAndToggledOnesFromTheSecond) {
    auto drawer = PoolRef<Thin>::take();
    drawer->getStyle1().setTextColor(1, 2, 3);
    drawer->getStyle2().setTextColor(4, 5, 6);
    drawer->getToggledStyle().setTextColor(7, 8, 9);
    auto normal = PoolRef<Font>::take();
    auto disabled = PoolRef<Font>::take();
    auto toggled = PoolRef<Font>::take();
    drawer->completeFonts(normal.get(), disabled.get());
    drawer->completeToggledFont(toggled.get());
    EXPECT_EQ(FontDescription::rgb(1, 2, 3), normal->getTextColor());
    EXPECT_EQ(FontDescription::rgb(4, 5, 6), disabled->getTextColor());
    EXPECT_EQ(FontDescription::rgb(7, 8, 9), toggled->getTextColor());
    drawer->completeFonts(nullptr, nullptr);
    drawer->completeToggledFont(nullptr);

    auto first = PoolRef<FontSetting>::take();
    auto second = PoolRef<FontSetting>::take();
    auto onFill = PoolRef<FontSetting>::take();
    second->setTextColor(90, 90, 90);
    drawer->completeSettings(first.get(), second.get());
    drawer->completeToggledSetting(onFill.get());
    EXPECT_EQ(FontDescription::rgb(1, 2, 3), first->getTextColor());
    EXPECT_EQ(FontDescription::rgb(90, 90, 90), second->getTextColor()) << "set, so kept";
    EXPECT_EQ(FontDescription::rgb(7, 8, 9), onFill->getTextColor());
    drawer->completeSettings(nullptr, nullptr);
    drawer->completeToggledSetting(nullptr);
}

TEST(ButtonThinWinTest, EachStateShowsItsBevelInTheFrameColourItsStateChooses) {
    auto drawer = coloured();
    const Drawn normal = drawButton(*drawer, 0, true, true, false, false);
    EXPECT_EQ(kGrey105, normal.top) << "flat";
    EXPECT_EQ(RGB(85, 85, 85), normal.bottom);
    EXPECT_EQ(PixelCanvas::kWhite, normal.centre) << "an untoggled button is not filled";
    EXPECT_EQ(kGrey115, drawButton(*drawer, 1, true, true, false, false).top) << "hot: raised";
    EXPECT_EQ(RGB(50, 50, 50), drawButton(*drawer, 1, true, true, false, false).bottom);
    EXPECT_EQ(kGrey85, drawButton(*drawer, 2, true, true, false, false).top) << "pressed: sunken";
    EXPECT_EQ(kGrey105, drawButton(*drawer, 2, true, true, false, false).bottom);

    const Drawn disabled = drawButton(*drawer, 0, true, false, false, false);
    EXPECT_EQ(RGB(42, 42, 42), disabled.top) << "the disabled frame colour";
    EXPECT_EQ(RGB(42, 42, 42), drawButton(*drawer, 0, true, false, true, false).top)
        << "disabled wins over toggled";

    drawer->setShaded(false);
    EXPECT_EQ(kGrey100, drawButton(*drawer, 1, true, true, false, false).top) << "unshaded bevel";
}

TEST(ButtonThinWinTest, AToggledFramedButtonInState1IsDrawnSunkenOnItsFill) {
    auto drawer = coloured();
    const Drawn hot = drawButton(*drawer, 1, true, true, true, false);
    EXPECT_EQ(RGB(170, 170, 170), hot.top) << "sunken, in the toggled frame colour";
    EXPECT_EQ(RGB(210, 210, 210), hot.bottom);
    EXPECT_EQ(kFill, hot.centre);
    const Drawn pressed = drawButton(*drawer, 2, true, true, true, false);
    EXPECT_EQ(RGB(230, 230, 230), pressed.top) << "raised";
    EXPECT_EQ(kFill, pressed.centre);
    EXPECT_EQ(RGB(210, 210, 210), drawButton(*drawer, 0, true, true, true, false).top) << "flat";
}

TEST(ButtonThinWinTest, AnUnframedButtonIsOpenAtTheBottomOrBareUnlessToggled) {
    auto drawer = coloured();
    PixelCanvas tab(100, 60);
    drawer->draw(tab.get(), kLeft, kTop, kRight, kBottom, 1, nullptr, false, nullptr, true, false,
                 true);
    EXPECT_EQ(kGrey105, tab.at(kMiddleX, kTop)) << "flat, whatever the state";
    EXPECT_EQ(PixelCanvas::kWhite, tab.at(kMiddleX, kBottom - 1)) << "no bottom edge";
    EXPECT_EQ(kGrey100, tab.at(kLeft, kBottom - 1)) << "the left side reaches the bottom";
    EXPECT_EQ(RGB(90, 90, 90), tab.at(kRight - 1, kBottom - 1));

    PixelCanvas bare(100, 60);
    drawer->draw(bare.get(), kLeft, kTop, kRight, kBottom, 2, nullptr, false, nullptr, true, false,
                 false);
    EXPECT_EQ(0, bare.painted());

    PixelCanvas toggledTab(100, 60);
    drawer->draw(toggledTab.get(), kLeft, kTop, kRight, kBottom, 0, nullptr, false, nullptr, true,
                 true, true);
    EXPECT_EQ(PixelCanvas::kWhite, toggledTab.at(kMiddleX, kTop)) << "one pixel lower";
    EXPECT_EQ(RGB(210, 210, 210), toggledTab.at(kMiddleX, kTop + 1));
    EXPECT_EQ(kFill, toggledTab.at(kMiddleX, kMiddleY));
    EXPECT_EQ(RGB(170, 170, 170), toggledTab.at(kMiddleX, kBottom - 1)) << "closed at the bottom";
}

TEST(ButtonThinWinTest, TheLabelIsDrawnCentredInTheStylesColour) {
    auto drawer = coloured();
    auto style = PoolRef<Font>::take();
    style->setTextColor(200, 0, 0);
    const COLORREF red = RGB(200, 0, 0);
    PixelCanvas canvas(100, 60);
    drawer->draw(canvas.get(), kLeft, kTop, kRight, kBottom, 0, u"WW", true, style.get(), true,
                 false, false);
    ASSERT_GT(canvas.count(red, 0, 0, 100, 60), 10);
    const Bounds text = boundsOf(canvas, red, 100, 60);
    EXPECT_NEAR(kMiddleX, (text.left + text.right) / 2, 2);
    EXPECT_NEAR(kMiddleY, (text.top + text.bottom) / 2, 3);
    EXPECT_GT(text.left, kLeft + 2 * unit());
    EXPECT_LT(text.right, kRight - 2 * unit());

    PixelCanvas noStyle(100, 60);
    drawer->draw(noStyle.get(), kLeft, kTop, kRight, kBottom, 0, u"WW", false, nullptr, true, false,
                 false);
    EXPECT_EQ(0, noStyle.painted()) << "no style, no text";
}

TEST(ButtonThinWinTest, NothingHappensForAnEmptyOrInvertedRectangle) {
    auto drawer = coloured();
    auto style = PoolRef<Font>::take();
    PixelCanvas canvas(100, 60);
    drawer->draw(canvas.get(), kLeft, kTop, kLeft, kBottom, 1, u"WW", true, style.get(), true, true,
                 false);
    drawer->draw(canvas.get(), kLeft, kBottom, kRight, kTop, 2, u"#X", true, style.get(), true,
                 true, true);
    drawer->draw(nullptr, kLeft, kTop, kRight, kBottom, 2, u"#X", true, style.get(), true, true,
                 true);
    EXPECT_EQ(0, canvas.painted());
}

TEST(ButtonThinWinTest, AGlyphLabelPaintsItsSymbolInTheFrameColourAndNoText) {
    auto drawer = coloured();
    auto style = PoolRef<Font>::take();
    style->setTextColor(200, 0, 0);
    const COLORREF red = RGB(200, 0, 0);
    const int32_t inset = 2 * unit();
    PixelCanvas cross(100, 60);
    drawer->draw(cross.get(), kLeft, kTop, kRight, kBottom, 0, u"#X", true, style.get(), true,
                 false, false);
    EXPECT_EQ(0, cross.count(red, 0, 0, 100, 60)) << "no text";
    // A cross reaches into all four quarters of the label's box.
    const int32_t left = kLeft + inset, top = kTop + inset;
    const int32_t right = kRight - inset, bottom = kBottom - inset;
    EXPECT_GT(cross.count(kGrey100, left, top, kMiddleX, kMiddleY), 0);
    EXPECT_GT(cross.count(kGrey100, kMiddleX, top, right, kMiddleY), 0);
    EXPECT_GT(cross.count(kGrey100, left, kMiddleY, kMiddleX, bottom), 0);
    EXPECT_GT(cross.count(kGrey100, kMiddleX, kMiddleY, right, bottom), 0);

    PixelCanvas disabled(100, 60);
    drawer->draw(disabled.get(), kLeft, kTop, kRight, kBottom, 0, u"#X", true, style.get(), false,
                 false, false);
    EXPECT_GT(disabled.count(RGB(40, 40, 40), left, top, right, bottom), 0);
    EXPECT_EQ(0, disabled.count(kGrey100, 0, 0, 100, 60));

    EXPECT_TRUE(drawer->paintGlyph(disabled.get(), 0, 0, 20, 20, u"#X", 1, 2, 3));
    EXPECT_FALSE(drawer->paintGlyph(disabled.get(), 0, 0, 20, 20, u"#Nothing", 1, 2, 3));
    EXPECT_FALSE(drawer->paintGlyph(disabled.get(), 0, 0, 20, 20, u"X", 1, 2, 3));
    EXPECT_FALSE(drawer->paintGlyph(nullptr, 0, 0, 20, 20, u"#X", 1, 2, 3));
}

TEST(ButtonThinWinTest, AnUnknownGlyphNameWithAStyleIsDrawnAsText) {
    auto drawer = coloured();
    auto style = PoolRef<Font>::take();
    style->setTextColor(200, 0, 0);
    PixelCanvas canvas(100, 60);
    drawer->draw(canvas.get(), kLeft, kTop, kRight, kBottom, 0, u"#Nothing", true, style.get(),
                 true, false, false);
    EXPECT_GT(canvas.count(RGB(200, 0, 0), 0, 0, 100, 60), 10);
    const int32_t inset = 2 * unit();
    EXPECT_EQ(0,
              canvas.count(kGrey100, kLeft + inset, kTop + inset, kRight - inset, kBottom - inset))
        << "no glyph inside the frame";

    PixelCanvas noStyle(100, 60);
    drawer->draw(noStyle.get(), kLeft, kTop, kRight, kBottom, 0, u"#Nothing", false, nullptr, true,
                 false, false);
    EXPECT_EQ(0, noStyle.painted());
}

TEST(ButtonThinWinTest, AToggledGlyphTakesTheStylesColourOrWithoutOneTheToggledFrameColour) {
    auto drawer = coloured();
    auto style = PoolRef<Font>::take();
    style->setTextColor(200, 0, 0);
    const int32_t inset = 2 * unit();
    const int32_t left = kLeft + inset, top = kTop + inset;
    const int32_t right = kRight - inset, bottom = kBottom - inset;
    PixelCanvas styled(100, 60);
    drawer->draw(styled.get(), kLeft, kTop, kRight, kBottom, 0, u"#X", true, style.get(), true,
                 true, false);
    EXPECT_GT(styled.count(RGB(200, 0, 0), left, top, right, bottom), 0);
    EXPECT_GT(styled.count(kFill, left, top, right, bottom), 0) << "on the toggled fill";

    PixelCanvas bare(100, 60);
    drawer->draw(bare.get(), kLeft, kTop, kRight, kBottom, 0, u"#X", true, nullptr, true, true,
                 false);
    EXPECT_GT(bare.count(RGB(200, 200, 200), left, top, right, bottom), 0);
}
