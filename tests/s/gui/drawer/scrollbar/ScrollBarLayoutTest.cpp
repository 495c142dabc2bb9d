#include "s/gui/drawer/scrollbar/ScrollBarLayout.h"

#include <gtest/gtest.h>

using s::gui::drawer::scrollbar::ScrollBarLayout;
using s::gui::layout::Rect;

namespace {

// A vertical bar 15 wide and 100 high at the origin, no corner.
ScrollBarLayout vertical(int32_t total, int32_t page, int32_t position) {
    return ScrollBarLayout(0, 0, 15, 100, false, total, page, position, false);
}

} // namespace

TEST(ScrollBarLayoutTest, APageShowingTheWholeDocumentLeavesOnlyTheTwoArrows) {
    const ScrollBarLayout layout = vertical(10, 10, 0);
    EXPECT_EQ((Rect{0, 0, 15, 15}), layout.getFirstArrow());
    EXPECT_EQ((Rect{0, 85, 15, 15}), layout.getSecondArrow());
    EXPECT_FALSE(layout.hasThumb());
    EXPECT_TRUE(ScrollBarLayout::isEmpty(layout.getTrackBefore()));
    EXPECT_TRUE(ScrollBarLayout::isEmpty(layout.getTrackAfter()));
    EXPECT_EQ(ScrollBarLayout::kFirstArrow, layout.hitTest(7, 3));
    EXPECT_EQ(ScrollBarLayout::kNowhere, layout.hitTest(7, 50)) << "only the arrows are found";
    EXPECT_EQ(ScrollBarLayout::kSecondArrow, layout.hitTest(7, 90));
    EXPECT_EQ(0, layout.dragPosition(40));
    EXPECT_FALSE(vertical(10, 20, 0).hasThumb());
}

TEST(ScrollBarLayoutTest, ATinyPageStillGetsTheMinimumThumb) {
    const ScrollBarLayout layout = vertical(100, 1, 0);
    EXPECT_EQ((Rect{0, 15, 15, 11}), layout.getThumb())
        << "11 pixels, not the 1 the page stands for";
    EXPECT_TRUE(ScrollBarLayout::isEmpty(layout.getTrackBefore()));
    EXPECT_EQ((Rect{0, 26, 15, 59}), layout.getTrackAfter());
    const ScrollBarLayout atEnd = vertical(100, 1, 99);
    EXPECT_EQ((Rect{0, 74, 15, 11}), atEnd.getThumb());
    EXPECT_EQ((Rect{0, 15, 15, 59}), atEnd.getTrackBefore());
}

TEST(ScrollBarLayoutTest, ThumbLengthAndStartRoundToTheNearestPixel) {
    // Track 70: the page of 1 in 3 stands for 23.33 pixels, and position 1
    // of 2 for 23.5 of the 47 free ones.
    const ScrollBarLayout layout = vertical(3, 1, 1);
    EXPECT_EQ((Rect{0, 39, 15, 23}), layout.getThumb());
    EXPECT_EQ((Rect{0, 15, 15, 24}), layout.getTrackBefore());
    EXPECT_EQ((Rect{0, 62, 15, 23}), layout.getTrackAfter());
    // 2 of 3 is 46.67 pixels long.
    EXPECT_EQ(47, vertical(3, 2, 0).getThumb().height);
}

TEST(ScrollBarLayoutTest, PositionsOutsideTheDocumentAreLaidOutAtItsEnds) {
    EXPECT_EQ(vertical(100, 1, 99).getThumb(), vertical(100, 1, 500).getThumb());
    EXPECT_EQ(vertical(100, 1, 0).getThumb(), vertical(100, 1, -7).getThumb());
}

TEST(ScrollBarLayoutTest, HitTestingFindsThePartsInOrderWithoutTheirRightAndBottomEdges) {
    // Position 50 of 99: the 11-pixel thumb starts 30 pixels down the track.
    const ScrollBarLayout layout = vertical(100, 1, 50);
    ASSERT_EQ((Rect{0, 45, 15, 11}), layout.getThumb());
    EXPECT_EQ(ScrollBarLayout::kFirstArrow, layout.hitTest(0, 0));
    EXPECT_EQ(ScrollBarLayout::kTrackBefore, layout.hitTest(0, 15));
    EXPECT_EQ(ScrollBarLayout::kTrackBefore, layout.hitTest(14, 44));
    EXPECT_EQ(ScrollBarLayout::kThumb, layout.hitTest(7, 45));
    EXPECT_EQ(ScrollBarLayout::kThumb, layout.hitTest(7, 55));
    EXPECT_EQ(ScrollBarLayout::kTrackAfter, layout.hitTest(7, 56));
    EXPECT_EQ(ScrollBarLayout::kTrackAfter, layout.hitTest(7, 84));
    EXPECT_EQ(ScrollBarLayout::kSecondArrow, layout.hitTest(7, 85));
    EXPECT_EQ(ScrollBarLayout::kSecondArrow, layout.hitTest(14, 99));
    EXPECT_EQ(ScrollBarLayout::kNowhere, layout.hitTest(7, 100));
    EXPECT_EQ(ScrollBarLayout::kNowhere, layout.hitTest(15, 50));
    EXPECT_EQ(ScrollBarLayout::kNowhere, layout.hitTest(-1, 50));
}

TEST(ScrollBarLayoutTest, DraggingPastEitherEndGivesTheEndsAndBetweenScalesThePixels) {
    const ScrollBarLayout layout = vertical(100, 10, 0);
    // Track 70, thumb 7 -> 11 pixels, 59 free pixels for 90 positions.
    EXPECT_EQ(90, layout.dragPosition(1000)) << "total - page";
    EXPECT_EQ(90, layout.dragPosition(59)) << "the thumb meets the second arrow";
    EXPECT_EQ(0, layout.dragPosition(-1000));
    EXPECT_EQ(0, layout.dragPosition(0)) << "the thumb still touches the first arrow";
    EXPECT_EQ(15, layout.dragPosition(10)) << "10 x 90 / 59 = 15.25";
    const ScrollBarLayout middle = vertical(100, 10, 45);
    EXPECT_EQ(30, middle.dragPosition(-10)) << "45 - 15.25";
    EXPECT_EQ(0, middle.dragPosition(-30)) << "past the first arrow";
    EXPECT_EQ(90, middle.dragPosition(30)) << "past the second arrow";
    EXPECT_EQ(45, middle.dragPosition(0));
    // At position 1 the thumb stands 1 pixel down; 58 more reach the second
    // arrow, although 58 pixels stand for only 88.5 positions.
    EXPECT_EQ(90, vertical(100, 10, 1).dragPosition(58));
}

TEST(ScrollBarLayoutTest, TheCornerSquareComesOffTheFarEndInBothOrientations) {
    const ScrollBarLayout down(0, 0, 15, 100, false, 10, 10, 0, true);
    EXPECT_EQ((Rect{0, 85, 15, 15}), down.getCorner());
    EXPECT_EQ((Rect{0, 0, 15, 85}), down.getBar());
    EXPECT_EQ((Rect{0, 70, 15, 15}), down.getSecondArrow());
    EXPECT_EQ(ScrollBarLayout::kNowhere, down.hitTest(7, 90)) << "the corner is no part";

    const ScrollBarLayout across(10, 20, 110, 35, true, 100, 10, 90, true);
    EXPECT_EQ((Rect{95, 20, 15, 15}), across.getCorner());
    EXPECT_EQ((Rect{10, 20, 15, 15}), across.getFirstArrow());
    EXPECT_EQ((Rect{80, 20, 15, 15}), across.getSecondArrow());
    // Track 55, thumb 5.5 -> 11 pixels, at the end of the track.
    EXPECT_EQ((Rect{69, 20, 11, 15}), across.getThumb());
    EXPECT_EQ(ScrollBarLayout::kThumb, across.hitTest(69, 20));
    EXPECT_EQ(ScrollBarLayout::kTrackBefore, across.hitTest(68, 34));
    EXPECT_EQ(ScrollBarLayout::kNowhere, across.hitTest(70, 35));

    const ScrollBarLayout plain(10, 20, 110, 35, true, 100, 10, 0, false);
    EXPECT_TRUE(ScrollBarLayout::isEmpty(plain.getCorner()));
    EXPECT_EQ((Rect{95, 20, 15, 15}), plain.getSecondArrow());
}

TEST(ScrollBarLayoutTest, ABarTooShortForTheSmallestThumbHasNoThumbAndKeepsThePosition) {
    const ScrollBarLayout layout(0, 0, 15, 40, false, 100, 10, 30, false);
    EXPECT_FALSE(layout.hasThumb()) << "a 10-pixel track cannot hold an 11-pixel thumb";
    EXPECT_EQ(30, layout.dragPosition(5));
    EXPECT_EQ(ScrollBarLayout::kNowhere, layout.hitTest(7, 20));
    EXPECT_EQ(ScrollBarLayout::kSecondArrow, layout.hitTest(7, 30));
}

TEST(ScrollBarLayoutTest, TracksAreFilledInsideTheFrameAndLongThumbsCarryArrows) {
    const ScrollBarLayout layout = vertical(100, 50, 0);
    // Track 70, thumb 35: longer than twice the thickness of 15.
    ASSERT_EQ((Rect{0, 15, 15, 35}), layout.getThumb());
    EXPECT_TRUE(layout.thumbCarriesArrows());
    EXPECT_EQ((Rect{2, 17, 11, 11}), layout.thumbStartSquare(1));
    EXPECT_EQ((Rect{4, 39, 7, 7}), layout.thumbEndSquare(2));
    EXPECT_EQ((Rect{1, 50, 13, 35}), layout.trackFill(layout.getTrackAfter(), 1));
    EXPECT_FALSE(vertical(100, 40, 0).thumbCarriesArrows()) << "28 is not more than 30";

    const ScrollBarLayout across(0, 0, 100, 15, true, 100, 50, 0, false);
    EXPECT_EQ((Rect{50, 2, 35, 11}), across.trackFill(across.getTrackAfter(), 2));
}
