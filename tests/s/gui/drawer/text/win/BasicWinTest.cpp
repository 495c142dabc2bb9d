#include "s/gui/drawer/text/win/Basic.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "s/gui/win/Font.h"
#include "s/gui/win/FontSetting.h"
#include "s/thread/PoolRef.h"
#include "tests/support/win/PixelCanvas.h"

using s::gui::drawer::text::win::Basic;
using s::gui::text::FontDescription;
using s::gui::win::Font;
using s::gui::win::FontSetting;
using s::thread::PoolRef;

namespace {

constexpr int32_t kWidth = 200;
constexpr int32_t kHeight = 60;

// A white 200 x 60 canvas that also tells where a colour was painted.
class Canvas : public s::test::win::PixelCanvas {
public:
    Canvas() : PixelCanvas(kWidth, kHeight) {}

    // Where the pixels of exactly `color` are.
    std::set<std::pair<int32_t, int32_t>> where(COLORREF color) const {
        std::set<std::pair<int32_t, int32_t>> found;
        for (int32_t y = 0; y < kHeight; ++y) {
            for (int32_t x = 0; x < kWidth; ++x) {
                if (at(x, y) == color) {
                    found.emplace(x, y);
                }
            }
        }
        return found;
    }
};

using Pixels = std::set<std::pair<int32_t, int32_t>>;

Pixels shifted(const Pixels& pixels, int32_t dx, int32_t dy) {
    Pixels moved;
    for (const auto& pixel : pixels) {
        moved.emplace(pixel.first + dx, pixel.second + dy);
    }
    return moved;
}

// A font without antialiasing, so that every copy covers exactly the same
// pixels and colours are exact.
PoolRef<Font> sharpFont(int32_t effect) {
    auto setting = PoolRef<FontSetting>::take();
    setting->setClearType(false);
    setting->setTextColor(0, 0, 255);
    setting->setBackColor(255, 0, 0);
    setting->setShadeColor(0, 255, 0);
    setting->setEffect(effect);
    return PoolRef<Font>(setting->createFont());
}

} // namespace

TEST(BasicWinTest, StylesStartWithTheDisabledAndLinkColours) {
    auto drawer = PoolRef<Basic>::take();
    EXPECT_EQ(FontDescription::rgb(0, 0, 0), drawer->getStyle1().getTextColor());
    EXPECT_FALSE(drawer->getStyle1().isUnderline());
    EXPECT_EQ(FontDescription::rgb(161, 161, 146), drawer->getStyle2().getTextColor());
    EXPECT_EQ(FontDescription::rgb(0, 170, 0), drawer->getStyle3().getTextColor());
    EXPECT_TRUE(drawer->getStyle3().isUnderline());
    EXPECT_EQ(FontDescription::rgb(170, 170, 0), drawer->getStyle4().getTextColor());
    EXPECT_EQ(FontDescription::rgb(170, 170, 0), drawer->getStyle5().getTextColor());
    EXPECT_TRUE(drawer->getStyle5().isUnderline());
}

TEST(BasicWinTest, CompletingKeepsWhatAFontSetAndTouchesOnlyTheGivenStyles) {
    auto drawer = PoolRef<Basic>::take();
    auto normal = PoolRef<Font>::take();
    auto link = PoolRef<Font>::take();
    normal->setTextColor(10, 20, 30);
    normal->setFontSize(103);
    link->setFontSize(103);
    drawer->completeFonts(normal.get(), nullptr, link.get(), nullptr, nullptr);
    EXPECT_EQ(FontDescription::rgb(10, 20, 30), normal->getTextColor());
    EXPECT_EQ(700, normal->getDescription().getWeight()) << "the style took the size code";
    EXPECT_EQ(FontDescription::rgb(0, 170, 0), link->getTextColor());
    EXPECT_TRUE(link->getDescription().isUnderline());
    EXPECT_EQ(700, link->getDescription().getWeight());
    EXPECT_EQ(103, drawer->getStyle3().getFontSize());
    EXPECT_EQ(0, drawer->getStyle2().getFontSize()) << "no font, no change";
}

TEST(BasicWinTest, DrawsInTheFontColourInsideTheRectangleOnly) {
    auto drawer = PoolRef<Basic>::take();
    auto font = PoolRef<Font>::take();
    font->setTextColor(0, 0, 255);
    font->setFontSize(5);
    Canvas canvas;
    drawer->draw(canvas.get(), 10, 10, 190, 50, u"WWW Mag", *font);
    const COLORREF blue = RGB(0, 0, 255);
    EXPECT_GT(canvas.count(blue, 10, 10, 190, 50), 20);
    EXPECT_EQ(0, canvas.count(blue, 0, 0, kWidth, 10)) << "top left aligned, nothing above";
    EXPECT_EQ(0, canvas.count(blue, 0, 0, 10, kHeight)) << "nothing left of it";

    Canvas untouched;
    drawer->draw(untouched.get(), 50, 10, 50, 50, u"WWW", *font);
    drawer->draw(untouched.get(), 10, 40, 190, 30, u"WWW", *font);
    EXPECT_EQ(0, untouched.count(blue, 0, 0, kWidth, kHeight)) << "empty and inverted rectangles";
}

TEST(BasicWinTest, MeasuresWithoutPrefixesAndByTheLayoutSwitches) {
    auto drawer = PoolRef<Basic>::take();
    auto font = PoolRef<Font>::take();
    Canvas canvas;
    const auto plain = drawer->measure(canvas.get(), 0, 0, 0, 0, u"ab", *font);
    const auto prefixed = drawer->measure(canvas.get(), 0, 0, 0, 0, u"a&b", *font);
    EXPECT_GT(prefixed.width, plain.width) << "the ampersand is a character of its own";

    const auto line = drawer->measureForLayout(canvas.get(), u"several words of text", *font);
    EXPECT_EQ(line.minWidth, line.maxWidth);
    EXPECT_EQ(line.height, line.maxHeight);
    EXPECT_GT(line.height, 0);

    font->setEllipsis(true);
    const auto cut = drawer->measureForLayout(canvas.get(), u"several words of text", *font);
    EXPECT_EQ(1, cut.minWidth);
    EXPECT_EQ(line.maxWidth, cut.maxWidth);

    font->setWordWrap(true);
    const auto wrapped = drawer->measureForLayout(canvas.get(), u"several words of text", *font);
    EXPECT_LT(wrapped.minWidth, wrapped.maxWidth) << "down to the widest word";
    EXPECT_EQ(line.maxWidth, wrapped.maxWidth);
    EXPECT_EQ(0, wrapped.maxHeight);
    const auto inWidth =
        drawer->measure(canvas.get(), 0, 0, wrapped.minWidth, 0, u"several words of text", *font);
    EXPECT_GE(inWidth.height, 3 * line.height) << "broken into lines within the width";
}

TEST(BasicWinTest, TheOutlineEffectDrawsNineCopiesWithTheTextOnePixelRight) {
    auto drawer = PoolRef<Basic>::take();
    const COLORREF blue = RGB(0, 0, 255);
    Canvas plainCanvas;
    drawer->draw(plainCanvas.get(), 20, 20, 190, 55, u"Wx", *sharpFont(0));
    const Pixels plain = plainCanvas.where(blue);
    ASSERT_GT(plain.size(), 20u);

    for (int32_t effect : {1, 7}) {
        const COLORREF around = effect == 1 ? RGB(255, 0, 0) : RGB(0, 255, 0);
        Canvas canvas;
        drawer->draw(canvas.get(), 20, 20, 190, 55, u"Wx", *sharpFont(effect));
        const Pixels text = shifted(plain, 1, 0);
        EXPECT_EQ(text, canvas.where(blue)) << "effect " << effect;
        Pixels outline;
        const int32_t steps[8][2] = {{0, -1}, {1, -1}, {2, -1}, {2, 0},
                                     {2, 1},  {1, 1},  {0, 1},  {0, 0}};
        for (const auto& step : steps) {
            for (const auto& pixel : shifted(plain, step[0], step[1])) {
                if (text.count(pixel) == 0) {
                    outline.insert(pixel);
                }
            }
        }
        EXPECT_EQ(outline, canvas.where(around)) << "effect " << effect;
    }

    Canvas unknown;
    drawer->draw(unknown.get(), 20, 20, 190, 55, u"Wx", *sharpFont(8));
    EXPECT_EQ(kWidth * kHeight, unknown.count(RGB(255, 255, 255), 0, 0, kWidth, kHeight))
        << "an unknown effect draws nothing";

    Canvas raised;
    drawer->draw(raised.get(), 20, 20, 190, 55, u"Wx", *sharpFont(3));
    EXPECT_EQ(shifted(plain, 1, 1), raised.where(blue));
    EXPECT_FALSE(raised.where(RGB(0, 0, 0)).empty()) << "the black copy below right";
}

TEST(BasicWinTest, EffectsWidenTheMeasuredSizes) {
    auto drawer = PoolRef<Basic>::take();
    Canvas canvas;
    const auto plain = drawer->measure(canvas.get(), 0, 0, 0, 0, u"Magnifier", *sharpFont(0));
    const auto raised = drawer->measure(canvas.get(), 0, 0, 0, 0, u"Magnifier", *sharpFont(3));
    EXPECT_EQ(plain.width + 2, raised.width);
    EXPECT_EQ(plain.height + 1, raised.height);
    const auto shadow = drawer->measure(canvas.get(), 0, 0, 0, 0, u"Magnifier", *sharpFont(2));
    EXPECT_EQ(plain.width + 1, shadow.width);
    const auto unknown = drawer->measure(canvas.get(), 0, 0, 0, 0, u"Magnifier", *sharpFont(12));
    EXPECT_EQ(plain.width, unknown.width);
    EXPECT_EQ(plain.height + 1, unknown.height);

    auto wrapping = sharpFont(1);
    wrapping->setWordWrap(true);
    const auto wrapped = drawer->measureForLayout(canvas.get(), u"two words", *wrapping);
    EXPECT_EQ(1, wrapped.maxHeight) << "no maximum but the effect's row";
    auto plainWrapping = sharpFont(0);
    plainWrapping->setWordWrap(true);
    const auto plainWrapped = drawer->measureForLayout(canvas.get(), u"two words", *plainWrapping);
    EXPECT_EQ(0, plainWrapped.maxHeight);
    EXPECT_EQ(plainWrapped.minWidth + 2, wrapped.minWidth);
    EXPECT_EQ(plainWrapped.maxWidth + 2, wrapped.maxWidth);
    EXPECT_EQ(plainWrapped.height + 1, wrapped.height);
}

TEST(BasicWinTest, CentredTextIsOneLineInTheMiddleWhateverTheFontAsks) {
    auto drawer = PoolRef<Basic>::take();
    drawer->setCentered(true);
    auto font = sharpFont(0);
    font->setWordWrap(true);
    Canvas canvas;
    const char16_t* text = u"several words of text that would wrap";
    drawer->draw(canvas.get(), 10, 0, 110, kHeight, text, *font);
    const Pixels inked = canvas.where(RGB(0, 0, 255));
    ASSERT_FALSE(inked.empty());
    int32_t top = kHeight;
    int32_t bottom = 0;
    for (const auto& pixel : inked) {
        top = pixel.second < top ? pixel.second : top;
        bottom = pixel.second > bottom ? pixel.second : bottom;
    }
    const auto line = drawer->measure(canvas.get(), 0, 0, 0, 0, u"W", *sharpFont(0));
    EXPECT_LT(bottom - top, line.height) << "one line";
    EXPECT_LE(top, kHeight / 2);
    EXPECT_GE(bottom, kHeight / 2) << "across the middle";
    const auto measured = drawer->measure(canvas.get(), 0, 0, 100, 0, text, *font);
    EXPECT_GE(measured.height, 2 * line.height) << "measuring still follows the font's wrap";
}

TEST(BasicWinTest, CompletingOneFontTouchesOnlyTheFirstStyle) {
    auto drawer = PoolRef<Basic>::take();
    const FontDescription before[4] = {drawer->getStyle2(), drawer->getStyle3(),
                                       drawer->getStyle4(), drawer->getStyle5()};
    auto font = PoolRef<Font>::take();
    font->setFontSize(-103);
    drawer->completeFonts(font.get(), nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(-103, drawer->getStyle1().getFontSize());
    EXPECT_EQ(700, drawer->getStyle1().getWeight());
    EXPECT_EQ(drawer->getStyle1().getHeight(), font->getDescription().getHeight());
    const FontDescription* after[4] = {&drawer->getStyle2(), &drawer->getStyle3(),
                                       &drawer->getStyle4(), &drawer->getStyle5()};
    for (int32_t i = 0; i < 4; ++i) {
        EXPECT_EQ(before[i].getFontSize(), after[i]->getFontSize()) << "style " << i + 2;
        EXPECT_EQ(before[i].getHeight(), after[i]->getHeight()) << "style " << i + 2;
        EXPECT_EQ(before[i].getWeight(), after[i]->getWeight()) << "style " << i + 2;
    }

    auto setting = PoolRef<FontSetting>::take();
    setting->setFontSize(103);
    setting->setUnderline(false);
    drawer->completeSettings(nullptr, nullptr, setting.get(), nullptr, nullptr);
    EXPECT_EQ(103, drawer->getStyle3().getFontSize());
    EXPECT_EQ(RGB(0, 170, 0), setting->getTextColor()) << "the link colour taken";
    EXPECT_FALSE(setting->isUnderline()) << "its own choice kept";
    EXPECT_EQ(700, setting->getWeight());
    EXPECT_EQ(-103, drawer->getStyle1().getFontSize()) << "style 1 untouched";
}
