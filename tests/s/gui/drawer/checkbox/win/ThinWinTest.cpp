#include "s/gui/drawer/checkbox/win/Thin.h"

#include <gtest/gtest.h>

#include <string>

#include "s/gui/drawer/text/win/Basic.h"
#include "s/gui/scale/win/SystemScale.h"
#include "s/gui/win/Font.h"
#include "tests/support/win/PixelCanvas.h"

using s::gui::drawer::checkbox::win::Thin;
using s::gui::win::Font;
using s::test::win::PixelCanvas;
using s::thread::PoolRef;

namespace {

constexpr COLORREF kFrame = RGB(10, 120, 200);
constexpr COLORREF kBlack = RGB(0, 0, 0);

int32_t unit() {
    return s::gui::scale::win::systemScale().getUnit();
}

} // namespace

TEST(CheckBoxThinWinTest, ABoxOfSide13IsWhiteInsideATwoPixelFrameAndTheLabelStarts15PixelsOn) {
    if (unit() != 1) {
        GTEST_SKIP() << "the sizes checked here are those of scale factor 1";
    }
    auto drawer = PoolRef<Thin>::take();
    drawer->setFrameColor(10, 120, 200);
    auto font = PoolRef<Font>::take();
    drawer->completeFonts(font.get(), nullptr);
    PixelCanvas canvas(120, 20);
    drawer->draw(canvas.get(), 0, 0, 120, 16, 13, false, u"WWW", font.get());
    EXPECT_EQ(81, canvas.count(PixelCanvas::kWhite, 2, 2, 11, 11)) << "white 9 x 9 inside";
    EXPECT_EQ(13 * 13 - 81, canvas.count(kFrame, 0, 0, 13, 13)) << "the rest is frame";
    EXPECT_EQ(kFrame, canvas.at(1, 6));
    EXPECT_EQ(PixelCanvas::kWhite, canvas.at(2, 6));
    EXPECT_EQ(kFrame, canvas.at(11, 6));
    EXPECT_EQ(0, canvas.painted(13, 0, 15, 16)) << "the gap before the label";
    const int32_t labelStart = canvas.firstPaintedColumn(13, 0, 120, 16);
    EXPECT_GE(labelStart, 15);
    EXPECT_LE(labelStart, 16) << "the label begins at its rectangle's left edge";
}

TEST(CheckBoxThinWinTest, UnmarkedBoxesHaveNoMarkAndEmptyRectanglesDrawNothing) {
    auto drawer = PoolRef<Thin>::take();
    auto font = PoolRef<Font>::take();
    PixelCanvas canvas(60, 30);
    drawer->draw(canvas.get(), 5, 5, 5, 25, 13, true, u"WWW", font.get());
    drawer->draw(canvas.get(), 5, 25, 50, 5, 13, true, u"WWW", font.get());
    EXPECT_EQ(0, canvas.painted());
    drawer->draw(canvas.get(), 5, 5, 50, 25, 13 * unit(), false, u"label", nullptr);
    EXPECT_EQ(0, canvas.count(kBlack, 5, 5, 5 + 13 * unit(), 5 + 13 * unit()));
    EXPECT_EQ(RGB(120, 120, 120), canvas.at(5, 5)) << "the frame colour until a scheme sets one";
    EXPECT_EQ(0, canvas.painted(5 + 13 * unit(), 0, 60, 30)) << "no font, no label";
}

TEST(CheckBoxThinWinTest, LayoutWidthsGrowByTheBoxBesideTheLabel) {
    auto drawer = PoolRef<Thin>::take();
    auto plain = PoolRef<s::gui::drawer::text::win::Basic>::take();
    auto font = PoolRef<Font>::take();
    PixelCanvas canvas(10, 10);
    const s::gui::text::TextExtents label =
        plain->measureForLayout(canvas.get(), u"Do not ask again", *font);
    const s::gui::text::TextExtents box =
        drawer->measureForLayout(canvas.get(), u"Do not ask again", *font);
    ASSERT_GT(label.height, 0);
    EXPECT_EQ(label.minWidth + label.height + label.height / 6, box.minWidth);
    EXPECT_EQ(label.maxWidth + label.height + label.height / 6, box.maxWidth);
    EXPECT_EQ(label.height, box.height);
    EXPECT_EQ(label.maxHeight, box.maxHeight);
}

TEST(CheckBoxThinWinTest, LabelColoursAreTheStylesFontsCompleteFrom) {
    auto drawer = PoolRef<Thin>::take();
    drawer->setLabelColor(1, 2, 3);
    drawer->setSecondLabelColor(4, 5, 6);
    auto enabled = PoolRef<Font>::take();
    auto disabled = PoolRef<Font>::take();
    drawer->completeFonts(enabled.get(), disabled.get());
    EXPECT_EQ(RGB(1, 2, 3), enabled->getTextColor());
    EXPECT_EQ(RGB(4, 5, 6), disabled->getTextColor());
    EXPECT_EQ(RGB(1, 2, 3), drawer->getLabelColor());
    drawer->reset();
    EXPECT_EQ(RGB(120, 120, 120), drawer->getLabelColor());
    EXPECT_EQ(RGB(120, 120, 120), drawer->getFrameColor());
    EXPECT_TRUE(drawer->getFirstFlag());
    EXPECT_FALSE(drawer->getSecondFlag());
    EXPECT_EQ(std::u16string(u"s_gui_drawer_checkbox_win_Thin"), drawer->getClassName());
}

TEST(CheckBoxThinWinTest, AMarkedBoxShowsABlackCheckOnWhiteInsideTheFrame) {
    auto drawer = PoolRef<Thin>::take();
    drawer->setFrameColor(10, 120, 200);
    drawer->setMarkFrameColor(200, 0, 0);
    const int32_t side = 13 * unit();
    const int32_t edge = 2 * unit();
    PixelCanvas canvas(side + 10, side + 10);
    drawer->draw(canvas.get(), 5, 5, side + 10, side + 10, side, true, nullptr, nullptr);
    const int32_t black =
        canvas.count(kBlack, 5 + edge, 5 + edge, 5 + side - edge, 5 + side - edge);
    EXPECT_GT(black, 0) << "the check mark";
    EXPECT_GT(
        canvas.count(PixelCanvas::kWhite, 5 + edge, 5 + edge, 5 + side - edge, 5 + side - edge), 0)
        << "white around the mark";
    EXPECT_EQ(kFrame, canvas.at(5, 5));
    EXPECT_EQ(kFrame, canvas.at(5 + side - 1, 5 + side - 1));
    EXPECT_EQ(0, canvas.count(kBlack, 0, 0, side + 10, 5 + 2)) << "the mark stays 2 pixels in";
    EXPECT_EQ(0, canvas.count(RGB(200, 0, 0), 0, 0, side + 10, side + 10))
        << "the mark's button frame colour is not drawn";

    PixelCanvas unmarked(side + 10, side + 10);
    drawer->draw(unmarked.get(), 5, 5, side + 10, side + 10, side, false, nullptr, nullptr);
    EXPECT_EQ(0, unmarked.count(kBlack, 0, 0, side + 10, side + 10));
    EXPECT_EQ(PixelCanvas::kWhite, unmarked.at(5 + side / 2, 5 + side / 2));
}
