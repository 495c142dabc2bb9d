#include "s/gui/drawer/text/win/Basic.h"

#include <gtest/gtest.h>

#include "s/gui/win/Font.h"
#include "s/platform/win/GdiObject.h"
#include "s/platform/win/MemoryDC.h"
#include "s/platform/win/ObjectSelection.h"
#include "s/thread/PoolRef.h"

using s::gui::drawer::text::win::Basic;
using s::gui::text::FontDescription;
using s::gui::win::Font;
using s::thread::PoolRef;

namespace {

constexpr int32_t kWidth = 200;
constexpr int32_t kHeight = 60;

// A white 200 x 60 bitmap selected into a memory context for the test's life.
class Canvas {
public:
    Canvas()
        : dc(nullptr), bitmap(CreateBitmap(kWidth, kHeight, 1, 32, nullptr)),
          selection(dc.get(), bitmap.get()) {
        RECT all = {0, 0, kWidth, kHeight};
        FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    HDC get() const { return dc.get(); }
    // Pixels of exactly `color` inside the rectangle.
    int count(COLORREF color, int32_t left, int32_t top, int32_t right, int32_t bottom) const {
        int found = 0;
        for (int32_t y = top; y < bottom; ++y) {
            for (int32_t x = left; x < right; ++x) {
                found += GetPixel(dc.get(), x, y) == color;
            }
        }
        return found;
    }

private:
    s::platform::win::MemoryDC dc;
    s::platform::win::OwnedGdiObject<HBITMAP> bitmap;
    s::platform::win::ObjectSelection selection;
};

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
