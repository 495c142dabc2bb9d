#include "s/gui/drawer/scrollbar/win/Thin.h"

#include <gtest/gtest.h>

#include "s/gui/scale/win/SystemScale.h"
#include "tests/support/win/PixelCanvas.h"

using s::gui::drawer::scrollbar::win::Thin;
using s::test::win::PixelCanvas;
using s::thread::PoolRef;

namespace {

constexpr COLORREF kHighlight = RGB(250, 10, 10);
constexpr COLORREF kFrame = RGB(20, 40, 200);

int32_t unit() {
    return s::gui::scale::win::systemScale().getUnit();
}

// A vertical bar 15 x 100 at the origin, arrows and thumb in state 0.
void drawVertical(const Thin& drawer, const PixelCanvas& canvas, int32_t total, int32_t page,
                  int32_t position, bool corner, bool highlight) {
    drawer.draw(canvas.get(), 0, 0, 15, 100, false, total, page, position, 0, 0, 0, corner,
                highlight, 250, 10, 10);
}

} // namespace

TEST(ScrollBarThinWinTest, AWholePageShowsTwoArrowsAndNoTrackFill) {
    if (unit() != 1) {
        GTEST_SKIP() << "the sizes checked here are those of scale factor 1";
    }
    auto drawer = PoolRef<Thin>::take();
    PixelCanvas canvas(30, 110);
    drawVertical(*drawer, canvas, 10, 10, 0, false, true);
    EXPECT_GT(canvas.painted(0, 0, 15, 15), 0) << "first arrow";
    EXPECT_GT(canvas.painted(0, 85, 15, 100), 0) << "second arrow";
    EXPECT_EQ(0, canvas.count(kHighlight, 0, 0, 15, 100)) << "no thumb, no track";
    EXPECT_EQ(PixelCanvas::kWhite, canvas.at(7, 50));
    EXPECT_EQ(0, canvas.painted(15, 0, 30, 110)) << "nothing outside the bar";
    EXPECT_EQ(0, canvas.painted(0, 100, 30, 110));
}

TEST(ScrollBarThinWinTest, TracksAreFilledInsideTheFrameInTheTrackOrHighlightColour) {
    if (unit() != 1) {
        GTEST_SKIP() << "the sizes checked here are those of scale factor 1";
    }
    auto drawer = PoolRef<Thin>::take();
    PixelCanvas canvas(30, 110);
    // Thumb 15 ... 26: the track after it runs from 26 to 85.
    drawVertical(*drawer, canvas, 100, 10, 0, false, true);
    EXPECT_EQ(kHighlight, canvas.at(1, 60));
    EXPECT_EQ(kHighlight, canvas.at(13, 26));
    EXPECT_EQ(kHighlight, canvas.at(13, 84));
    EXPECT_NE(kHighlight, canvas.at(0, 60)) << "the frame's left edge stays";
    EXPECT_NE(kHighlight, canvas.at(14, 60)) << "the frame's right edge stays";
    EXPECT_EQ(0, canvas.count(kHighlight, 0, 15, 15, 26)) << "the thumb is a button";

    drawer->setTrackColor(0, 128, 0);
    drawVertical(*drawer, canvas, 100, 10, 0, false, false);
    EXPECT_EQ(RGB(0, 128, 0), canvas.at(7, 60));
}

TEST(ScrollBarThinWinTest, TheCornerSquareIsLeftUnpaintedAndEmptyBarsDrawNothing) {
    auto drawer = PoolRef<Thin>::take();
    PixelCanvas canvas(40, 110);
    drawer->draw(canvas.get(), 0, 0, 0, 100, false, 100, 10, 0, 0, 0, 0, false, true, 1, 2, 3);
    drawer->draw(canvas.get(), 0, 100, 15, 0, false, 100, 10, 0, 0, 0, 0, false, true, 1, 2, 3);
    EXPECT_EQ(0, canvas.painted());
    const int32_t width = 15 * unit();
    drawer->draw(canvas.get(), 0, 0, width, 100, false, 100, 10, 0, 0, 0, 0, true, true, 1, 2, 3);
    EXPECT_GT(canvas.painted(0, 0, width, 100 - width), 0);
    EXPECT_EQ(0, canvas.painted(0, 100 - width, 40, 110)) << "the corner square";
}

TEST(ScrollBarThinWinTest, LongThumbsCarryArrowsInTheFrameColour) {
    if (unit() != 1) {
        GTEST_SKIP() << "the sizes checked here are those of scale factor 1";
    }
    auto drawer = PoolRef<Thin>::take();
    drawer->setFrameColor(20, 40, 200);
    PixelCanvas longThumb(15, 100);
    // Thumb 15 ... 50 (35 pixels, more than 30): an arrow in 2 ... 13 x 17 ... 28.
    drawVertical(*drawer, longThumb, 100, 50, 0, false, false);
    EXPECT_GT(longThumb.count(kFrame, 2, 17, 13, 25), 0);
    PixelCanvas shortThumb(15, 100);
    // Thumb 15 ... 43 (28 pixels): only the grip in its middle.
    drawVertical(*drawer, shortThumb, 100, 40, 0, false, false);
    EXPECT_EQ(0, shortThumb.count(kFrame, 2, 17, 13, 25));
}

TEST(ScrollBarThinWinTest, HitTestAndDragFollowTheLayoutAndTheThicknessScales) {
    auto drawer = PoolRef<Thin>::take();
    EXPECT_EQ(15 * unit(), drawer->getThickness());
    EXPECT_EQ(2, drawer->hitTest(7, 20, 0, 0, 15, 100, false, 100, 1, 0, false));
    EXPECT_EQ(-1, drawer->hitTest(15, 20, 0, 0, 15, 100, false, 100, 1, 0, false));
    EXPECT_EQ(99, drawer->dragPosition(1000, 0, 0, 0, 15, 100, false, 100, 1, false));
    EXPECT_EQ(0, drawer->dragPosition(-1000, 50, 0, 0, 15, 100, false, 100, 1, false));
    drawer->setThickness(21);
    drawer->setFrameColor(1, 2, 3);
    drawer->reset();
    EXPECT_EQ(15 * unit(), drawer->getThickness());
    EXPECT_EQ(RGB(120, 120, 120), drawer->getFrameColor());
    EXPECT_EQ(RGB(255, 255, 255), drawer->getTrackColor());
    EXPECT_EQ(1, drawer->getCornerStyle());
}
